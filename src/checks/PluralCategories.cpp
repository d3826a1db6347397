#include "checks/PluralCategories.h"

#include <unicode/locid.h>
#include <unicode/plurrule.h>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView order[] = {u"zero", u"one", u"two", u"few", u"many", u"other"};

std::unique_ptr<icu::PluralRules> rulesFor(QString languageTag)
{
    if (languageTag.isEmpty())
        return nullptr;
    // Xcode writes BCP 47 tags ("pt-BR", "zh-Hans"); an underscore form reads the same.
    languageTag.replace(u'_', u'-');
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale =
        icu::Locale::forLanguageTag(languageTag.toStdString().c_str(), status);
    if (U_FAILURE(status))
        return nullptr;
    std::unique_ptr<icu::PluralRules> rules(icu::PluralRules::forLocale(locale, status));
    return U_SUCCESS(status) ? std::move(rules) : nullptr;
}

} // namespace

PluralCategories::PluralCategories(const QString &languageTag)
{
    // How many of the counts 0 to 999 each category takes.
    std::map<QString, int> counts{{u"other"_s, 0}};
    const std::unique_ptr<icu::PluralRules> rules = rulesFor(languageTag);
    for (int count = 0; rules && count < 1000; ++count) {
        const icu::UnicodeString keyword = rules->select(int32_t(count));
        ++counts[QString::fromUtf16(keyword.getBuffer(), keyword.length())];
    }
    for (const QStringView category : order) {
        const auto found = counts.find(category.toString());
        if (found == counts.end())
            continue;
        m_required.append(found->first);
        if (found->second == 1)
            m_single.append(found->first);
    }
}

#include "checks/PluralCategories.h"

#include <unicode/locid.h>
#include <unicode/plurrule.h>

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

QStringList PluralCategories::required(const QString &languageTag)
{
    QStringList selected{u"other"_s};
    const std::unique_ptr<icu::PluralRules> rules = rulesFor(languageTag);
    for (int count = 0; rules && count < 1000; ++count) {
        const icu::UnicodeString keyword = rules->select(int32_t(count));
        const QString category = QString::fromUtf16(keyword.getBuffer(), keyword.length());
        if (!selected.contains(category))
            selected.append(category);
    }
    QStringList ordered;
    for (const QStringView category : order) {
        if (selected.contains(category))
            ordered.append(category.toString());
    }
    return ordered;
}

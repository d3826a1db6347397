#include "catalog/CatalogPlurals.h"

#include <unicode/locid.h>
#include <unicode/plurrule.h>

#include <memory>
#include <set>

using namespace Qt::StringLiterals;

const QStringList &CatalogPlurals::all()
{
    static const QStringList order{u"zero"_s, u"one"_s, u"two"_s, u"few"_s, u"many"_s, u"other"_s};
    return order;
}

QStringList CatalogPlurals::required(const QString &languageTag)
{
    std::set<QString> selected{u"other"_s};
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::forLanguageTag(
        QString(languageTag).replace(u'_', u'-').toStdString().c_str(), status);
    std::unique_ptr<icu::PluralRules> rules(
        U_SUCCESS(status) ? icu::PluralRules::forLocale(locale, status) : nullptr);
    for (int count = 0; rules && U_SUCCESS(status) && count < 1000; ++count) {
        const icu::UnicodeString keyword = rules->select(int32_t(count));
        selected.insert(QString::fromUtf16(keyword.getBuffer(), keyword.length()));
    }
    QStringList categories;
    for (const QString &category : all()) {
        if (selected.count(category))
            categories.append(category);
    }
    return categories;
}

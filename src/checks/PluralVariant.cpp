#include "checks/PluralVariant.h"

namespace {

constexpr QStringView dictSuffix = u":dict/:string";
constexpr QStringView catalogMark = u"|==|";
constexpr QStringView pluralWord = u"plural.";

std::optional<PluralVariant> fromDict(QStringView id)
{
    // "/key:dict/variable:dict/one:dict/:string": the category sits between the last
    // "/" and the ":dict/:string" that ends the id.
    const QStringView head = id.chopped(dictSuffix.size());
    const qsizetype slash = head.lastIndexOf(u'/');
    if (slash < 0)
        return std::nullopt;
    const QStringView category = head.sliced(slash + 1);
    if (!PluralVariant::isCategory(category))
        return std::nullopt;
    return PluralVariant{id.first(slash + 1), category};
}

std::optional<PluralVariant> fromCatalog(QStringView id)
{
    // "key|==|plural.one", or nested: "key|==|substitutions.arg1.plural.one".
    const qsizetype mark = id.lastIndexOf(catalogMark);
    if (mark < 0)
        return std::nullopt;
    const qsizetype word = id.lastIndexOf(pluralWord);
    if (word < mark + catalogMark.size())
        return std::nullopt;
    const qsizetype before = word - 1;
    if (word != mark + catalogMark.size() && id[before] != u'.')
        return std::nullopt;
    const QStringView category = id.sliced(word + pluralWord.size());
    if (!PluralVariant::isCategory(category))
        return std::nullopt;
    return PluralVariant{id.first(word), category};
}

} // namespace

std::optional<PluralVariant> PluralVariant::of(QStringView id)
{
    if (id.endsWith(dictSuffix))
        return fromDict(id);
    if (id.contains(catalogMark))
        return fromCatalog(id);
    return std::nullopt;
}

bool PluralVariant::isCategory(QStringView word)
{
    return word == u"other" || word == u"one" || word == u"few" || word == u"many" ||
           word == u"zero" || word == u"two";
}

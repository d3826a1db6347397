#include "catalog/CatalogDiff.h"

#include <QByteArray>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Slices = std::vector<std::pair<QString, QByteArrayView>>;

/// The object's members as (key, bytes of the value), leaving out the member at `skip`.
Slices slices(const JsonNode *object, QByteArrayView bytes, qsizetype skip)
{
    Slices out;
    if (!object)
        return out;
    for (qsizetype i = 0; i < qsizetype(object->members.size()); ++i) {
        const JsonMember &each = object->members[i];
        if (i != skip)
            out.emplace_back(each.key,
                             bytes.sliced(each.value.begin, each.value.end - each.value.begin));
    }
    return out;
}

qsizetype indexOf(const JsonNode *object, QStringView key)
{
    for (qsizetype i = 0; object && i < qsizetype(object->members.size()); ++i) {
        if (object->members[i].key == key)
            return i;
    }
    return -1;
}

QByteArrayView bytesOf(const JsonNode &value, QByteArrayView bytes)
{
    return bytes.sliced(value.begin, value.end - value.begin);
}

/// The first key where the two lists differ, or a null string.
QString firstDifference(const Slices &a, const Slices &b)
{
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size())
            return b[i].first;
        if (i >= b.size() || a[i] != b[i])
            return a[i].first;
    }
    return QString();
}

/// Where two entries of one key differ outside `language`'s localization, or a null string.
QString entryDifference(const JsonNode &a, QByteArrayView aBytes, const JsonNode &b,
                        QByteArrayView bBytes, const QString &language)
{
    if (!a.isObject() || !b.isObject())
        return bytesOf(a, aBytes) == bytesOf(b, bBytes) ? QString() : u"(entry)"_s;
    const qsizetype aLoc = indexOf(&a, u"localizations");
    const qsizetype bLoc = indexOf(&b, u"localizations");
    const QString where = firstDifference(slices(&a, aBytes, aLoc), slices(&b, bBytes, bLoc));
    if (!where.isNull())
        return where;
    const JsonNode *aLocs = aLoc >= 0 ? &a.members[aLoc].value : nullptr;
    const JsonNode *bLocs = bLoc >= 0 ? &b.members[bLoc].value : nullptr;
    // Localizations that are not an object are text no save touches.
    if ((aLocs && !aLocs->isObject()) || (bLocs && !bLocs->isObject())) {
        const bool same = aLocs && bLocs && bytesOf(*aLocs, aBytes) == bytesOf(*bLocs, bBytes);
        return same ? QString() : u"localizations"_s;
    }
    return firstDifference(slices(aLocs, aBytes, indexOf(aLocs, language)),
                           slices(bLocs, bBytes, indexOf(bLocs, language)));
}

} // namespace

CatalogDiff::Result CatalogDiff::compare(const CatalogDocument &original,
                                         QByteArrayView originalBytes,
                                         const CatalogDocument &edited, QByteArrayView editedBytes,
                                         const QString &language)
{
    Result result;
    const JsonNode &a = original.root();
    const JsonNode &b = edited.root();
    if (originalBytes.first(a.begin) != editedBytes.first(b.begin) ||
        originalBytes.sliced(a.end) != editedBytes.sliced(b.end)) {
        result.where = u"(around the catalog)"_s;
        return result;
    }
    result.where = firstDifference(slices(&a, originalBytes, indexOf(&a, u"strings")),
                                   slices(&b, editedBytes, indexOf(&b, u"strings")));
    if (!result.where.isNull())
        return result;
    const std::vector<JsonMember> &aEntries = original.strings().members;
    const std::vector<JsonMember> &bEntries = edited.strings().members;
    for (std::size_t i = 0; i < std::max(aEntries.size(), bEntries.size()); ++i) {
        if (i >= aEntries.size() || i >= bEntries.size() || aEntries[i].key != bEntries[i].key) {
            result.where = u"strings › "_s + (i < aEntries.size() ? aEntries[i] : bEntries[i]).key;
            return result;
        }
        const QString where = entryDifference(aEntries[i].value, originalBytes, bEntries[i].value,
                                              editedBytes, language);
        if (!where.isNull()) {
            result.where = u"strings › "_s + aEntries[i].key + u" › "_s + where;
            return result;
        }
    }
    result.onlyLanguage = true;
    return result;
}

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
    const qsizetype aStrings = indexOf(&a, u"strings");
    const qsizetype bStrings = indexOf(&b, u"strings");
    result.where =
        firstDifference(slices(&a, originalBytes, aStrings), slices(&b, editedBytes, bStrings));
    if (!result.where.isNull())
        return result;
    const std::vector<JsonMember> &aEntries = original.strings().members;
    const std::vector<JsonMember> &bEntries = edited.strings().members;
    if (aEntries.size() != bEntries.size()) {
        result.where = u"strings"_s;
        return result;
    }
    for (std::size_t i = 0; i < aEntries.size(); ++i) {
        const JsonNode &aEntry = aEntries[i].value;
        const JsonNode &bEntry = bEntries[i].value;
        const QString path = u"strings › "_s + aEntries[i].key;
        if (aEntries[i].key != bEntries[i].key || !aEntry.isObject() || !bEntry.isObject()) {
            if (aEntries[i].key == bEntries[i].key &&
                bytesOf(aEntry, originalBytes) == bytesOf(bEntry, editedBytes))
                continue;
            result.where = path;
            return result;
        }
        const qsizetype aLoc = indexOf(&aEntry, u"localizations");
        const qsizetype bLoc = indexOf(&bEntry, u"localizations");
        QString where = firstDifference(slices(&aEntry, originalBytes, aLoc),
                                        slices(&bEntry, editedBytes, bLoc));
        if (where.isNull()) {
            const JsonNode *aLocs = aLoc >= 0 ? &aEntry.members[aLoc].value : nullptr;
            const JsonNode *bLocs = bLoc >= 0 ? &bEntry.members[bLoc].value : nullptr;
            // Localizations that are not an object are text no save touches.
            if ((aLocs && !aLocs->isObject()) || (bLocs && !bLocs->isObject())) {
                if (!aLocs || !bLocs ||
                    bytesOf(*aLocs, originalBytes) != bytesOf(*bLocs, editedBytes))
                    where = u"localizations"_s;
                aLocs = bLocs = nullptr;
            }
            if (where.isNull())
                where = firstDifference(slices(aLocs, originalBytes, indexOf(aLocs, language)),
                                        slices(bLocs, editedBytes, indexOf(bLocs, language)));
        }
        if (!where.isNull()) {
            result.where = path + u" › "_s + where;
            return result;
        }
    }
    result.onlyLanguage = true;
    return result;
}

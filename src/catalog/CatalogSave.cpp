#include "catalog/CatalogSave.h"

#include "catalog/CatalogDiff.h"
#include "catalog/CatalogDocument.h"
#include "catalog/CatalogSplicer.h"
#include "catalog/CatalogUnits.h"
#include "files/DocumentFile.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <set>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CatalogSave", text);
}

/// Rows whose unit reads back without the row's target or the state the splice gave it.
void checkRows(const std::vector<UnitRecord> &rows, const CatalogUnits::Units &after,
               const CatalogSplicer::Result &splice, std::vector<std::size_t> &failed)
{
    QHash<QString, std::size_t> byName;
    for (std::size_t i = 0; i < after.units.size(); ++i)
        byName.insert(after.units[i].name.value_or(QString()), i);
    const std::set<std::size_t> unplaced(splice.unplaced.begin(), splice.unplaced.end());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (unplaced.count(i))
            continue;
        const UnitRecord &row = rows[i];
        std::size_t unit = std::size_t(row.port);
        if (unit >= after.units.size() || after.units[unit].name != row.name)
            unit = byName.value(row.name.value_or(QString()), after.units.size());
        const bool landed = unit < after.units.size() && after.units[unit].tget == row.tget &&
                            after.units[unit].state == splice.expectedStates[i];
        if (!landed)
            failed.push_back(i);
    }
}

} // namespace

CatalogSave::Result CatalogSave::pack(QByteArrayView original, const QString &language,
                                      const std::vector<UnitRecord> &rows)
{
    Result result;
    const CatalogDocument::Parsed parsed = CatalogDocument::parse(original);
    if (!parsed.document) {
        result.errorString = parsed.errorString;
        return result;
    }
    const CatalogSplicer::Result splice =
        CatalogSplicer(*parsed.document, original, language).splice(rows);
    if (!splice.bytes) {
        result.errorString = splice.errorString;
        return result;
    }
    const CatalogDocument::Parsed reread = CatalogDocument::parse(*splice.bytes);
    if (!reread.document) {
        result.errorString =
            tr("the saved catalog would not read back: %1").arg(reread.errorString);
        return result;
    }
    const CatalogDiff::Result diff =
        CatalogDiff::compare(*parsed.document, original, *reread.document, *splice.bytes, language);
    if (!diff.onlyLanguage) {
        result.errorString =
            tr("the save would change the catalog outside %1 (at %2)").arg(language, diff.where);
        return result;
    }
    const CatalogUnits::Units after = CatalogUnits(*reread.document, language, {}).collect();
    result.unplaced = splice.unplaced;
    checkRows(rows, after, splice, result.unplaced);
    std::sort(result.unplaced.begin(), result.unplaced.end());
    result.bytes = *splice.bytes;
    return result;
}

CatalogSave::Result CatalogSave::save(const QString &path, const QString &outPath,
                                      const QString &language, const std::vector<UnitRecord> &rows)
{
    const DocumentFile::Bytes file = DocumentFile::read(path);
    if (!file.error.isEmpty()) {
        Result failed;
        failed.errorString = file.error;
        return failed;
    }
    Result result = pack(file.bytes, language, rows);
    if (!result.bytes)
        return result;
    QString error;
    if (!DocumentFile::write(outPath, *result.bytes, &error)) {
        result.bytes.reset();
        result.errorString = error;
    }
    return result;
}

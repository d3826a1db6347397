#include "app/flows/CatalogFile.h"

#include "catalog/CatalogReader.h"
#include "catalog/CatalogSave.h"
#include "files/DocumentFile.h"

#include <QFileInfo>

ReadResult CatalogFile::read(const QString &path, const QString &language, QByteArray *bytes,
                             QStringList *warnings)
{
    DocumentFile::Bytes file = DocumentFile::read(path);
    if (!file.error.isEmpty()) {
        ReadResult failed;
        failed.errorString = file.error;
        return failed;
    }
    CatalogRead read = CatalogReader::read(file.bytes, language, QFileInfo(path).fileName());
    *warnings = read.warnings;
    *bytes = std::move(file.bytes);
    return std::move(read.result);
}

SpliceResult CatalogFile::pack(const QString &path, const QString &language,
                               std::span<const UnitRecord> rows)
{
    SpliceResult result;
    const DocumentFile::Bytes file = DocumentFile::read(path);
    if (!file.error.isEmpty()) {
        result.errorString = file.error;
        result.unreadable = true;
        return result;
    }
    const std::vector<UnitRecord> copy(rows.begin(), rows.end());
    CatalogSave::Result packed = CatalogSave::pack(file.bytes, language, copy);
    result.bytes = std::move(packed.bytes);
    result.errorString = packed.errorString;
    for (const std::size_t row : packed.unplaced)
        result.unwritten.push_back(UnwrittenUnit{copy[row].from, copy[row].name, copy[row].port});
    return result;
}

DocumentSave::Outcome CatalogFile::save(const QString &path, const QString &language,
                                        std::span<const UnitRecord> rows)
{
    DocumentSave::Outcome outcome;
    outcome.packed = pack(path, language, rows);
    if (!outcome.packed.bytes)
        return outcome;
    outcome.written = DocumentFile::write(path, *outcome.packed.bytes, &outcome.writeError);
    return outcome;
}

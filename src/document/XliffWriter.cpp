#include "document/XliffWriter.h"

#include "document/DocumentFile.h"
#include "document/ReferenceSplicer.h"

#include <QCoreApplication>

SpliceResult XliffWriter::pack(const QString &path, std::span<const UnitRecord> rows)
{
    const DocumentFile::Bytes file = DocumentFile::read(path);
    std::optional<QString> text;
    if (file.error.isEmpty())
        text = DocumentFile::decodeUtf8(file.bytes);
    if (!text) {
        SpliceResult result;
        result.unreadable = true;
        result.errorString = file.error.isEmpty()
                                 ? QCoreApplication::translate("XliffWriter", "not valid UTF-8")
                                 : file.error;
        return result;
    }
    return splice(*text, rows);
}

SpliceResult XliffWriter::splice(const QString &fileText, std::span<const UnitRecord> rows)
{
    return ReferenceSplicer::splice(fileText, rows);
}

#include "document/XliffWriter.h"

#include "document/DocumentFile.h"
#include "document/FastSplicer.h"
#include "document/PositionalSplicer.h"
#include "document/SpliceVerifier.h"
#include "document/UnitLocator.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

/// Places by position the targets the patterns could not, then verifies again.
SpliceResult placeRemaining(SpliceResult first, std::span<const UnitRecord> rows)
{
    const UnitLocator::Result located = UnitLocator::locate(first.bytes);
    if (!located.complete || located.nestedUnits)
        return first;
    QHash<quint64, const UnitRecord *> byPort;
    for (const UnitRecord &row : rows)
        byPort.insert(row.port, &row);
    const QString &text = *first.text;
    std::vector<TextEdit> edits;
    for (const UnwrittenUnit &missing : first.unwritten) {
        const UnitRecord *row = byPort.value(missing.port);
        if (!row || missing.port >= located.units.size())
            continue;
        const UnitLayout &unit = located.units[missing.port];
        if (unit.name != row->name)
            continue;
        if (auto edit = PositionalSplicer::targetEdit(text, unit, *row))
            edits.push_back(std::move(*edit));
    }
    if (edits.empty())
        return first;
    std::ranges::sort(edits, {}, &TextEdit::start);
    return SpliceVerifier::verify(UnitSplice::applied(text, edits), rows);
}

} // namespace

SpliceResult XliffWriter::pack(const QString &path, std::span<const UnitRecord> rows)
{
    DocumentFile::Bytes file = DocumentFile::read(path);
    std::optional<QString> text;
    if (file.error.isEmpty())
        text = DocumentFile::decodeUtf8(file.bytes);
    file.bytes = QByteArray(); // the text holds it now
    if (!text) {
        SpliceResult result;
        result.unreadable = true;
        result.errorString = file.error.isEmpty()
                                 ? QCoreApplication::translate("XliffWriter", "not valid UTF-8")
                                 : file.error;
        return result;
    }
    return splice(std::move(*text), rows);
}

SpliceResult XliffWriter::splice(QString fileText, std::span<const UnitRecord> rows)
{
    SpliceResult result = FastSplicer::splice(std::move(fileText), rows);
    if (!result.text || result.unwritten.empty())
        return result;
    return placeRemaining(std::move(result), rows);
}

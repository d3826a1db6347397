#include "splice/XliffWriter.h"

#include "files/DocumentFile.h"
#include "splice/FastSplicer.h"
#include "splice/PositionalSplicer.h"
#include "splice/SpliceVerifier.h"
#include "xliff/StateAttribute.h"
#include "xliff/UnitLocator.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

/// Places by position the targets the patterns could not, then verifies again.
SpliceResult placeRemaining(SpliceResult first, std::span<const UnitRecord> rows)
{
    const UnitLocator::Result located = UnitLocator::locate(*first.bytes);
    const std::optional<QString> text = first.text();
    if (!located.complete || located.nestedUnits || !text)
        return first;
    QHash<quint64, const UnitRecord *> byPort;
    for (const UnitRecord &row : rows)
        byPort.insert(row.port, &row);
    const bool statesUsed = StateAttribute::usedIn(*first.bytes);
    std::vector<TextEdit> edits;
    for (const UnwrittenUnit &missing : first.unwritten) {
        const UnitRecord *row = byPort.value(missing.port);
        if (!row || missing.port >= located.units.size())
            continue;
        const UnitLayout &unit = located.units[missing.port];
        if (unit.name != row->name)
            continue;
        if (auto edit = PositionalSplicer::targetEdit(*text, unit, *row, statesUsed))
            edits.push_back(std::move(*edit));
    }
    if (edits.empty())
        return first;
    std::ranges::sort(edits, {}, &TextEdit::start);
    return SpliceVerifier::verify(DocumentFile::encodeUtf8(UnitSplice::applied(*text, edits)),
                                  rows);
}

SpliceResult unreadable(const QString &reason)
{
    SpliceResult result;
    result.unreadable = true;
    result.errorString = reason;
    return result;
}

} // namespace

SpliceResult XliffWriter::pack(const QString &path, std::span<const UnitRecord> rows)
{
    DocumentFile::Bytes file = DocumentFile::read(path);
    if (!file.error.isEmpty())
        return unreadable(file.error);
    return splice(std::move(file.bytes), rows);
}

SpliceResult XliffWriter::splice(QByteArray fileBytes, std::span<const UnitRecord> rows,
                                 const SpliceVerifier::Alongside &alongside)
{
    if (!QByteArrayView(fileBytes).isValidUtf8())
        return unreadable(QCoreApplication::translate("XliffWriter", "not valid UTF-8"));
    SpliceResult result = FastSplicer::splice(std::move(fileBytes), rows, 0, alongside);
    if (!result.bytes || result.unwritten.empty())
        return result;
    return placeRemaining(std::move(result), rows);
}

SpliceResult XliffWriter::splice(const QString &fileText, std::span<const UnitRecord> rows)
{
    return splice(DocumentFile::encodeUtf8(fileText), rows);
}

#include "document/SpliceVerifier.h"

#include "document/DocumentFile.h"
#include "document/ParseState.h"
#include "document/XliffReader.h"

#include <QCoreApplication>

namespace {

bool landed(const UnitRecord &row, const std::vector<UnitRecord> &units)
{
    if (row.port >= units.size())
        return false;
    const UnitRecord &unit = units[row.port];
    return unit.name == row.name && unit.tget == row.tget->trimmed();
}

} // namespace

SpliceResult SpliceVerifier::verify(QString text, std::span<const UnitRecord> rows)
{
    SpliceResult result;
    QByteArray bytes = DocumentFile::encodeUtf8(text);
    ParseState state;
    const ReadResult back = XliffReader(state).read(bytes);
    if (!back.complete) {
        result.errorString = QCoreApplication::translate(
                                 "SpliceVerifier", "the new text would not be well-formed XML "
                                                   "(line %1, column %2: %3)")
                                 .arg(back.line)
                                 .arg(back.column)
                                 .arg(back.errorString);
        return result;
    }
    for (const UnitRecord &row : rows) {
        if (row.tget && !landed(row, back.units))
            result.unwritten.push_back({row.from, row.name, row.port});
    }
    result.text = std::move(text);
    result.bytes = std::move(bytes);
    return result;
}

#pragma once

#include "splice/IcuRegex.h"
#include "document/UnitRecord.h"
#include "xliff/UnitValues.h"

#include <QString>

#include <optional>
#include <vector>

/// One replacement in the file text, at positions of the text before any of its edits
/// (UTF-16 positions in a text, byte positions in a file's UTF-8).
struct TextEdit
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString replacement;
};

/// What writing a row into a matched unit changes, given the match's groups.
namespace UnitSplice {

/// A unit without a target: the target line replaces the line feed after `</source>`.
/// Nothing when the row has no target.
std::optional<TextEdit> insertion(const std::vector<IcuRegex::Range> &groups,
                                  const UnitRecord &row);

/// A unit with a target: the target text and note texts the match captured, in text
/// order. A group whose text already reads as the row's value is left as it is, so a
/// save without edits changes nothing; notes are written only when the row's note
/// differs from the unit's, so a unit with two notes never has one copied over the other.
/// `before` holds the units of the text the match ran on.
std::vector<TextEdit> update(QStringView text, const std::vector<IcuRegex::Range> &groups,
                             const UnitRecord &row, UnitValues &before);
/// The same over a unit's UTF-8, with groups and edits at byte positions.
std::vector<TextEdit> update(QByteArrayView utf8, const std::vector<IcuRegex::Range> &groups,
                             const UnitRecord &row, UnitValues &before);

/// The text with the edits applied; they must lie in ascending, non-overlapping order.
QString applied(QStringView text, const std::vector<TextEdit> &edits);

/// The same for a file as UTF-8, with edits at byte positions: each replacement is
/// encoded straight into the new file.
QByteArray applied(QByteArrayView bytes, const std::vector<TextEdit> &edits);

} // namespace UnitSplice

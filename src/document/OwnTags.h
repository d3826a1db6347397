#pragma once

#include "document/UnitRecord.h"

#include <QString>

#include <span>
#include <vector>

/// Ties rows whose id repeats in the file to their own unit. Xcode repeats ids across
/// `file` elements; such a row must reach the unit the reader numbered with its `port`,
/// never another unit of the same id.
class OwnTags
{
public:
    /// The row's id is unique among the rows: the whole text is searched for it.
    static constexpr qsizetype searchAll = -1;
    /// The row's own unit has no start tag the patterns accept (another attribute order,
    /// no `xml:space`, a further attribute) or is not in the text: the patterns skip it.
    static constexpr qsizetype unreachable = -2;

    /// For each row: `searchAll`, `unreachable`, or where its own unit's start tag stands.
    static std::vector<qsizetype> find(const QString &text, std::span<const UnitRecord> rows);

private:
    /// Where each unit's start tag stands, in document order.
    static std::vector<qsizetype> unitStarts(const QString &text, std::span<const UnitRecord> rows);
};

#pragma once

#include "document/UnitRecord.h"

#include <QString>

#include <span>
#include <vector>

/// Ties each row to its own unit's start tag: the unit the reader numbered with the row's
/// `port`. Xcode repeats ids across `file` elements, and a comment may hold text that looks
/// like a start tag; a row must reach its own unit, never another unit or a comment.
class OwnTags
{
public:
    /// The row's own unit has no start tag the patterns accept (another attribute order,
    /// no `xml:space`, a further attribute), is not in the text, or cannot be told apart
    /// (units inside units): the patterns skip the row.
    static constexpr qsizetype unreachable = -1;

    struct Found
    {
        /// For each row: where its own unit's start tag stands, or `unreachable`.
        std::vector<qsizetype> rows;
        /// Where every unit's start tag stands, in the reader's order (empty when units
        /// stand inside units).
        std::vector<qsizetype> units;
    };

    static Found find(const QString &text, std::span<const UnitRecord> rows);

private:
    /// Where each unit's start tag stands, in the reader's order; empty when that order
    /// cannot be known.
    static std::vector<qsizetype> unitStarts(const QString &text, std::span<const UnitRecord> rows);
    /// True when the plain scan's starts are provably the units' own start tags, in order.
    static bool plainlyFlat(QStringView text, const std::vector<qsizetype> &starts);
};

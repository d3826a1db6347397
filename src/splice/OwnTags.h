#pragma once

#include "document/UnitRecord.h"

#include <QByteArrayView>

#include <span>
#include <vector>

/// Ties each row to its own unit's start tag: the unit the reader numbered with the row's
/// `port`. Xcode repeats ids across `file` elements, and a comment may hold text that looks
/// like a start tag; a row must reach its own unit, never another unit or a comment.
/// Positions are bytes of the file's UTF-8.
class OwnTags
{
public:
    /// The row's own unit has no start tag the patterns accept (another attribute order,
    /// no `xml:space`, a further attribute), is not in the file, or cannot be told apart
    /// (units inside units): the patterns skip the row.
    static constexpr qsizetype unreachable = -1;

    struct Found
    {
        /// For each row: where its own unit's start tag stands, or `unreachable`.
        std::vector<qsizetype> rows;
        /// For each reachable row: where that start tag ends.
        std::vector<qsizetype> tagEnds;
        /// Where every unit's start tag stands, in the reader's order (empty when units
        /// stand inside units).
        std::vector<qsizetype> units;
    };

    static Found find(QByteArrayView bytes, std::span<const UnitRecord> rows);

private:
    /// Where each unit's start tag stands, in the reader's order; empty when that order
    /// cannot be known.
    static std::vector<qsizetype> unitStarts(QByteArrayView bytes,
                                             std::span<const UnitRecord> rows);
    struct PlainScan
    {
        std::vector<qsizetype> starts; ///< every "<trans-unit" tag, in order
        bool flat = false;     ///< those are provably the units' own start tags, no unit in another
        bool plain = false;    ///< the stretch scanned holds no comment, section or the like
        bool unitOpen = false; ///< a unit is open at the end of the stretch scanned
    };
    /// Finds the start tags without a parser, where the text's plain form allows.
    static PlainScan plainScan(QByteArrayView bytes);
    /// Scans the markup starting in [from, to); `plain` is false at the first comment,
    /// section, document type or processing instruction, or a unit inside a unit.
    static PlainScan scanStretch(QByteArrayView bytes, qsizetype from, qsizetype to,
                                 qsizetype afterDeclaration);
};

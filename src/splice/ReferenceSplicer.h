#pragma once

#include "document/UnitRecord.h"
#include "splice/SplicePatterns.h"
#include "splice/SpliceResult.h"

#include <span>

/// The straightforward splice: each row, in table order, matched afresh in the current text
/// with its own two patterns, at its own unit's start tag (found by counting the literal
/// start tags of its id). Simple enough to trust, and the measure for faster writers; its
/// cost grows with rows times file size.
class ReferenceSplicer
{
public:
    /// `budget` bounds the whole splice in milliseconds: a save gives up rather than hang on
    /// a hostile file; a test that holds a faster writer to this one may give it longer.
    static SpliceResult splice(const QString &fileText, std::span<const UnitRecord> rows,
                               qint64 budget = SplicePatterns::spliceTimeBudget);
};

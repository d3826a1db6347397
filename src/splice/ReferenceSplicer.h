#pragma once

#include "splice/SpliceResult.h"
#include "document/UnitRecord.h"

#include <span>

/// The straightforward splice: each row, in table order, matched afresh in the current text
/// with its own two patterns, at its own unit's start tag (found by counting the literal
/// start tags of its id). Simple enough to trust, and the measure for faster writers; its
/// cost grows with rows times file size.
class ReferenceSplicer
{
public:
    static SpliceResult splice(const QString &fileText, std::span<const UnitRecord> rows);
};

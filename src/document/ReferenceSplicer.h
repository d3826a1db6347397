#pragma once

#include "document/SpliceResult.h"
#include "document/UnitRecord.h"

#include <span>

/// The straightforward splice: each row, in table order, searched afresh in the whole
/// current text with its own two patterns. Simple enough to trust, and the measure for
/// faster writers; its cost grows with rows times file size.
class ReferenceSplicer
{
public:
    static SpliceResult splice(const QString &fileText, std::span<const UnitRecord> rows);
};

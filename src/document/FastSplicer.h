#pragma once

#include "document/SpliceResult.h"
#include "document/UnitRecord.h"

#include <span>

/// The splice in one pass over the file: every start tag is indexed once, each row's
/// patterns are matched only at its own unit's start tag, and all edits are applied in
/// document order into one new text. Its result is the one the straightforward splice
/// gives; where that cannot be shown (a match that reads into the next unit) it hands the
/// whole file to the straightforward splice.
class FastSplicer
{
public:
    static SpliceResult splice(const QString &fileText, std::span<const UnitRecord> rows);
};

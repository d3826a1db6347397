#pragma once

#include "document/SpliceResult.h"
#include "document/UnitRecord.h"

#include <span>

/// The splice in one pass over the file: every unit's start tag is found once, each row's
/// patterns are matched only at its own unit's start tag, kept from running into the next
/// unit, and all edits are applied in document order into one new text. Its result is the one the
/// straightforward splice gives; where that cannot be shown (a match that reads into the next unit)
/// it hands the whole file to the straightforward splice.
class FastSplicer
{
public:
    /// Takes the text by value: it is let go once the new text is built, before the
    /// read-back, so a large file is not held three times at once.
    static SpliceResult splice(QString fileText, std::span<const UnitRecord> rows);
};

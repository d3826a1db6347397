#pragma once

#include "splice/SpliceResult.h"
#include "splice/SpliceVerifier.h"
#include "document/UnitRecord.h"

#include <span>

/// The splice in one pass over the file's UTF-8: every unit's start tag is found once, each
/// row's patterns are matched only over its own unit, decoded from the end of its start tag
/// to the next unit, and all edits are applied in document order into one new file. Its
/// result is the one the straightforward splice gives; where that cannot be shown (a match
/// that reads into the next unit) it hands the whole file to the straightforward splice.
class FastSplicer
{
public:
    /// Takes the file by value: it is let go once the new file is built, before the
    /// read-back, so a large file is not held three times at once. It must be valid UTF-8.
    /// The rows are matched on `threads` threads; 0 picks a number for the file's size and
    /// the machine's cores. `alongside` runs while the new file is read back (not when the
    /// file is handed to the straightforward splice).
    static SpliceResult splice(QByteArray fileBytes, std::span<const UnitRecord> rows,
                               int threads = 0, const SpliceVerifier::Alongside &alongside = {});
};

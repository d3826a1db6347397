#pragma once

#include "document/SpliceResult.h"
#include "document/UnitRecord.h"

#include <span>

/// Reads spliced text back as the reader would and fills in what a save may report:
/// nothing to write when the text is not well-formed, else every row whose target does
/// not read back as the row holds it.
class SpliceVerifier
{
public:
    static SpliceResult verify(QString text, std::span<const UnitRecord> rows);
};

#pragma once

#include "document/SpliceResult.h"
#include "document/UnitRecord.h"

#include <span>

/// Reads a spliced file back as the reader would and fills in what a save may report:
/// nothing to write when it is not well-formed XML, else every row whose target does not
/// read back as the row holds it.
class SpliceVerifier
{
public:
    static SpliceResult verify(QByteArray bytes, std::span<const UnitRecord> rows);
};

#pragma once

#include "document/DocumentFile.h"
#include "document/SpliceResult.h"
#include "document/UnitRecord.h"

#include <span>

/// Reads a spliced file back as the reader would and fills in what a save may report:
/// nothing to write when it is not well-formed XML, else every row whose target does not
/// read back as the row holds it. A file larger than opening accepts is refused too, so a
/// save never writes what could not be opened again.
class SpliceVerifier
{
public:
    static SpliceResult verify(QByteArray bytes, std::span<const UnitRecord> rows,
                               qint64 sizeLimit = DocumentFile::maxSize);
};

#pragma once

#include "document/FileHeader.h"
#include "document/UnitRecord.h"

#include <QString>

#include <vector>

/// What one parse of an XLIFF document gave.
struct ReadResult
{
    /// True only when the whole document parsed; rows are handed over only then.
    bool complete = false;
    std::vector<UnitRecord> units;
    /// One header per `<file>` element in document order; `UnitRecord::file` indexes it.
    std::vector<FileHeader> files;
    /// Why the parse stopped, and where (1-based), for tools that report it.
    QString errorString;
    qint64 line = 0;
    qint64 column = 0;
};

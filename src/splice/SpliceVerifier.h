#pragma once

#include "files/DocumentFile.h"
#include "xliff/ParallelParse.h"
#include "splice/SpliceResult.h"
#include "document/UnitRecord.h"

#include <functional>
#include <span>

/// Reads a spliced file back as the reader would and fills in what a save may report:
/// nothing to write when it is not well-formed XML, else every row whose target does not
/// read back as the row holds it. A file larger than opening accepts is refused too, so a
/// save never writes what could not be opened again.
class SpliceVerifier
{
public:
    /// Work done with the new file on another thread while it is read back (writing it
    /// out under a temporary name); it has finished when `verify` returns.
    using Alongside = std::function<void(const QByteArray &bytes)>;

    /// A file of `parallelFrom` bytes or more is read back in two parts at once (see
    /// `ParallelParse`); the result is the same either way.
    static SpliceResult verify(QByteArray bytes, std::span<const UnitRecord> rows,
                               const Alongside &alongside = {},
                               qint64 sizeLimit = DocumentFile::maxSize,
                               qsizetype parallelFrom = ParallelParse::defaultFromSize());

private:
    /// The check itself: an error, or the rows that did not read back.
    static SpliceResult readBack(const QByteArray &bytes, std::span<const UnitRecord> rows,
                                 qsizetype parallelFrom);
};

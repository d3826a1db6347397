#pragma once

#include "splice/SpliceResult.h"
#include "document/UnitRecord.h"

#include <QString>

#include <span>

/// A save from start to end: the rows spliced into the file, the new file read back, and
/// written atomically. The new file is written to its temporary name while it is read
/// back; the rename over the target happens only once the read-back passed, so a failed
/// read-back or a failed write leaves the target as it was and no temporary file behind.
class DocumentSave
{
public:
    struct Outcome
    {
        /// What the splice gave: its error when there was nothing to write, else the new
        /// file and the rows whose targets it could not place.
        SpliceResult packed;
        /// True once the new file replaced the target.
        bool written = false;
        /// Why writing failed, when the splice gave a file but it could not be written.
        QString writeError;
    };

    /// Splices into the file at `source` as it is on disk now and writes to `target`.
    static Outcome run(const QString &source, std::span<const UnitRecord> rows,
                       const QString &target);
    /// Splices into the given file (UTF-8) and writes to `target`.
    static Outcome run(QByteArray sourceBytes, std::span<const UnitRecord> rows,
                       const QString &target);

private:
    static Outcome runToStream(QByteArray sourceBytes, std::span<const UnitRecord> rows,
                               const QString &target);
};

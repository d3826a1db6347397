#pragma once

#include "splice/SpliceResult.h"
#include "splice/SpliceVerifier.h"
#include "document/UnitRecord.h"

#include <QString>

#include <span>

/// Produces the text a save writes: the file's current text with every row's target and
/// note spliced in, every other character exactly as the file holds it. Writes nothing.
class XliffWriter
{
public:
    /// Splices the rows into the file at `path` as it is on disk now.
    static SpliceResult pack(const QString &path, std::span<const UnitRecord> rows);

    /// Splices the rows into the given file (UTF-8). `alongside` may run with the new file
    /// while it is read back; when it ran, its bytes are `bytes` unless the result differs.
    static SpliceResult splice(QByteArray fileBytes, std::span<const UnitRecord> rows,
                               const SpliceVerifier::Alongside &alongside = {});
    /// Splices the rows into the given file text.
    static SpliceResult splice(const QString &fileText, std::span<const UnitRecord> rows);
};

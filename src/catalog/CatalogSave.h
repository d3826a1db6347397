#pragma once

#include "document/UnitRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

/// A catalog save: one language's targets spliced into the file's text, the result read
/// back and proven (the rows' targets and states are there, nothing outside the language
/// changed) before anything is written.
class CatalogSave
{
public:
    struct Result
    {
        std::optional<QByteArray> bytes; ///< the proven text; none when the save must not go on
        QString errorString;
        /// Rows that could not be placed or did not read back, in row order.
        std::vector<std::size_t> unplaced;
    };

    /// The new text of the catalog `original` with `rows` (one language's units) in it.
    static Result pack(QByteArrayView original, const QString &language,
                       const std::vector<UnitRecord> &rows);
    /// Reads the catalog at `path`, packs `rows` into it and writes the result to `outPath`
    /// (the same path for a save) in one step; the old file stays as it was on failure.
    static Result save(const QString &path, const QString &outPath, const QString &language,
                       const std::vector<UnitRecord> &rows);
};

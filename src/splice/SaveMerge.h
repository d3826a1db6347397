#pragma once

#include "splice/SpliceResult.h"
#include "document/UnitRecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>
#include <span>
#include <vector>

/// What a save splices when another program may have changed the file since it was
/// loaded. Only the units the user changed since the load (target, state or note differ
/// from the load) are written, into the file's bytes as they are now; every other unit
/// keeps what the file holds. A changed unit is found in the file by its identity (its
/// file's `original`, id and source, and which repeat of those it is), never by position
/// alone; one the file no longer has is not placed, and one the file changed too is a
/// conflict for the user to settle. A file that is gone is written from the bytes last read.
class SaveMerge
{
    Q_DECLARE_TR_FUNCTIONS(SaveMerge)

public:
    /// A unit changed both in the window and in the file since the load.
    struct Conflict
    {
        std::size_t row = 0;  ///< the window's row
        std::size_t unit = 0; ///< the unit's index in the file now
        UnitRecord theirs;    ///< the unit as the file holds it now
    };

    struct Plan
    {
        /// The bytes to splice into: the file now, or the bytes last read when it is gone.
        QByteArray fileBytes;
        /// One row per unit of `fileBytes`, with the user's changes in; empty with `error`.
        std::vector<UnitRecord> rows;
        /// For each of `rows`, the window's row it took the user's change from, or -1.
        std::vector<qint64> fromRow;
        /// Units changed in both; until settled, their rows hold the user's change.
        std::vector<Conflict> conflicts;
        /// Window rows whose change has no unit in the file now.
        std::vector<UnwrittenUnit> notPlaced;
        /// The file differs from the one loaded (or is gone): the rows are merged.
        bool merged = false;
        /// Why no save can be made (the file now cannot be read).
        QString error;
    };

    /// Plans a save of `rows` (the window's, one per unit of `loadedBytes`) into the file
    /// whose bytes are `currentBytes` now; none when it is gone.
    static Plan plan(const QByteArray &loadedBytes, std::span<const UnitRecord> rows,
                     const std::optional<QByteArray> &currentBytes);

    /// The conflicting units keep what the file holds (the user chose the file's text).
    static void keepTheirs(Plan &plan);

    /// Whether a row's target, state or note differ from the loaded one's.
    static bool changed(const UnitRecord &row, const UnitRecord &loaded);
};

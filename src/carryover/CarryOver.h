#pragma once

#include "document/FileHeader.h"
#include "document/ReadResult.h"
#include "document/TargetChange.h"
#include "document/UnitRecord.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

/// Fills the open document's untranslated units from an earlier translation of the same
/// project. A unit of the earlier file with the same `original`, id and source gives its
/// target as it is (exact); failing that, one with the same source anywhere in it gives a
/// suggestion marked for review (same text), taken from the same `original` where one
/// exists and else the most frequent of the targets found. Changed sources find nothing.
class CarryOver
{
public:
    struct Options
    {
        /// Units that already hold a translation are filled too.
        bool overwrite = false;
        /// The document's targets carry states (`StateAttribute::usedIn`): an exact target
        /// is marked "translated", not only a suggestion for review.
        bool statesUsed = false;
    };

    struct Counts
    {
        qsizetype exact = 0;          ///< filled from the same unit of the earlier file
        qsizetype review = 0;         ///< filled from a unit with the same source, to review
        qsizetype notFound = 0;       ///< looked at, nothing to fill from
        qsizetype severalTargets = 0; ///< of `review`: chosen among differing targets
    };

    struct Result
    {
        std::vector<TargetChange> changes; ///< in row order; units already as carried left out
        Counts counts;
        QString error; ///< why nothing was carried; empty when the pass ran
    };

    /// Carries targets from `earlier` into the document of `rows` and `files`.
    static Result carry(std::span<const UnitRecord> rows, const std::vector<FileHeader> &files,
                        const ReadResult &earlier, Options options);

    /// Sets the changed rows' targets and states, for a caller that holds the rows itself.
    static void apply(std::span<UnitRecord> rows, const std::vector<TargetChange> &changes);

    /// Whether two language codes name the same language ("pt-BR", "pt_br").
    static bool sameLanguage(const QString &a, const QString &b);
};

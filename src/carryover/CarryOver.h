#pragma once

#include "document/FileHeader.h"
#include "document/ReadResult.h"
#include "document/TargetChange.h"
#include "document/UnitRecord.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

class EarlierIndex;

/// Fills the open document's untranslated units from an earlier translation of the same
/// project. A unit of the earlier file with the same `original`, id and source gives its
/// target as the file holds it, blanks kept (exact; marked for review when it was); failing
/// that, one with the same source anywhere in it gives a suggestion, always marked for
/// review (same text), taken from the same `original` where one exists and else the most
/// frequent of the targets found; copies of the source and ties give none. Changed sources
/// find nothing.
class CarryOver
{
public:
    /// How a unit was filled.
    enum class Kind
    {
        Exact,     ///< from the unit of the same identity
        Suggestion ///< from a unit with the same source, to review
    };

    struct Options
    {
        /// Units that already hold a translation are replaced by exact targets (never by a
        /// suggestion).
        bool overwrite = false;
        /// The document's targets carry states (`StateAttribute::usedIn`): an exact target
        /// is marked "translated", not only a suggestion for review.
        bool statesUsed = false;
        /// Only exact targets are filled in; no suggestion is made.
        bool exactOnly = false;
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
        std::vector<Kind> kinds;           ///< how each change was found, in the same order
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

private:
    /// The change that fills row `i`, counted in `result`; nothing when none is due.
    static std::optional<TargetChange> fill(const EarlierIndex &index, const UnitRecord &row,
                                            size_t i, const QString &key, qsizetype occurrence,
                                            bool untranslated, Options options, Result &result);
};

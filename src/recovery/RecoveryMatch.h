#pragma once

#include "recovery/JournalEntry.h"
#include "document/UnitRecord.h"

#include <span>
#include <vector>

/// Ties journalled edits to the units of the document as it is now. An edit goes to the
/// unit at its position when that unit still has the same file, id and source; otherwise
/// to the one unit elsewhere that does. Edits that match no unit, or several, are left out.
struct RecoveryMatch
{
    struct Edit
    {
        std::size_t row;
        JournalEntry entry;
    };

    /// The newest edit of each matched unit, in the order the units were first edited.
    std::vector<Edit> matched;
    /// The newest edit of each unit that no longer matches.
    std::vector<JournalEntry> unmatched;

    /// How many units the journal edits.
    std::size_t count() const { return matched.size() + unmatched.size(); }

    static RecoveryMatch of(std::span<const JournalEntry> entries,
                            std::span<const UnitRecord> rows);
};

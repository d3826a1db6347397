#pragma once

#include "recovery/JournalEntry.h"
#include "document/UnitRecord.h"

#include <QCoreApplication>

#include <optional>
#include <span>
#include <vector>

/// Ties journalled edits to the units of the document as it is now. An edit goes to the
/// unit at its position when that unit still has the same file, id and source; otherwise
/// to the one unit elsewhere that does. Edits that match no unit, or several, are left out;
/// so are edits typing could not have made (a target with a character no XML file holds, a
/// state no file's attribute takes), which the journal can only hold if it was damaged.
struct RecoveryMatch
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryMatch)

public:
    struct Edit
    {
        std::size_t row;
        JournalEntry entry;
    };

    /// The newest edit of each matched unit, in the order the units were first edited.
    std::vector<Edit> matched;
    /// The newest edit of each unit that no longer matches.
    std::vector<JournalEntry> unmatched;
    struct Refused
    {
        JournalEntry entry;
        QString reason; ///< in the user's words
    };
    /// The newest edit of each unit that typing would have refused.
    std::vector<Refused> refused;

    /// How many units the journal edits.
    std::size_t count() const { return matched.size() + unmatched.size() + refused.size(); }

    /// Why typing would refuse the edit, or nothing when it would take it.
    static std::optional<QString> refusal(const JournalEntry &entry);

    static RecoveryMatch of(std::span<const JournalEntry> entries,
                            std::span<const UnitRecord> rows);
};

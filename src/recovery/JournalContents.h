#pragma once

#include "recovery/JournalEntry.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

/// What a recovery journal on disk holds: its document, the hash of that document's bytes
/// when it was opened, and every complete edit in the order they were made.
struct JournalContents
{
    QString documentPath;
    QByteArray documentHash; ///< hex BLAKE2b-256; empty when no readable header was found
    std::vector<JournalEntry> entries;
    /// Lines that were cut short or damaged and were left out.
    int damagedLines = 0;
    /// Why the file could not be read at all (not a regular file, too large, no permission);
    /// empty when it was read.
    QString error;

    /// The time of the newest edit, or an invalid time when there is none.
    QDateTime lastEdit() const;
};

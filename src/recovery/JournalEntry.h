#pragma once

#include <QString>

#include <optional>

/// One committed edit as the recovery journal keeps it: the unit's new target (or its
/// absence) and state, the unit's position, and what identifies the unit if the file moved
/// it (its file's `original`, its id and its source).
struct JournalEntry
{
    quint64 port = 0;             ///< position of the unit in the file when it was edited
    std::optional<QString> from;  ///< `original` of the enclosing `<file>`
    std::optional<QString> name;  ///< the unit's id
    std::optional<QString> srcs;  ///< the unit's source text
    std::optional<QString> tget;  ///< the new target text; absent removes the target
    std::optional<QString> state; ///< the new `state` value
    qint64 time = 0;              ///< when it was made, milliseconds since the epoch (UTC)
};

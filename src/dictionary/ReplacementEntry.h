#pragma once

#include <QString>

/// One entry of the replacement dictionary: an English source and the target that
/// replaces a unit's target when the unit's source equals it exactly. The target may be empty.
struct ReplacementEntry
{
    QString srcs;
    QString tget;

    friend bool operator==(const ReplacementEntry &, const ReplacementEntry &) = default;
};

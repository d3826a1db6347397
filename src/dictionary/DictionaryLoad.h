#pragma once

#include "dictionary/ReplacementDictionary.h"

#include <QString>

/// What reading the stored dictionary found.
struct DictionaryLoad
{
    enum class Status
    {
        Missing,   ///< no stored file yet: the built-in list is to be used
        Loaded,    ///< the stored entries (possibly none)
        Unreadable ///< a stored file exists but could not be read or parsed
    };

    Status status = Status::Missing;
    ReplacementDictionary entries;
    QString error;   ///< why the stored file is unreadable
    QString movedTo; ///< where the unreadable file was moved; empty when it stayed in place
};

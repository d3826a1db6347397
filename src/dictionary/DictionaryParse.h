#pragma once

#include "dictionary/ReplacementDictionary.h"

#include <QString>

/// The entries read from a dictionary text, or why it could not be read.
struct DictionaryParse
{
    ReplacementDictionary entries;
    QString error; ///< empty on success
    int line = 0;  ///< 1-based line of the fault in a JSON Lines text; 0 when not tied to a line

    bool ok() const { return error.isEmpty(); }
};

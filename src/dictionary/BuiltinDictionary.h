#pragma once

#include "dictionary/ReplacementDictionary.h"

/// The dictionary shipped with the program: the standard main-menu titles that Xcode
/// generates, with their Japanese titles, in the order the preferences table shows them.
class BuiltinDictionary
{
public:
    /// The 124 entries, in order. Repeated sources stay separate entries.
    static ReplacementDictionary entries();
};

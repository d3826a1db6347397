#pragma once

#include "dictionary/ReplacementEntry.h"

#include <vector>

/// The dictionary's entries in display order. Sources need not be unique: where several
/// entries share a source, the one shown first decides.
using ReplacementDictionary = std::vector<ReplacementEntry>;

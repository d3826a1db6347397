#pragma once

#include "document/UnitRecord.h"

#include <cstddef>
#include <vector>

/// The rows after a replacement pass, in the same number and order as before, and the
/// indexes (ascending) of the rows whose target the pass changed.
struct ReplacementResult
{
    std::vector<UnitRecord> rows;
    std::vector<std::size_t> changedRows;
    /// Of the changed rows, those that had a translation of their own before (not none, not
    /// an empty one, not Xcode's copy of the source): the pass wrote over someone's work.
    std::size_t replacedTranslations = 0;
};

#pragma once

#include "document/UnitRecord.h"

#include <string>

#include <vector>

/// The reader's working values. They outlive a single parse: `insideUnit` stays set once
/// the first unit of the process has started, and `parsedUnits` keeps the last parse.
struct ParseState
{
    quint64 unitCounter = 0;
    UnitRecord currentUnit;
    std::vector<UnitRecord> parsedUnits;
    bool insideUnit = false;
    /// Character data gathered since the last store, kept as the parser's UTF-8.
    std::string textBuffer;
};

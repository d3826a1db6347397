#pragma once

#include "document/FileHeader.h"
#include "document/TargetChange.h"
#include "document/UnitRecord.h"

#include <QString>

#include <span>
#include <vector>

class TranslationMemory;

/// Fills a document's untranslated units from the memory: each takes the target of its best
/// match at or above the minimum and is marked for review, a 100 % match too unless exact
/// matches are to count as translated.
class Pretranslation
{
public:
    struct Options
    {
        int minimum = 100;
        bool exactAsTranslated = false;
        /// The document's targets carry states (`StateAttribute::usedIn`).
        bool statesUsed = false;
    };

    struct Counts
    {
        qsizetype exact = 0;    ///< filled from a 100 % match
        qsizetype fuzzy = 0;    ///< filled from a lesser match
        qsizetype notFound = 0; ///< untranslated units with no match at the minimum
    };

    struct Result
    {
        std::vector<TargetChange> changes; ///< in row order
        Counts counts;
        QString error; ///< the memory could not be read; nothing was filled
    };

    static Result run(std::span<const UnitRecord> rows, const std::vector<FileHeader> &files,
                      TranslationMemory &memory, const Options &options);
};

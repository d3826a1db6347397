#pragma once

#include "document/UnitRecord.h"

/// How far a unit's translation has come. Xcode 15 and later export an untranslated unit
/// with its source copied into `<target state="new">`, so a target alone does not make a
/// unit translated.
class TranslationStatus
{
public:
    enum class Status
    {
        Untranslated, ///< no target, an empty one, or one whose state is "new"
        NeedsReview,  ///< a target whose state says "needs-…"
        Translated    ///< any other target
    };

    static Status of(const UnitRecord &unit);
    static bool isUntranslated(const UnitRecord &unit) { return of(unit) == Status::Untranslated; }
    static bool needsReview(const UnitRecord &unit) { return of(unit) == Status::NeedsReview; }
};

#include "document/TranslationStatus.h"

TranslationStatus::Status TranslationStatus::of(const UnitRecord &unit)
{
    if (!unit.tget || unit.tget->isEmpty())
        return Status::Untranslated;
    if (!unit.state)
        return Status::Translated;
    if (*unit.state == u"new")
        return Status::Untranslated;
    if (unit.state->startsWith(u"needs-"))
        return Status::NeedsReview;
    return Status::Translated;
}

#include "document/UnitFilter.h"

#include "document/TranslationStatus.h"

namespace {

bool holds(const std::optional<QString> &value, const QString &text)
{
    return value && value->contains(text, Qt::CaseInsensitive);
}

} // namespace

bool UnitFilter::accepts(const UnitRecord &unit) const
{
    if (file && unit.from != file)
        return false;
    return acceptsStatus(unit) && acceptsText(unit);
}

bool UnitFilter::acceptsStatus(const UnitRecord &unit) const
{
    using S = TranslationStatus::Status;
    switch (status) {
    case Status::All:
        return true;
    case Status::Untranslated:
        return TranslationStatus::of(unit) == S::Untranslated;
    case Status::Translated:
        return TranslationStatus::of(unit) == S::Translated;
    case Status::NeedsReview:
        return TranslationStatus::of(unit) == S::NeedsReview;
    case Status::NotToTranslate:
        return !unit.translatable;
    case Status::WithProblems:
        return true;
    }
    return true;
}

bool UnitFilter::acceptsText(const UnitRecord &unit) const
{
    if (text.isEmpty())
        return true;
    return holds(unit.srcs, text) || holds(unit.tget, text) || holds(unit.name, text) ||
           holds(unit.note, text);
}

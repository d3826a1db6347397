#include "document/UnitFilter.h"

#include "document/TranslationStatus.h"

namespace {

bool holds(const std::optional<QString> &value, const QStringMatcher &matcher)
{
    return value && matcher.indexIn(*value) >= 0;
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
    const QStringMatcher &search = matcher();
    return holds(unit.srcs, search) || holds(unit.tget, search) || holds(unit.name, search) ||
           holds(unit.note, search);
}

const QStringMatcher &UnitFilter::matcher() const
{
    if (m_matcher.pattern() != text)
        m_matcher.setPattern(text);
    return m_matcher;
}

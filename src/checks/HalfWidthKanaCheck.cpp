#include "checks/HalfWidthKanaCheck.h"

#include <algorithm>

namespace {

/// The half-width katakana block, with its middle dot and sound marks.
bool isHalfWidthKana(QChar c)
{
    return c.unicode() >= 0xFF65 && c.unicode() <= 0xFF9F;
}

} // namespace

std::optional<Finding> HalfWidthKanaCheck::inspect(const CheckedUnit &unit) const
{
    if (!unit.languages.japaneseTarget())
        return std::nullopt;
    const QStringView target = unit.target;
    const auto first = std::find_if(target.begin(), target.end(), isHalfWidthKana);
    if (first == target.end())
        return std::nullopt;
    const auto last = std::find_if_not(first, target.end(), isHalfWidthKana);
    return tr("The target uses half-width katakana (%1).").arg(QStringView(first, last).toString());
}

#include "checks/MenuPeriodCheck.h"

std::optional<Finding> MenuPeriodCheck::inspect(const CheckedUnit &unit) const
{
    if (!unit.languages.japaneseTarget() || unit.record.part != u"NSMenuItem")
        return std::nullopt;
    if (!unit.target.trimmed().endsWith(u'。'))
        return std::nullopt;
    return tr("A menu item title ends with “。”.");
}

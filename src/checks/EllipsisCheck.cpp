#include "checks/EllipsisCheck.h"

namespace {

bool endsWithEllipsis(QStringView text, bool wide)
{
    text = text.trimmed();
    if (text.endsWith(u'…') || text.endsWith(u"..."))
        return true;
    return wide && (text.endsWith(u'⋯') || text.endsWith(u'‥') || text.endsWith(u"・・・"));
}

} // namespace

std::optional<Finding> EllipsisCheck::inspect(const CheckedUnit &unit) const
{
    if (!endsWithEllipsis(unit.source, false) || endsWithEllipsis(unit.target, true))
        return std::nullopt;
    return tr("The source ends with an ellipsis; the target does not.");
}

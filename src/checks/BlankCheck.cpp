#include "checks/BlankCheck.h"

namespace {

bool isBlank(QChar c)
{
    return c.isSpace() && c != u'\n' && c != u'\r' && c != QChar::LineSeparator &&
           c != QChar::ParagraphSeparator;
}

} // namespace

std::optional<Finding> BlankCheck::inspect(const CheckedUnit &unit) const
{
    const QStringView source = unit.source;
    const QStringView target = unit.target;
    const bool start = (!source.isEmpty() && isBlank(source.front())) != isBlank(target.front());
    const bool end = (!source.isEmpty() && isBlank(source.back())) != isBlank(target.back());
    if (start && end)
        return tr("The blanks at the start and at the end differ from the source's.");
    if (start)
        return tr("The blanks at the start differ from the source's.");
    if (end)
        return tr("The blanks at the end differ from the source's.");
    return std::nullopt;
}

#include "checks/LineBreakCheck.h"

namespace {

/// Line feeds, carriage returns not followed by one (CR LF is one break), and the Unicode
/// line and paragraph separators, which a text view breaks at too.
qsizetype breaks(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
            (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++count;
    }
    return count;
}

} // namespace

std::optional<Finding> LineBreakCheck::inspect(const CheckedUnit &unit) const
{
    const qsizetype source = breaks(unit.source);
    const qsizetype target = breaks(unit.target);
    if (source == target)
        return std::nullopt;
    return tr("Line breaks differ: %1 in the target, %2 in the source.").arg(target).arg(source);
}

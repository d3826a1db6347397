#include "checks/PunctuationCheck.h"

namespace {

/// The text without trailing blanks and the quotes or brackets that close it, so
/// `(Optional.)` and `“Done.”` end in a full stop.
QStringView body(QStringView text)
{
    static constexpr QStringView closers = u"\"'”’»)]」』）";
    text = text.trimmed();
    while (!text.isEmpty() && closers.contains(text.back()))
        text.chop(1);
    return text;
}

bool isEnding(QChar c, bool fullWidth)
{
    static constexpr QStringView ascii = u".!?:";
    static constexpr QStringView wide = u"。！？：";
    return ascii.contains(c) || (fullWidth && wide.contains(c));
}

bool endsWithEllipsis(QStringView text)
{
    return text.endsWith(u'…') || text.endsWith(u"...");
}

} // namespace

std::optional<QString> PunctuationCheck::inspect(const CheckedUnit &unit) const
{
    const QStringView source = body(unit.source);
    const QStringView target = body(unit.target);
    // An ellipsis is the ellipsis check's to judge.
    if (source.isEmpty() || target.isEmpty() || endsWithEllipsis(source) ||
        endsWithEllipsis(target))
        return std::nullopt;
    const bool sourceEnds = isEnding(source.back(), false);
    const bool targetEnds = isEnding(target.back(), unit.languages.fullWidthPunctuation());
    if (sourceEnds && !targetEnds)
        return tr("The source ends with “%1”; the target drops it.").arg(source.back());
    if (!sourceEnds && targetEnds)
        return tr("The target ends with “%1”; the source has no ending punctuation.")
            .arg(target.back());
    return std::nullopt;
}

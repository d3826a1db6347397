#include "checks/PunctuationCheck.h"

#include "checks/TextShape.h"

namespace {

/// The text without trailing blanks and the quotes or brackets that close it, so
/// `(Optional.)` and `“Done.”` end in a full stop.
QStringView body(QStringView text)
{
    static constexpr QStringView closers = u"\"'”’»)]」』）›";
    text = text.trimmed();
    while (!text.isEmpty() && closers.contains(text.back()))
        text.chop(1);
    return text;
}

/// The marks that end a sentence, a question, an exclamation or a label in the scripts
/// Xcode localises into: Latin, CJK full width (`。．！？：`), Arabic and Urdu (`؟ ۔`),
/// Devanagari (`। ॥`), Armenian (`։`), Greek (`;` U+037E and, in Greek, the ASCII `;`).
/// Hebrew uses the Latin marks; Spanish opens with `¿ ¡` but closes with the Latin ones.
bool isEnding(QChar c, bool greek)
{
    static constexpr QStringView marks = u".!?:。．！？：؟۔।॥։\u037E";
    return marks.contains(c) || (greek && c == u';');
}

/// Armenian marks a question or an exclamation on the stressed word (`՞ ՜`), not at the end.
bool marksOnWord(QStringView text)
{
    return text.contains(u'՞') || text.contains(u'՜');
}

bool endsWithEllipsis(QStringView text)
{
    return text.endsWith(u'…') || text.endsWith(u"...");
}

} // namespace

std::optional<Finding> PunctuationCheck::inspect(const CheckedUnit &unit) const
{
    const QStringView source = body(unit.source);
    const QStringView target = body(unit.target);
    // An ellipsis is the ellipsis check's to judge; a developer's key is no sentence.
    if (source.isEmpty() || target.isEmpty() || endsWithEllipsis(source) ||
        endsWithEllipsis(target) || TextShape::isDeveloperKey(source))
        return std::nullopt;
    const bool greek = unit.languages.greekTarget();
    const bool sourceEnds =
        isEnding(source.back(), false) && !TextShape::endsWithAbbreviation(source);
    const bool targetEnds = isEnding(target.back(), greek) || (sourceEnds && marksOnWord(target));
    if (sourceEnds && !targetEnds)
        return Finding(tr("The source ends with “%1”; the target drops it.").arg(source.back()));
    if (!sourceEnds && targetEnds && !isEnding(source.back(), false))
        return Finding(tr("The target ends with “%1”; the source has no ending punctuation.")
                           .arg(target.back()));
    return std::nullopt;
}

#include "checks/UnchangedCheck.h"

#include "checks/FormatSpecifier.h"

namespace {

/// The letters of the text outside its format specifiers (the `d` of `%d` is none).
QString lettersOf(QStringView text)
{
    QString letters;
    qsizetype from = 0;
    const auto take = [&](qsizetype end) {
        for (qsizetype i = from; i < end; ++i) {
            if (text[i].isLetter())
                letters.append(text[i]);
        }
    };
    for (const FormatSpecifier &specifier : FormatSpecifier::parse(text)) {
        const qsizetype start = specifier.written.data() - text.data();
        if (start < from)
            continue; // the `*` of a specifier already passed
        take(start);
        from = start + specifier.written.size();
    }
    take(text.size());
    return letters;
}

/// True when the source is words a translation would change: not symbols alone, nor an
/// acronym ("OK", "URL") or a unit ("km", "ft"), which most languages keep as they are.
bool hasWords(QStringView source)
{
    const QString letters = lettersOf(source);
    return letters.size() > 2 && letters != letters.toUpper();
}

} // namespace

std::optional<QString> UnchangedCheck::inspect(const CheckedUnit &unit) const
{
    if (!unit.languages.translates() || unit.target != unit.source || !hasWords(unit.source))
        return std::nullopt;
    return tr("The target is the same as the source.");
}

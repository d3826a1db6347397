#include "checks/UnchangedCheck.h"

#include "checks/FormatSpecifier.h"

namespace {

/// True when the text has a letter outside its format specifiers (the `d` of `%d` is none).
bool hasWords(QStringView text)
{
    qsizetype from = 0;
    const auto letterIn = [&](qsizetype end) {
        for (qsizetype i = from; i < end; ++i) {
            if (text[i].isLetter())
                return true;
        }
        return false;
    };
    for (const FormatSpecifier &specifier : FormatSpecifier::parse(text)) {
        const qsizetype start = specifier.written.data() - text.data();
        if (start < from)
            continue; // the `*` of a specifier already passed
        if (letterIn(start))
            return true;
        from = start + specifier.written.size();
    }
    return letterIn(text.size());
}

} // namespace

std::optional<QString> UnchangedCheck::inspect(const CheckedUnit &unit) const
{
    if (!unit.languages.translates() || unit.target != unit.source || !hasWords(unit.source))
        return std::nullopt;
    return tr("The target is the same as the source.");
}

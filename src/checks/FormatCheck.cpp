#include "checks/FormatCheck.h"

#include "checks/FormatSpecifier.h"
#include "checks/PluralVariant.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Specifiers = std::vector<FormatSpecifier>;

/// Removes from both lists the specifiers they share; what stays is what differs.
void dropShared(Specifiers &source, Specifiers &target)
{
    for (auto s = source.begin(); s != source.end();) {
        const auto t = std::find_if(target.begin(), target.end(),
                                    [&](const FormatSpecifier &x) { return x.sameArgument(*s); });
        if (t == target.end()) {
            ++s;
            continue;
        }
        target.erase(t);
        s = source.erase(s);
    }
}

/// True when the lists hold the same kinds of arguments, ignoring their places.
bool sameKinds(Specifiers source, Specifiers target)
{
    for (auto *list : {&source, &target}) {
        for (FormatSpecifier &specifier : *list)
            specifier.position = 0;
    }
    dropShared(source, target);
    return source.empty() && target.empty();
}

QString written(const Specifiers &specifiers)
{
    QStringList texts;
    for (const FormatSpecifier &specifier : specifiers) {
        const QString text = specifier.written.toString();
        if (!texts.contains(text))
            texts.append(text);
    }
    return texts.join(u", "_s);
}

/// True when the unit is the plural variant for one count alone (English `one`), whose text
/// may spell the number out: "One file" for "%d files".
bool spellsOutItsCount(const CheckedUnit &unit)
{
    if (!unit.record.name)
        return false;
    const std::optional<PluralVariant> variant = PluralVariant::of(*unit.record.name);
    return variant && unit.languages.plurals().isSingleCount(variant->category);
}

} // namespace

std::optional<QString> FormatCheck::inspect(const CheckedUnit &unit) const
{
    if (!unit.source.contains(u'%') && !unit.target.contains(u'%'))
        return std::nullopt;
    Specifiers source = FormatSpecifier::parse(unit.source);
    Specifiers target = FormatSpecifier::parse(unit.target);
    const bool targetNumbered = std::any_of(target.begin(), target.end(),
                                            [](const FormatSpecifier &s) { return s.numbered; });
    dropShared(source, target);
    if (source.empty() && target.empty())
        return std::nullopt;
    if (!targetNumbered && !source.empty() && sameKinds(source, target))
        return tr("The target changes the order of the format specifiers without numbering "
                  "them; write them with positions, such as %1$@ and %2$d.");
    if (target.empty() && spellsOutItsCount(unit))
        return std::nullopt;
    if (target.empty())
        return tr("The target lacks %1, which the source has.").arg(written(source));
    if (source.empty())
        return tr("The target has %1, which the source lacks.").arg(written(target));
    return tr("The target has %1 where the source has %2.").arg(written(target), written(source));
}

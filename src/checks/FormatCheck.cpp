#include "checks/FormatCheck.h"

#include "checks/FormatSpecifier.h"
#include "checks/Placeholders.h"
#include "checks/PluralVariant.h"

#include <QHash>
#include <QSet>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

using Specifiers = std::vector<FormatSpecifier>;
using KeyOf = QString (FormatSpecifier::*)() const;

/// What is left of each list once the specifiers they share (as multisets, by `keyOf`) are
/// taken out; in linear time, so a unit with 100,000 specifiers is compared at once.
std::pair<Specifiers, Specifiers> unshared(const Specifiers &source, const Specifiers &target,
                                           KeyOf keyOf)
{
    QHash<QString, qsizetype> inSource;
    for (const FormatSpecifier &specifier : source)
        ++inSource[(specifier.*keyOf)()];
    QHash<QString, qsizetype> inTarget;
    Specifiers targetLeft;
    for (const FormatSpecifier &specifier : target) {
        const QString key = (specifier.*keyOf)();
        qsizetype &left = inSource[key];
        if (left > 0) {
            --left;
            ++inTarget[key];
        } else {
            targetLeft.push_back(specifier);
        }
    }
    Specifiers sourceLeft;
    for (const FormatSpecifier &specifier : source) {
        qsizetype &matched = inTarget[(specifier.*keyOf)()];
        if (matched > 0)
            --matched;
        else
            sourceLeft.push_back(specifier);
    }
    return {std::move(sourceLeft), std::move(targetLeft)};
}

Specifiers withoutPositions(Specifiers specifiers)
{
    for (FormatSpecifier &specifier : specifiers)
        specifier.position = 0;
    return specifiers;
}

/// True when the lists hold the same kinds of arguments, ignoring their places.
bool sameKinds(const Specifiers &source, const Specifiers &target)
{
    const auto [sourceLeft, targetLeft] =
        unshared(withoutPositions(source), withoutPositions(target), &FormatSpecifier::key);
    return sourceLeft.empty() && targetLeft.empty();
}

/// The distinct texts of the specifiers, the first few of them: a message names the fault,
/// it does not list a hundred thousand specifiers.
QString written(const Specifiers &specifiers)
{
    constexpr qsizetype shown = 5;
    QStringList texts;
    QSet<QStringView> seen;
    for (const FormatSpecifier &specifier : specifiers) {
        if (seen.contains(specifier.written))
            continue;
        if (texts.size() == shown)
            return texts.join(u", "_s) + u", …"_s;
        seen.insert(specifier.written);
        texts.append(specifier.written.toString());
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

/// A lone `%` in a target whose source writes every percent sign as `%%`: `String(format:)`
/// reads it as the start of a specifier.
std::optional<Finding> lonePercent(const FormatSpecifier::Scan &source,
                                   const FormatSpecifier::Scan &target, QStringView targetText)
{
    const bool escapes =
        source.lonePercents == 0 && (source.escapedPercents > 0 || !source.specifiers.empty());
    if (!escapes || target.lonePercents == 0)
        return std::nullopt;
    if (targetText.endsWith(u'%') && !targetText.endsWith(u"%%"))
        return Finding(FormatCheck::tr("The target ends with a lone %; write %% for a percent "
                                       "sign in a format string."));
    return Finding(FormatCheck::tr("The target has a lone % where the source writes %%; write "
                                   "%% for a percent sign in a format string."));
}

std::optional<Finding> placeholders(QStringView source, QStringView target)
{
    const auto [lacking, extra] = Placeholders::compare(source, target);
    if (!lacking.isEmpty())
        return Finding(FormatCheck::tr("The target lacks %1, which the source has.")
                           .arg(lacking.join(u", "_s)));
    if (!extra.isEmpty())
        return Finding(
            FormatCheck::tr("The target has %1, which the source lacks.").arg(extra.join(u", "_s)));
    return std::nullopt;
}

std::optional<Finding> specifiers(const CheckedUnit &unit, const Specifiers &source,
                                  const Specifiers &target)
{
    const auto [sourceLeft, targetLeft] = unshared(source, target, &FormatSpecifier::key);
    if (sourceLeft.empty() && targetLeft.empty())
        return std::nullopt;
    const bool targetNumbered = std::any_of(target.begin(), target.end(),
                                            [](const FormatSpecifier &s) { return s.numbered; });
    if (!targetNumbered && !sourceLeft.empty() && sameKinds(sourceLeft, targetLeft))
        return Finding(FormatCheck::tr("The target changes the order of the format specifiers "
                                       "without numbering them; write them with positions, "
                                       "such as %1$@ and %2$d."));
    const auto [looseSource, looseTarget] = unshared(source, target, &FormatSpecifier::looseKey);
    if (looseSource.empty() && looseTarget.empty())
        return Finding(FormatCheck::tr("The target writes %1 where the source has %2; both "
                                       "print alike.")
                           .arg(written(targetLeft), written(sourceLeft)),
                       Problem::Severity::Warning);
    // A variant for one count alone may spell its count out, but keeps every other argument.
    if (targetLeft.empty() && sourceLeft.size() == 1 && sourceLeft.front().isInteger() &&
        spellsOutItsCount(unit))
        return std::nullopt;
    if (targetLeft.empty())
        return Finding(
            FormatCheck::tr("The target lacks %1, which the source has.").arg(written(sourceLeft)));
    if (sourceLeft.empty())
        return Finding(
            FormatCheck::tr("The target has %1, which the source lacks.").arg(written(targetLeft)));
    return Finding(FormatCheck::tr("The target has %1 where the source has %2.")
                       .arg(written(targetLeft), written(sourceLeft)));
}

} // namespace

std::optional<Finding> FormatCheck::inspect(const CheckedUnit &unit) const
{
    if (auto found = placeholders(unit.source, unit.target))
        return found;
    if (!unit.source.contains(u'%') && !unit.target.contains(u'%'))
        return std::nullopt;
    const FormatSpecifier::Scan source = FormatSpecifier::scan(unit.source);
    const FormatSpecifier::Scan target = FormatSpecifier::scan(unit.target);
    if (auto found = specifiers(unit, source.specifiers, target.specifiers))
        return found;
    return lonePercent(source, target, unit.target);
}

#include "splice/PositionalSplicer.h"

#include "xliff/MarkupText.h"
#include "xliff/StateAttribute.h"

using namespace Qt::StringLiterals;

namespace {

/// What the unit's source line is indented with, and how lines end; nothing when the
/// source does not start a line of its own.
std::optional<QString> lineLead(QStringView text, qsizetype elementBegin)
{
    qsizetype start = elementBegin;
    while (start > 0 && (text[start - 1] == u' ' || text[start - 1] == u'\t'))
        --start;
    if (start == 0 || text[start - 1] != u'\n')
        return std::nullopt;
    const bool crlf = start >= 2 && text[start - 2] == u'\r';
    return (crlf ? u"\r\n"_s : u"\n"_s) + text.sliced(start, elementBegin - start).toString();
}

/// The state the written target carries; nothing for a start tag left as it is.
std::optional<QString> writtenState(std::optional<QStringView> fileState, const UnitRecord &row,
                                    bool statesUsed)
{
    if (fileState) {
        // Reached with the row's own state only when the text changed.
        if (row.state && *row.state != *fileState)
            return *row.state;
        return StateAttribute::translated.toString();
    }
    if (row.state && (statesUsed || *row.state == StateAttribute::needsReview))
        return *row.state;
    return std::nullopt;
}

QString filledTarget(QStringView text, const UnitLayout::Element &target, const QString &value,
                     const UnitRecord &row, bool statesUsed)
{
    QStringView open =
        text.sliced(target.startTag.begin, target.startTag.end - target.startTag.begin);
    if (target.empty)
        open = open.chopped(2); // "/>"
    else
        open = open.chopped(1); // ">"
    const auto state = writtenState(StateAttribute::valueIn(open), row, statesUsed);
    const QString tag = state ? StateAttribute::withValue(open, *state) : open.toString();
    return tag + u'>' + value + u"</target>"_s;
}

/// The edit that takes the unit's target out with the line it stands on, as a unit without
/// a target is written: what a row without a target asks of a unit that has one (a target
/// typed, saved and then undone). Nothing when the unit has no target.
std::optional<TextEdit> removal(QStringView text, const UnitLayout &unit)
{
    if (!unit.target)
        return std::nullopt;
    const UnitLayout::Range whole = unit.target->whole;
    const std::optional<QString> lead = lineLead(text, whole.begin);
    const qsizetype from = lead ? whole.begin - lead->size() : whole.begin;
    return TextEdit{from, whole.end - from, QString()};
}

} // namespace

std::optional<TextEdit> PositionalSplicer::targetEdit(QStringView text, const UnitLayout &unit,
                                                      const UnitRecord &row, bool statesUsed)
{
    if (!row.tget)
        return removal(text, unit);
    const QString value = MarkupText::escapeText(*row.tget);
    if (unit.target) {
        const UnitLayout::Range whole = unit.target->whole;
        return TextEdit{whole.begin, whole.end - whole.begin,
                        filledTarget(text, *unit.target, value, row, statesUsed)};
    }
    const UnitLayout::Range after = unit.source ? unit.source->whole : unit.startTag;
    const auto state = writtenState(std::nullopt, row, statesUsed);
    const QString open = state ? StateAttribute::withValue(u"<target", *state) : u"<target"_s;
    const QString element = open + u'>' + value + u"</target>"_s;
    if (!unit.source) {
        return TextEdit{after.end, 0, element};
    }
    const auto lead = lineLead(text, unit.source->whole.begin);
    return TextEdit{after.end, 0, lead.value_or(QString()) + element};
}

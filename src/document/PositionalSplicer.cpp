#include "document/PositionalSplicer.h"

#include "document/MarkupText.h"

using namespace Qt::StringLiterals;

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

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

QString filledTarget(QStringView text, const UnitLayout::Element &target, const QString &value)
{
    QStringView open =
        text.sliced(target.startTag.begin, target.startTag.end - target.startTag.begin);
    if (target.empty)
        open = open.chopped(2); // "/>"
    else
        open = open.chopped(1); // ">"
    return PositionalSplicer::withTranslatedState(open) + u'>' + value + u"</target>"_s;
}

} // namespace

std::optional<TextEdit> PositionalSplicer::targetEdit(QStringView text, const UnitLayout &unit,
                                                      const UnitRecord &row)
{
    if (!row.tget)
        return std::nullopt;
    const QString value = MarkupText::escapeText(*row.tget);
    if (unit.target) {
        const UnitLayout::Range whole = unit.target->whole;
        return TextEdit{whole.begin, whole.end - whole.begin,
                        filledTarget(text, *unit.target, value)};
    }
    const UnitLayout::Range after = unit.source ? unit.source->whole : unit.startTag;
    const QString element = u"<target>"_s + value + u"</target>"_s;
    if (!unit.source) {
        return TextEdit{after.end, 0, element};
    }
    const auto lead = lineLead(text, unit.source->whole.begin);
    return TextEdit{after.end, 0, lead.value_or(QString()) + element};
}

QString PositionalSplicer::withTranslatedState(QStringView startTag)
{
    // Attribute names stand after white space; find " state=" with either quote.
    for (qsizetype at = startTag.indexOf(u"state"); at >= 0;
         at = startTag.indexOf(u"state", at + 1)) {
        if (at == 0 || !startTag[at - 1].isSpace())
            continue;
        qsizetype i = at + 5;
        if (i < startTag.size() && isNameChar(startTag[i]))
            continue;
        while (i < startTag.size() && startTag[i].isSpace())
            ++i;
        if (i >= startTag.size() || startTag[i] != u'=')
            continue;
        ++i;
        while (i < startTag.size() && startTag[i].isSpace())
            ++i;
        if (i >= startTag.size() || (startTag[i] != u'"' && startTag[i] != u'\''))
            continue;
        const QChar quote = startTag[i];
        const qsizetype close = startTag.indexOf(quote, i + 1);
        if (close < 0)
            break;
        return startTag.first(i + 1).toString() + u"translated"_s +
               startTag.sliced(close).toString();
    }
    return startTag.toString();
}

#include "document/NoteParts.h"

namespace {

bool isKeyChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'.';
}

} // namespace

QList<NoteParts::Part> NoteParts::split(QStringView note)
{
    // key = "value"; repeated. Values hold no quotes in what Interface Builder writes;
    // any other text makes the note one that is shown as it is.
    QList<Part> parts;
    qsizetype at = 0;
    const auto skipBlanks = [&] {
        while (at < note.size() && note[at].isSpace())
            ++at;
    };
    skipBlanks();
    while (at < note.size()) {
        const qsizetype keyBegin = at;
        while (at < note.size() && isKeyChar(note[at]))
            ++at;
        if (at == keyBegin)
            return {};
        const QString key = note.sliced(keyBegin, at - keyBegin).toString();
        skipBlanks();
        if (at >= note.size() || note[at] != u'=')
            return {};
        ++at;
        skipBlanks();
        if (at >= note.size() || note[at] != u'"')
            return {};
        const qsizetype close = note.indexOf(u'"', at + 1);
        if (close < 0)
            return {};
        parts.append({key, note.sliced(at + 1, close - at - 1).toString()});
        at = close + 1;
        skipBlanks();
        if (at < note.size() && note[at] == u';')
            ++at;
        skipBlanks();
    }
    return parts;
}

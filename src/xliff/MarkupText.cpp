#include "xliff/MarkupText.h"

using namespace Qt::StringLiterals;

namespace {

/// The reference a character is written as, or an empty view for one written as it is.
QStringView reference(char16_t c, bool quotes)
{
    switch (c) {
    case u'&':
        return u"&amp;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    case u'"':
        return quotes ? u"&quot;" : QStringView();
    case u'\r':
        // Parsers turn a carriage return in the text into a line feed; as a reference it
        // reads back as typed. Line feeds and tabs are written as they are.
        return u"&#13;";
    default:
        return {};
    }
}

QString escaped(QStringView text, bool quotes)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    // Runs of characters written as they are are copied whole.
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView written = reference(text[i].unicode(), quotes);
        if (written.isEmpty())
            continue;
        out.append(text.sliced(run, i - run)).append(written);
        run = i + 1;
    }
    out.append(text.sliced(run));
    return out;
}

void appendCodePoint(QString &out, char32_t code)
{
    if (code == 0 || code > 0x10FFFF)
        return;
    out += QString::fromUcs4(&code, 1);
}

/// Resolves the reference that starts at `at` (an '&'); returns where reading goes on.
qsizetype appendReference(QString &out, QStringView markup, qsizetype at)
{
    const qsizetype end = markup.indexOf(u';', at);
    if (end < 0) {
        out += markup.sliced(at);
        return markup.size();
    }
    const QStringView name = markup.sliced(at + 1, end - at - 1);
    if (name == u"amp")
        out += u'&';
    else if (name == u"lt")
        out += u'<';
    else if (name == u"gt")
        out += u'>';
    else if (name == u"quot")
        out += u'"';
    else if (name == u"apos")
        out += u'\'';
    else if (name.startsWith(u"#x"))
        appendCodePoint(out, name.sliced(2).toUInt(nullptr, 16));
    else if (name.startsWith(u'#'))
        appendCodePoint(out, name.sliced(1).toUInt(nullptr, 10));
    else
        out += markup.sliced(at, end - at + 1);
    return end + 1;
}

} // namespace

QString MarkupText::escapeText(QStringView text)
{
    return escaped(text, false);
}

std::optional<char32_t> MarkupText::unwritableCharacter(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        const bool control = c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
        if (control || c == 0xFFFE || c == 0xFFFF || QChar::isSurrogate(c))
            return c;
    }
    return std::nullopt;
}

QString MarkupText::escapeAttribute(QStringView text)
{
    return escaped(text, true);
}

QString MarkupText::decode(QStringView markup)
{
    static constexpr QStringView cdataOpen = u"<![CDATA[";
    QString out;
    out.reserve(markup.size());
    qsizetype i = 0;
    while (i < markup.size()) {
        const QChar c = markup[i];
        if (c == u'&') {
            i = appendReference(out, markup, i);
        } else if (c == u'<' && markup.sliced(i).startsWith(cdataOpen)) {
            const qsizetype close = markup.indexOf(u"]]>", i);
            const qsizetype end = close < 0 ? markup.size() : close;
            out += markup.sliced(i + cdataOpen.size(), end - i - cdataOpen.size());
            i = close < 0 ? end : end + 3;
        } else if (c == u'<') {
            const qsizetype close = markup.indexOf(u'>', i);
            i = close < 0 ? markup.size() : close + 1;
        } else if (c == u'\r') {
            out += u'\n';
            i += (i + 1 < markup.size() && markup[i + 1] == u'\n') ? 2 : 1;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

#include "splice/SplicePatterns.h"

#include "xliff/MarkupText.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView insertion =
    uR"(\s+<source>.*?</source>(\n)[^<]+(<note>[^<]+</note>[^<]+)?</trans-unit>)";
constexpr QStringView update =
    uR"(\s+<source>.*?</source>[^<]+(<note>([^<]+)</note>[^<]+)*(<target>(.*?)</target>)*[^<]*(<note>(.*?)</note>[^<]+)*)";

QString patternHead(QStringView id)
{
    return u"<trans-unit id=\""_s + SplicePatterns::flip(SplicePatterns::patternEscape(id)) +
           u"\" xml:space=\"preserve\">"_s;
}

} // namespace

QString SplicePatterns::patternEscape(QStringView id)
{
    static constexpr QStringView special = u"[]?()-+*{}^$.|";
    QString out;
    out.reserve(id.size() + 8);
    for (const QChar c : id) {
        if (c == u'\\' || special.contains(c))
            out += u'\\';
        out += c;
    }
    return out;
}

QString SplicePatterns::flip(QStringView id)
{
    return MarkupText::escapeAttribute(id);
}

QString SplicePatterns::startTag(QStringView id)
{
    return u"<trans-unit id=\""_s + flip(id) + u"\" xml:space=\"preserve\">"_s;
}

QString SplicePatterns::insertionPattern(QStringView id)
{
    return patternHead(id) + insertion.toString();
}

QString SplicePatterns::updatePattern(QStringView id)
{
    return patternHead(id) + update.toString();
}

QStringView SplicePatterns::insertionTail()
{
    return insertion;
}

QStringView SplicePatterns::updateTail()
{
    return update;
}

QString SplicePatterns::targetLine(QStringView escapedValue)
{
    return u"\n        <target>"_s + escapedValue.toString() + u"</target>\n"_s;
}

#include "xliff/StateAttribute.h"

#include "xliff/MarkupText.h"

using namespace Qt::StringLiterals;

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

/// Where the quoted value of ` state=` stands in the tag: from after its opening quote to
/// its closing quote; nothing when the tag has no such attribute.
std::optional<std::pair<qsizetype, qsizetype>> valueRange(QStringView tag)
{
    // Attribute names stand after white space; "xstate" and "state-qualifier" are others.
    for (qsizetype at = tag.indexOf(u"state"); at >= 0; at = tag.indexOf(u"state", at + 1)) {
        if (at == 0 || !tag[at - 1].isSpace())
            continue;
        qsizetype i = at + 5;
        if (i < tag.size() && isNameChar(tag[i]))
            continue;
        while (i < tag.size() && tag[i].isSpace())
            ++i;
        if (i >= tag.size() || tag[i] != u'=')
            continue;
        ++i;
        while (i < tag.size() && tag[i].isSpace())
            ++i;
        if (i >= tag.size() || (tag[i] != u'"' && tag[i] != u'\''))
            continue;
        const qsizetype close = tag.indexOf(tag[i], i + 1);
        if (close < 0)
            return std::nullopt;
        return std::pair(i + 1, close);
    }
    return std::nullopt;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

std::optional<QStringView> StateAttribute::valueIn(QStringView startTag)
{
    const auto range = valueRange(startTag);
    if (!range)
        return std::nullopt;
    return startTag.sliced(range->first, range->second - range->first);
}

QString StateAttribute::withValue(QStringView startTag, QStringView value)
{
    const QString escaped = MarkupText::escapeAttribute(value);
    if (const auto range = valueRange(startTag))
        return startTag.first(range->first).toString() + escaped +
               startTag.sliced(range->second).toString();
    QStringView head = startTag;
    while (!head.isEmpty() && head.back().isSpace())
        head.chop(1);
    return head.toString() + u" state=\""_s + escaped + u'"' +
           startTag.sliced(head.size()).toString();
}

bool StateAttribute::usedIn(QByteArrayView fileBytes)
{
    static constexpr QByteArrayView open = "<target";
    for (qsizetype at = fileBytes.indexOf(open); at >= 0;
         at = fileBytes.indexOf(open, at + open.size())) {
        const qsizetype after = at + open.size();
        if (after >= fileBytes.size() || !isSpace(fileBytes[after]))
            continue;
        const qsizetype end = fileBytes.indexOf('>', after);
        if (end < 0)
            return false;
        if (valueIn(QString::fromUtf8(fileBytes.sliced(at, end - at))))
            return true;
    }
    return false;
}

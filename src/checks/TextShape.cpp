#include "checks/TextShape.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isKeyChar(QChar c)
{
    return (c.unicode() < 0x80 && c.isLetterOrNumber()) || c == u'_' || c == u'.' || c == u'-';
}

bool isVowel(QChar c)
{
    static constexpr QStringView vowels = u"aeiouyAEIOUY";
    return vowels.contains(c);
}

bool isCommonAbbreviation(QStringView word)
{
    static constexpr QStringView common[] = {
        u"approx", u"avg",  u"ca",   u"dept", u"dia", u"est",  u"etc", u"ex",  u"excl",
        u"fig",    u"incl", u"info", u"max",  u"min", u"misc", u"no",  u"num", u"opt",
        u"orig",   u"ref",  u"sec",  u"temp", u"tot", u"vol",  u"vs",  u"wk",  u"yr"};
    for (const QStringView abbreviation : common) {
        if (word.compare(abbreviation, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

bool TextShape::isDeveloperKey(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), isKeyChar))
        return false;
    const bool hasLetter =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    return hasLetter && (text.contains(u'_') || text.count(u'.') >= 2);
}

bool TextShape::endsWithAbbreviation(QStringView text)
{
    text = text.trimmed();
    if (!text.endsWith(u'.') || text.endsWith(u".."))
        return false;
    const QStringView head = text.chopped(1);
    qsizetype start = head.size();
    while (start > 0 && head[start - 1].isLetter())
        --start;
    const QStringView word = head.sliced(start);
    if (word.isEmpty() || word.size() > 6)
        return false;
    // An acronym in capitals ("GSAK.") may end a sentence; "Hdg." or "Lv." does not.
    const bool latin =
        std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x250; });
    const bool capitals = word.size() > 1 && word.toString().isUpper();
    return isCommonAbbreviation(word) || (latin && !capitals && word.size() <= 4 &&
                                          std::none_of(word.begin(), word.end(), isVowel));
}

bool TextShape::isCopyright(QStringView text)
{
    static const QRegularExpression mark(uR"((?:©|\([cC]\))\s*\d{4})"_s);
    const QStringView trimmed = text.trimmed();
    return trimmed.startsWith(u"Copyright", Qt::CaseInsensitive) || trimmed.contains(u'©') ||
           mark.match(trimmed).hasMatch();
}

QString TextShape::withoutAddresses(QStringView text)
{
    // A scheme and what follows up to a blank; a mail address; a bare domain name.
    static const QRegularExpression address(
        uR"([A-Za-z][A-Za-z0-9+.-]*://[^\s)\]>"]*|[\w.+-]+@[\w-]+(?:\.[\w-]+)+|\b(?:www\.)?[\w-]+(?:\.[\w-]+)*\.(?:com|org|net|io|dev|app|pro|me|cz|de|fr|jp|uk|co|info|edu|gov)\b)"_s);
    return text.toString().remove(address);
}

#include "checks/MarkupCheck.h"

#include <QHash>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Tag
{
    QString name; ///< lower case
    enum class Kind
    {
        Open,
        Close,
        Single ///< `<br>`, `<img …>` or `<x/>`
    } kind;
    QStringView written;
};

bool isVoid(const QString &name)
{
    return name == u"br" || name == u"img" || name == u"hr";
}

bool isNameChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-';
}

/// The tags of `text`: `<`, an optional `/`, a name that starts with a letter, then anything
/// up to the next `>` that holds no `<`. One pass: the next `>` is looked for only when the
/// last one found lies behind, so a million `<` before one `>` cost a million steps.
std::vector<Tag> tagsOf(QStringView text)
{
    std::vector<Tag> tags;
    qsizetype close = -1; ///< the first `>` at or after the current name, once looked for
    for (qsizetype open = text.indexOf(u'<'); open >= 0;) {
        const qsizetype nextOpen = text.indexOf(u'<', open + 1);
        qsizetype i = open + 1;
        const bool closing = i < text.size() && text[i] == u'/';
        i += closing ? 1 : 0;
        const bool named = i < text.size() && text[i].isLetter() && text[i].unicode() <= 0x7F;
        const qsizetype nameStart = i;
        while (named && i < text.size() && isNameChar(text[i]))
            ++i;
        if (named && close < i)
            close = text.indexOf(u'>', i);
        if (named && close < 0)
            break;
        const bool holdsOpen = nextOpen >= 0 && nextOpen < close;
        const QStringView rest = named ? text.sliced(i, close - i) : QStringView();
        if (named && !holdsOpen && (rest.isEmpty() || rest.front().isSpace() || rest == u"/")) {
            Tag tag{text.sliced(nameStart, i - nameStart).toString().toLower(), Tag::Kind::Open,
                    text.sliced(open, close + 1 - open)};
            if (closing)
                tag.kind = Tag::Kind::Close;
            else if (rest.endsWith(u'/') || isVoid(tag.name))
                tag.kind = Tag::Kind::Single;
            tags.push_back(std::move(tag));
        }
        open = nextOpen;
    }
    return tags;
}

QString keyOf(const Tag &tag)
{
    return tag.name + QChar(u'0' + int(tag.kind));
}

/// The first source tag the target lacks, and the first target tag the source lacks, as
/// multisets: each source tag takes the first like tag of the target not taken yet.
std::pair<const Tag *, const Tag *> unmatched(const std::vector<Tag> &source,
                                              const std::vector<Tag> &target)
{
    QHash<QString, qsizetype> inTarget;
    for (const Tag &tag : target)
        ++inTarget[keyOf(tag)];
    QHash<QString, qsizetype> inSource;
    const Tag *lacking = nullptr;
    for (const Tag &tag : source) {
        const QString key = keyOf(tag);
        ++inSource[key];
        if (!lacking && inSource[key] > inTarget.value(key))
            lacking = &tag;
    }
    QHash<QString, qsizetype> seen;
    for (const Tag &tag : target) {
        const QString key = keyOf(tag);
        if (++seen[key] > inSource.value(key))
            return {lacking, &tag};
    }
    return {lacking, nullptr};
}

/// True when every opened tag is closed in order.
bool balanced(const std::vector<Tag> &tags)
{
    QStringList open;
    for (const Tag &tag : tags) {
        if (tag.kind == Tag::Kind::Open)
            open.append(tag.name);
        else if (tag.kind == Tag::Kind::Close && (open.isEmpty() || open.takeLast() != tag.name))
            return false;
    }
    return open.isEmpty();
}

} // namespace

std::optional<Finding> MarkupCheck::inspect(const CheckedUnit &unit) const
{
    if (!unit.source.contains(u'<'))
        return std::nullopt;
    const std::vector<Tag> source = tagsOf(unit.source);
    // Unbalanced angle brackets in the source (`Tap <Start>`) are text, not markup.
    if (source.empty() || !balanced(source))
        return std::nullopt;
    const std::vector<Tag> target = tagsOf(unit.target);
    const auto [lacking, extra] = unmatched(source, target);
    if (lacking)
        return Finding(tr("The target lacks the tag %1 of the source.").arg(lacking->written));
    if (extra)
        return Finding(
            tr("The target has the tag %1, which the source lacks.").arg(extra->written));
    if (!balanced(target))
        return tr("The target's tags are not closed in the order they were opened.");
    return std::nullopt;
}

#include "checks/MarkupCheck.h"

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

    bool operator==(const Tag &other) const { return name == other.name && kind == other.kind; }
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
/// up to the next `>` that holds no `<`.
std::vector<Tag> tagsOf(QStringView text)
{
    std::vector<Tag> tags;
    for (qsizetype open = text.indexOf(u'<'); open >= 0; open = text.indexOf(u'<', open + 1)) {
        qsizetype i = open + 1;
        const bool closing = i < text.size() && text[i] == u'/';
        i += closing ? 1 : 0;
        if (i >= text.size() || !text[i].isLetter() || text[i].unicode() > 0x7F)
            continue;
        const qsizetype nameStart = i;
        while (i < text.size() && isNameChar(text[i]))
            ++i;
        const qsizetype end = text.indexOf(u'>', i);
        if (end < 0)
            break;
        const QStringView rest = text.sliced(i, end - i);
        if (rest.contains(u'<') || (!rest.isEmpty() && !rest.front().isSpace() && rest != u"/"))
            continue;
        Tag tag{text.sliced(nameStart, i - nameStart).toString().toLower(), Tag::Kind::Open,
                text.sliced(open, end + 1 - open)};
        if (closing)
            tag.kind = Tag::Kind::Close;
        else if (rest.endsWith(u'/') || isVoid(tag.name))
            tag.kind = Tag::Kind::Single;
        tags.push_back(std::move(tag));
    }
    return tags;
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

std::optional<QString> MarkupCheck::inspect(const CheckedUnit &unit) const
{
    if (!unit.source.contains(u'<'))
        return std::nullopt;
    const std::vector<Tag> source = tagsOf(unit.source);
    // Unbalanced angle brackets in the source (`Tap <Start>`) are text, not markup.
    if (source.empty() || !balanced(source))
        return std::nullopt;
    std::vector<Tag> target = tagsOf(unit.target);
    for (const Tag &tag : source) {
        const auto found = std::find(target.begin(), target.end(), tag);
        if (found == target.end())
            return tr("The target lacks the tag %1 of the source.").arg(tag.written);
        target.erase(found);
    }
    if (!target.empty())
        return tr("The target has the tag %1, which the source lacks.").arg(target.front().written);
    if (!balanced(tagsOf(unit.target)))
        return tr("The target's tags are not closed in the order they were opened.");
    return std::nullopt;
}

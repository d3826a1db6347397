#include "checks/Placeholders.h"

#include <QHash>
#include <QSet>

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'.';
}

/// The placeholders of `list` that `other` does not account for.
QStringList unmatched(const QStringList &list, const QStringList &other)
{
    QHash<QString, qsizetype> available;
    for (const QString &placeholder : other)
        ++available[placeholder];
    QStringList left;
    QSet<QString> named;
    for (const QString &placeholder : list) {
        qsizetype &count = available[placeholder];
        if (count > 0) {
            --count;
        } else if (!named.contains(placeholder)) {
            named.insert(placeholder);
            left.append(placeholder);
        }
    }
    return left;
}

} // namespace

QStringList Placeholders::of(QStringView text)
{
    QStringList found;
    for (qsizetype at = text.indexOf(u"${"); at >= 0; at = text.indexOf(u"${", at + 2)) {
        qsizetype i = at + 2;
        while (i < text.size() && isNameChar(text[i]))
            ++i;
        if (i > at + 2 && i < text.size() && text[i] == u'}')
            found.append(text.sliced(at, i + 1 - at).toString());
    }
    return found;
}

std::pair<QStringList, QStringList> Placeholders::compare(QStringView source, QStringView target)
{
    if (!source.contains(u"${") && !target.contains(u"${"))
        return {};
    const QStringList inSource = of(source);
    const QStringList inTarget = of(target);
    return {unmatched(inSource, inTarget), unmatched(inTarget, inSource)};
}

#include "memory/LanguageTag.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace LanguageTag {

QString normalized(QStringView tag)
{
    QString text = tag.trimmed().toString();
    text.replace(u'_', u'-');
    QStringList parts = text.split(u'-', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString &part = parts[i];
        part = part.toLower();
        // After the language: four letters are a script, two letters a region.
        if (i == 0)
            continue;
        if (part.size() == 4 && part.front().isLetter())
            part[0] = part[0].toUpper();
        else if (part.size() == 2 && part.front().isLetter())
            part = part.toUpper();
    }
    return parts.join(u'-');
}

QString language(QStringView tag)
{
    const QString whole = normalized(tag);
    const qsizetype dash = whole.indexOf(u'-');
    return dash < 0 ? whole : whole.left(dash);
}

bool same(QStringView a, QStringView b)
{
    return normalized(a) == normalized(b);
}

} // namespace LanguageTag

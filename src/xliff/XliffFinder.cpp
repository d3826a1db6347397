#include "xliff/XliffFinder.h"

#include <QDir>
#include <QDirIterator>

using namespace Qt::StringLiterals;

QString XliffFinder::pathExtension(const QString &path)
{
    QStringView trimmed(path);
    while (trimmed.size() > 1 && trimmed.endsWith(u'/'))
        trimmed.chop(1);
    const QStringView component = trimmed.mid(trimmed.lastIndexOf(u'/') + 1);
    const qsizetype dot = component.lastIndexOf(u'.');
    if (dot < 0)
        return {};
    return component.mid(dot + 1).toString();
}

bool XliffFinder::isXliffPath(const QString &path)
{
    return pathExtension(path) == u"xliff"_s;
}

QStringList XliffFinder::find(const QString &folder)
{
    const QDir root(folder);
    if (!QFileInfo(folder).isDir() || !root.isReadable())
        return {};

    QStringList found;
    // No FollowSymlinks: a link is reported as an entry but never walked into.
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        if (!isXliffPath(entry))
            continue;
        // The folder as given, then the path inside it: relativeFilePath() would return a
        // relative entry unchanged, so a relative folder would appear twice.
        found.append(folder + u'/' + root.relativeFilePath(it.fileInfo().absoluteFilePath()));
    }
    found.sort();
    return found;
}

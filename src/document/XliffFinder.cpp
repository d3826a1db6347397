#include "document/XliffFinder.h"

#include <QDir>
#include <QDirIterator>

using namespace Qt::StringLiterals;

bool XliffFinder::hasXliffExtension(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > slash + 1 && QStringView(path).sliced(dot + 1) == u"xliff";
}

QStringList XliffFinder::findBelow(const QString &folder)
{
    const QDir root(folder);
    QStringList relative;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (hasXliffExtension(path))
            relative.append(root.relativeFilePath(path));
    }
    relative.sort();
    QStringList found;
    found.reserve(relative.size());
    for (const QString &path : std::as_const(relative))
        found.append(folder + u'/' + path);
    return found;
}

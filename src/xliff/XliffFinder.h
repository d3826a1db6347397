#pragma once

#include <QString>
#include <QStringList>

/// Finds the XLIFF files a path stands for: the path itself when its extension is exactly
/// "xliff", otherwise every entry below it, at any depth, whose extension is exactly "xliff".
class XliffFinder
{
public:
    /// The text after the last "." of the last path component (trailing "/" ignored);
    /// empty when there is none.
    static QString pathExtension(const QString &path);

    /// True when the extension is exactly "xliff" (case-sensitive).
    static bool isXliffPath(const QString &path);

    /// Every path below `folder` whose extension is "xliff", as `folder` + "/" + the
    /// relative path, in name order. Symbolic links are listed but not walked into, so a
    /// link loop ends the walk; unreadable folders are passed over. Nothing for a path
    /// that is not a readable folder.
    static QStringList find(const QString &folder);
};

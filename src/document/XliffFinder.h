#pragma once

#include <QString>
#include <QStringList>

/// Finds the XLIFF files a path stands for: the path itself when its extension is exactly
/// "xliff", otherwise every entry below it, at any depth, whose extension is exactly "xliff".
class XliffFinder
{
public:
    /// True when the last path component's extension is exactly "xliff" (case-sensitive).
    static bool hasXliffExtension(const QString &path);

    /// Every path below `folder` whose extension is "xliff", as `folder` + "/" + the
    /// relative path, in name order. Symbolic links are listed but not followed, so a
    /// link loop ends the walk; unreadable folders are passed over. Nothing for a path
    /// that is not a readable folder.
    static QStringList findBelow(const QString &folder);
};

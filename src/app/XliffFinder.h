#pragma once

#include <QString>
#include <QStringList>

/// Finds the XLIFF files an open request means: the path itself when it names one,
/// otherwise every entry below it whose extension is exactly "xliff".
class XliffFinder
{
public:
    /// The text after the last "." of the path's last component, empty when there is none.
    static QString pathExtension(const QString &path);

    /// True when the path names an XLIFF file by its extension (case-sensitive).
    static bool isXliffPath(const QString &path);

    /// Every entry below `folder`, at any depth, whose extension is exactly "xliff", as
    /// `folder` + "/" + the relative path, sorted. Symbolic links to folders are listed but
    /// not entered, so a link loop ends the scan; unreadable folders are skipped. A path
    /// that is not a readable folder gives an empty list.
    static QStringList find(const QString &folder);
};

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/// Whole-file reads and writes for setting up and checking the files a test works on.
/// Shared by the hardening, dictionary and command-line suites.
namespace TestFiles {

/// Creates or replaces the file at `path` with `bytes`; false when that fails.
inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// The file's bytes, or "<unreadable>" so that a missing file never passes for an empty one.
inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace TestFiles

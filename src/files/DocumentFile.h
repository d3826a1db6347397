#pragma once

#include <QByteArray>
#include <QString>

class StagedFile;

#include <optional>

/// Whole-file input and atomic output for documents and the files beside them.
class DocumentFile
{
public:
    /// Files larger than this are refused before they are read.
    static constexpr qint64 maxSize = 256LL * 1024 * 1024;

    struct Bytes
    {
        QByteArray bytes;
        QString error; ///< empty on success
    };

    /// The whole of a plain file; folders, devices, pipes and files over `maxSize` are
    /// refused with a reason (the caller names the file).
    static Bytes read(const QString &path);

    /// Decodes UTF-8 exactly, a leading byte-order mark kept; nothing for invalid UTF-8.
    static std::optional<QString> decodeUtf8(QByteArrayView bytes);
    static QByteArray encodeUtf8(const QString &text);

    /// Replaces the regular file at `path` in one step (a temporary file renamed over it),
    /// keeping the mode, owner and group of the file it replaces; a file with no write bit is
    /// refused, even for root. A pipe or character device is written straight into; a folder
    /// or any other kind of file is refused. On failure the old file is left as it was.
    static bool write(const QString &path, QByteArrayView bytes, QString *error);

    /// The first half of replacing a regular file: the bytes written to the file's temporary
    /// name with the old file's mode, owner and group, and flushed to disk, the file it will
    /// replace untouched. The same refusals as `write`. Dropping `file` removes them.
    static bool stage(StagedFile &file, QByteArrayView bytes, QString *error);
    /// The second half: the temporary file renamed over the file it replaces.
    static bool commit(StagedFile &file, QString *error);
    /// True for a pipe or character device, which `write` writes straight into.
    static bool isStream(const QString &path);
};

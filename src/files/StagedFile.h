#pragma once

#include <QByteArrayView>
#include <QString>

/// A new file's bytes written beside the file they will replace, under a short temporary
/// name, then renamed over it in one step. Unlike QSaveFile, whose temporary name is the
/// file's own with six characters added, the temporary name stays short whatever the
/// file's, so a name up to the file system's limit can be saved; and every failure keeps
/// the system's own reason ("No space left on device"). A file that was never committed is
/// removed when the object goes.
class StagedFile
{
public:
    /// Stages a replacement for `path`; a symbolic link is followed to the file it names,
    /// which is the one replaced.
    explicit StagedFile(const QString &path);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    /// The file that will be replaced.
    const QString &fileName() const { return m_target; }
    bool isOpen() const { return m_handle >= 0; }
    int handle() const { return m_handle; }

    /// Creates the temporary file (mode 0666 less the umask, as any new file).
    bool open(QString *error);
    /// Writes all the bytes.
    bool write(QByteArrayView bytes, QString *error);
    /// Writes all of `bytes` to the open descriptor `fd`, retrying where a write is cut
    /// short; `error` gets the system's words when it fails.
    static bool writeAll(int fd, QByteArrayView bytes, QString *error);
    /// Renames the temporary file over the target and syncs the folder.
    bool commit(QString *error);
    /// Removes the temporary file.
    void cancel();

private:
    QString m_target;
    QByteArray m_staged; ///< native path of the temporary file
    int m_handle = -1;
};

#pragma once

#include <QString>

/// A small tmpfs mounted on a folder for the life of the object, to fill a disk or make
/// it read-only. Mounting needs privileges a test run may lack: check `isMounted()`.
class ScratchMount
{
public:
    ScratchMount(const QString &folder, qint64 bytes);
    ~ScratchMount();
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool isMounted() const { return m_mounted; }
    /// Makes the mounted file system read-only; false when that is refused.
    bool makeReadOnly();

private:
    QString m_folder;
    bool m_mounted = false;
};

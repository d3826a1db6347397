#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QString>

#include <optional>

/// Keeps copies of each file as it was before Tarnwick saved over it, so the export Xcode
/// wrote can always be had back. Each file has a folder of its own in the backup folder,
/// named after the file and a hash of its path. The first copy ever made of a file (the
/// file as it was before Tarnwick first wrote it) is kept until the user deletes it; later
/// copies, one per session that saves over the file, rotate: only the newest `keep` stay,
/// and older ones go while they hold more than `keepBytes` together (the newest always
/// stays).
class ExportBackup
{
    Q_DECLARE_TR_FUNCTIONS(ExportBackup)

public:
    static constexpr int defaultKeep = 10;
    static constexpr qint64 defaultKeepBytes = 512LL * 1024 * 1024;

    explicit ExportBackup(QString folder, int keep = defaultKeep,
                          qint64 keepBytes = defaultKeepBytes);

    const QString &folder() const { return m_folder; }
    /// The folder that holds the copies of the file at `path`.
    QString folderFor(const QString &path) const;

    /// Copies the file at `path` before the first save over it in this session; later calls
    /// for the same path do nothing. A missing file needs no copy. Returns why it failed.
    [[nodiscard]] std::optional<QString> beforeSave(const QString &path);
    /// The next save over `path` copies it again (it was loaded anew).
    void forget(const QString &path);
    /// The copy the last call made, or empty.
    const QString &lastCopy() const { return m_lastCopy; }

private:
    std::optional<QString> copy(const QString &path);
    QString freeName(const QString &folder, const QString &path, bool first) const;
    void prune(const QString &folder) const;

    QString m_folder;
    int m_keep;
    qint64 m_keepBytes;
    QSet<QString> m_done;
    QString m_lastCopy;
};

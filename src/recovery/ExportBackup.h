#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QString>

#include <optional>

/// Keeps a copy of each file as it was before this session first saved over it, so the
/// export Xcode wrote can always be had back. Copies are named after the file and the time;
/// only the newest `keep` copies stay.
class ExportBackup
{
    Q_DECLARE_TR_FUNCTIONS(ExportBackup)

public:
    static constexpr int defaultKeep = 20;

    explicit ExportBackup(QString folder, int keep = defaultKeep);

    const QString &folder() const { return m_folder; }

    /// Copies the file at `path` before the first save over it in this session; later calls
    /// for the same path do nothing. A missing file needs no copy. Returns why it failed.
    [[nodiscard]] std::optional<QString> beforeSave(const QString &path);
    /// The next save over `path` copies it again (it was loaded anew).
    void forget(const QString &path);
    /// The copy the last call made, or empty.
    const QString &lastCopy() const { return m_lastCopy; }

private:
    std::optional<QString> copy(const QString &path);
    QString freeName(const QString &path) const;
    void prune() const;

    QString m_folder;
    int m_keep;
    QSet<QString> m_done;
    QString m_lastCopy;
};

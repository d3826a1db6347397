#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

/// Watches the open document's file and reports when its bytes are no longer the ones the
/// window knows, or when it is gone. Editors that save by writing a new file and renaming it
/// over the old one end a plain file watch, so the file's folder is watched too. Events are
/// settled for a moment, so a save in several steps is reported once. The file is read and
/// hashed only when what the system says of it (inode, size, times) changed since it was
/// last looked at, so changes to other files of the folder cost next to nothing.
class DocumentWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DocumentWatcher(QObject *parent = nullptr);

    /// Watches `path`, whose bytes are now those with hash `knownHash`.
    void watch(const QString &path, const QByteArray &knownHash);
    /// The file now holds the bytes with this hash (the window saved it); not a change.
    void setKnownHash(const QByteArray &knownHash);
    void stop();

    const QString &path() const { return m_path; }
    /// How long events settle before the file is looked at.
    void setSettleTime(int milliseconds) { m_settle.setInterval(milliseconds); }
    /// How often the file's bytes were read and hashed since the watch began.
    int reads() const { return m_reads; }

public slots:
    /// Looks at the file now.
    void check();

signals:
    /// The file holds other bytes than the known ones (reported once per new content).
    void changed();
    /// The file is no longer there (reported once until it is back).
    void removed();

private:
    void rewatch();

    /// What the system says of a file, enough to tell that it was written or replaced.
    struct Stamp
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modified = 0; ///< nanoseconds
        qint64 changed = 0;  ///< nanoseconds, status change
        bool operator==(const Stamp &) const = default;
    };
    static std::optional<Stamp> stampOf(const QString &path);

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
    QByteArray m_knownHash;
    bool m_gone = false;
    int m_reads = 0;
    /// The file as it was when its bytes were last hashed; none until then.
    std::optional<Stamp> m_checked;
};

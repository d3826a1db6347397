#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

/// Watches the open document's file and reports when its bytes are no longer the ones the
/// window knows, or when it is gone. Editors that save by writing a new file and renaming it
/// over the old one end a plain file watch, so the file's folder is watched too. Events are
/// settled for a moment, so a save in several steps is reported once.
class DocumentWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DocumentWatcher(QObject *parent = nullptr);

    /// Watches `path`, whose bytes are now those with hash `knownHash`.
    void watch(const QString &path, const QByteArray &knownHash);
    /// The file now holds the bytes with this hash (the window saved it); not a change.
    void setKnownHash(const QByteArray &knownHash) { m_knownHash = knownHash; }
    void stop();

    const QString &path() const { return m_path; }
    /// How long events settle before the file is looked at.
    void setSettleTime(int milliseconds) { m_settle.setInterval(milliseconds); }

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

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
    QByteArray m_knownHash;
    bool m_gone = false;
};

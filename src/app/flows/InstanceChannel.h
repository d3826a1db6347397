#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

/// Lets a second launch hand its paths to the instance already running, so that the
/// running one opens them through its own flows (and asks before replacing a document).
class InstanceChannel : public QObject
{
    Q_OBJECT

public:
    explicit InstanceChannel(QObject *parent = nullptr);

    /// The per-user channel name: a socket in the user's runtime folder.
    static QString defaultName();

    /// Sends the paths (already absolute) to a running instance. True when one took them;
    /// false when none listens, and the caller becomes the running instance.
    static bool handOver(const QString &name, const QStringList &paths);

    /// Starts listening for later launches. A socket left behind by an instance that
    /// ended without cleaning up is removed first.
    bool listen(const QString &name);
    QString errorString() const { return m_server.errorString(); }

signals:
    /// A later launch asked to open this path.
    void pathReceived(const QString &path);
    /// A later launch was started; the window should come to the front.
    void activationRequested();

private:
    void acceptConnection();

    QLocalServer m_server;
};

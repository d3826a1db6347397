#include "app/flows/InstanceChannel.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Paths are sent as UTF-8, each followed by a NUL byte, which no path can contain.
constexpr char separator = '\0';
// A hand-over is a few paths; anything larger is not from this program.
constexpr qsizetype maxMessage = 1024 * 1024;
constexpr int connectTimeoutMs = 2000;

} // namespace

InstanceChannel::InstanceChannel(QObject *parent) : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceChannel::acceptConnection);
}

QString InstanceChannel::defaultName()
{
    // Only a runtime folder the session provides is private to the user; without one the
    // name carries the user's name and the socket is made owner-only (UserAccessOption).
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool sessionRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
#else
    const bool sessionRuntime = true;
#endif
    if (sessionRuntime) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            return QDir(runtime).filePath(u"tarnwick-instance"_s);
    }
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return u"tarnwick-instance-"_s + user;
}

bool InstanceChannel::handOver(const QString &name, const QStringList &paths)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    QByteArray message;
    for (const QString &path : paths) {
        message += path.toUtf8();
        message += separator;
    }
    socket.write(message);
    if (!socket.waitForBytesWritten(connectTimeoutMs) && socket.bytesToWrite() > 0)
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(connectTimeoutMs);
    return true;
}

bool InstanceChannel::listen(const QString &name)
{
    // With access options set, QLocalServer replaces an existing socket instead of failing,
    // so ask first whether an instance answers there; it keeps its channel.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(connectTimeoutMs))
        return false;
    // A socket nobody answers on is what an instance that crashed leaves behind.
    QLocalServer::removeServer(name);
    return m_server.listen(name);
}

void InstanceChannel::acceptConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [socket, buffer] {
            *buffer += socket->readAll();
            if (buffer->size() > maxMessage)
                socket->abort();
        });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            socket->deleteLater();
            if (buffer->size() > maxMessage)
                return;
            emit activationRequested();
            const QList<QByteArray> parts = buffer->split(separator);
            for (const QByteArray &part : parts) {
                if (!part.isEmpty())
                    emit pathReceived(QString::fromUtf8(part));
            }
        });
    }
}

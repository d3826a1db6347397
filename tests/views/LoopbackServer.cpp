#include "LoopbackServer.h"

#include <QHostAddress>

using namespace Qt::StringLiterals;

LoopbackServer::LoopbackServer(QObject *parent) : QTcpServer(parent)
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, &LoopbackServer::onNewConnection);
}

QString LoopbackServer::base() const
{
    return u"http://127.0.0.1:%1/"_s.arg(serverPort());
}

void LoopbackServer::answerJson(const QByteArray &path, const QByteArray &json)
{
    answer(path, "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                     QByteArray::number(json.size()) + "\r\nConnection: close\r\n\r\n" + json);
}

void LoopbackServer::onNewConnection()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_pending.remove(socket); });
    }
}

void LoopbackServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &buffer = m_pending[socket];
    buffer += socket->readAll();
    if (!buffer.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    const QByteArray path = requestLine.value(1);
    buffer.clear();
    m_paths.append(path);

    if (m_stalled.contains(path)) {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n"
                      "Content-Length: 100\r\n\r\n[");
        return;
    }
    const auto found = m_answers.constFind(path);
    if (found == m_answers.constEnd()) {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    socket->write(*found);
    socket->disconnectFromHost();
}

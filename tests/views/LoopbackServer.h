#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

/// A tiny HTTP server on 127.0.0.1 for the update check: answers each path with canned
/// bytes, or holds the connection open without a word, and counts the requests it saw.
class LoopbackServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit LoopbackServer(QObject *parent = nullptr);

    /// The site's base address, ending in "/".
    QString base() const;

    void answer(const QByteArray &path, const QByteArray &response) { m_answers[path] = response; }
    void answerJson(const QByteArray &path, const QByteArray &json);

    /// A path that gets the headers and then nothing more.
    void stall(const QByteArray &path) { m_stalled.append(path); }

    int requestCount() const { return int(m_paths.size()); }
    QList<QByteArray> paths() const { return m_paths; }

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);

    QHash<QByteArray, QByteArray> m_answers;
    QList<QByteArray> m_stalled;
    QList<QByteArray> m_paths;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <chrono>

class QNetworkReply;

/// Fetches one small resource in the background with the limits a start-up check needs:
/// HTTPS only (plain HTTP just to this machine), no redirect to plain HTTP, a transfer
/// time-out and a size cap. Reports either the whole body or a failure, once.
class FeedDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 maximumSize = 64 * 1024;
    static constexpr std::chrono::milliseconds defaultTimeout{10'000};

    explicit FeedDownload(QObject *parent = nullptr);
    ~FeedDownload() override;

    void setTransferTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

    /// HTTPS anywhere, plain HTTP only to a loopback address.
    static bool isAllowed(const QUrl &url);

    /// Starts the transfer; false (and no signal) when the address is refused or one runs.
    bool start(const QUrl &url);

signals:
    void succeeded(const QByteArray &body);
    void failed();

private:
    void onReadyRead();
    void onMetaDataChanged();
    void onRedirected(const QUrl &url);
    void onFinished();
    void refuse();

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    std::chrono::milliseconds m_timeout = defaultTimeout;
    bool m_refused = false;
};

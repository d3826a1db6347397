#include "views/FeedDownload.h"

#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>

using namespace Qt::StringLiterals;

FeedDownload::FeedDownload(QObject *parent) : QObject(parent) {}

FeedDownload::~FeedDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool FeedDownload::isAllowed(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == u"https"_s)
        return true;
    if (scheme != u"http"_s)
        return false;
    const QString host = url.host();
    return host.compare(u"localhost"_s, Qt::CaseInsensitive) == 0 ||
           QHostAddress(host).isLoopback();
}

bool FeedDownload::start(const QUrl &url)
{
    if (m_reply || !isAllowed(url))
        return false;

    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_timeout.count()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);

    m_body.clear();
    m_refused = false;
    m_reply = m_manager.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &FeedDownload::onReadyRead);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &FeedDownload::onMetaDataChanged);
    connect(m_reply, &QNetworkReply::redirected, this, &FeedDownload::onRedirected);
    connect(m_reply, &QNetworkReply::finished, this, &FeedDownload::onFinished);
    return true;
}

void FeedDownload::onReadyRead()
{
    if (!m_reply || m_refused)
        return;
    m_body += m_reply->readAll();
    if (m_body.size() > maximumSize)
        refuse();
}

void FeedDownload::onMetaDataChanged()
{
    if (!m_reply || m_refused)
        return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maximumSize)
        refuse();
}

// A redirect may only lead to HTTPS: a feed that starts out protected stays protected,
// and a loopback test server cannot hand the check on to another machine.
void FeedDownload::onRedirected(const QUrl &url)
{
    if (!m_reply || m_refused)
        return;
    if (url.scheme().compare(u"https"_s, Qt::CaseInsensitive) != 0) {
        refuse();
        return;
    }
    emit m_reply->redirectAllowed();
}

void FeedDownload::refuse()
{
    m_refused = true;
    m_body.clear();
    m_reply->abort();
}

void FeedDownload::onFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_reply.clear();
    reply->deleteLater();

    if (!m_refused && reply->error() == QNetworkReply::NoError)
        m_body += reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = !m_refused && reply->error() == QNetworkReply::NoError &&
                    m_body.size() <= maximumSize && status >= 200 && status < 300;
    if (!ok) {
        m_body.clear();
        emit failed();
        return;
    }
    emit succeeded(std::exchange(m_body, {}));
}

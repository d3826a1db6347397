#include "views/MendView.h"

#include "views/FeedDownload.h"
#include "views/QORVNews.h"
#include "views/UpdateDecision.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QSettings>

using namespace Qt::StringLiterals;

#ifndef TARNWICK_SITE_BASE
#error "TARNWICK_SITE_BASE must name the maker's web site"
#endif

MendView::MendView(QObject *parent)
    : QObject(parent), m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); }),
      m_timeout(FeedDownload::defaultTimeout)
{
}

MendView::~MendView() = default;

QString MendView::siteBase()
{
    QString base = qEnvironmentVariable("TARNWICK_SITE_BASE");
    if (base.isEmpty())
        base = QStringLiteral(TARNWICK_SITE_BASE);
    if (!base.endsWith(u'/'))
        base += u'/';
    return base;
}

bool MendView::isEnabled(const QSettings &settings)
{
    const QVariant value = settings.value(u"NU"_s);
    if (!value.isValid())
        return false;
    // Stored as text by the settings file: "1" and the like enable; "true" from a check box
    // stored as a boolean enables too.
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(u"true"_s, Qt::CaseInsensitive) == 0)
            return true;
        return UpdateDecision::integerValue(text) != 0;
    }
    return value.toLongLong() != 0;
}

bool MendView::start()
{
    if (m_started)
        return false;
    m_started = true;
    if (!isEnabled(QSettings()))
        return false;

    m_download = std::make_unique<FeedDownload>();
    m_download->setTransferTimeout(m_timeout);
    connect(m_download.get(), &FeedDownload::succeeded, this, &MendView::onFeed);
    connect(m_download.get(), &FeedDownload::failed, this, &MendView::onFailed);
    return m_download->start(UpdateDecision::feedAddress(siteBase()));
}

void MendView::onFeed(const QByteArray &body)
{
    const UpdateDecision::Running running{QCoreApplication::applicationName(),
                                          QCoreApplication::applicationVersion(),
                                          UpdateDecision::runningOsNumber()};
    if (!UpdateDecision::shouldNotify(body, running)) {
        emit checkFinished(false);
        return;
    }
    showNews();
    emit checkFinished(true);
}

void MendView::onFailed()
{
    emit checkFinished(false);
}

void MendView::showNews()
{
    if (!m_news) {
        m_news = std::make_unique<QORVNews>(QCoreApplication::applicationName());
        connect(m_news.get(), &QORVNews::productPageRequested, this, &MendView::revs);
    }
    m_news->show();
    m_news->raise();
    m_news->activateWindow();
}

void MendView::revs()
{
    const QUrl page = UpdateDecision::productPage(siteBase(), QCoreApplication::applicationName());
    if (m_openUrl)
        m_openUrl(page);
}

#pragma once

#include <QObject>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>

class FeedDownload;
class QORVNews;
class QSettings;

/// The update check: once at start-up, when the "NU" setting is on, fetches the maker's
/// feed in the background and shows the notice panel if it names a newer version.
/// Never blocks start-up; any failure shows nothing.
class MendView : public QObject
{
    Q_OBJECT

public:
    using UrlOpener = std::function<bool(const QUrl &)>;

    explicit MendView(QObject *parent = nullptr);
    ~MendView() override;

    /// Runs the check if the setting asks for it. True when a download started; false when
    /// the check is off, already ran, or the site address is refused.
    bool start();

    /// Opens the application's product page (the notice panel's button).
    void revs();

    /// The notice panel, once shown; null before.
    QORVNews *news() const { return m_news.get(); }

    /// How addresses are opened; the default opens them in the desktop's browser.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    void setTransferTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

    /// The maker's web site, ending in "/": the build's setting, or TARNWICK_SITE_BASE from
    /// the environment when that is set.
    static QString siteBase();

    /// Whether the check is enabled: "NU" read as an integer, anything but 0 enables.
    static bool isEnabled(const QSettings &settings);

signals:
    /// The check is over, with or without a notice. Not emitted when no download started.
    void checkFinished(bool noticeShown);

private:
    void onFeed(const QByteArray &body);
    void onFailed();
    void showNews();

    std::unique_ptr<FeedDownload> m_download;
    std::unique_ptr<QORVNews> m_news;
    UrlOpener m_openUrl;
    std::chrono::milliseconds m_timeout;
    bool m_started = false;
};

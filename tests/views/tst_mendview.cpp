#include "LoopbackServer.h"

#include "views/FeedDownload.h"
#include "views/MendView.h"
#include "views/QORVNews.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QByteArray newerFeed = R"([{"name":"Tarnwick","dots":"0.0","vers":"9.0"}])";

QByteArray oversizedFeed()
{
    return R"([{"name":"Tarnwick","dots":"0.0","vers":"9.0","pad":")" +
           QByteArray(FeedDownload::maximumSize, 'x') + R"("}])";
}

void setNu(const QVariant &value)
{
    QSettings settings;
    if (value.isValid())
        settings.setValue(u"NU"_s, value);
    else
        settings.remove(u"NU"_s);
    settings.sync();
}

} // namespace

class TestMendView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void siteBaseFromEnvironment();
    void noRequestWhenOff_data();
    void noRequestWhenOff();
    void noticeOpensProductPage();
    void nothingShown_data();
    void nothingShown();
    void runsOnce();
    void productPageForName();
};

void TestMendView::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"TarnwickTests"_s);
    QCoreApplication::setApplicationName(u"Tarnwick"_s);
    QCoreApplication::setApplicationVersion(u"1.0"_s);
    QVERIFY(QSettings().fileName().contains(u".qttest"_s));
}

void TestMendView::init()
{
    QSettings().clear();
}

void TestMendView::siteBaseFromEnvironment()
{
    qputenv("TARNWICK_SITE_BASE", "http://127.0.0.1:1/site");
    QCOMPARE(MendView::siteBase(), u"http://127.0.0.1:1/site/"_s);
    qunsetenv("TARNWICK_SITE_BASE");
    QVERIFY(MendView::siteBase().endsWith(u'/'));
    QVERIFY(!MendView::siteBase().contains(u"127.0.0.1"_s));
}

void TestMendView::noRequestWhenOff_data()
{
    QTest::addColumn<QVariant>("nu");
    QTest::newRow("absent") << QVariant();
    QTest::newRow("zero") << QVariant(0);
    QTest::newRow("zero as text") << QVariant(u"0"_s);
    QTest::newRow("false") << QVariant(false);
}

void TestMendView::noRequestWhenOff()
{
    QFETCH(QVariant, nu);
    LoopbackServer server;
    QVERIFY(server.isListening());
    server.answerJson("/xapp.json", newerFeed);
    qputenv("TARNWICK_SITE_BASE", server.base().toUtf8());

    setNu(nu);
    MendView off;
    QVERIFY(!off.start());

    // A second check with the setting on reaches the same server: it must be the only
    // request the server ever saw.
    setNu(1);
    MendView on;
    on.setUrlOpener([](const QUrl &) { return true; });
    QSignalSpy finished(&on, &MendView::checkFinished);
    QVERIFY(on.start());
    QVERIFY(finished.wait());
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(server.requestCount(), 1);
    QVERIFY(off.news() == nullptr);
}

void TestMendView::noticeOpensProductPage()
{
    LoopbackServer server;
    server.answerJson("/xapp.json", newerFeed);
    qputenv("TARNWICK_SITE_BASE", server.base().toUtf8());
    setNu(u"1"_s);

    MendView mend;
    QList<QUrl> opened;
    mend.setUrlOpener([&opened](const QUrl &url) {
        opened.append(url);
        return true;
    });
    QSignalSpy finished(&mend, &MendView::checkFinished);
    QVERIFY(mend.start());
    QVERIFY(finished.wait());
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(server.paths(), QList<QByteArray>{"/xapp.json"});

    QORVNews *news = mend.news();
    QVERIFY(news);
    QVERIFY(news->isVisible());
    QTest::mouseClick(news->productPageButton(), Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{QUrl(server.base() + u"tarnwick.html"_s)});
}

void TestMendView::nothingShown_data()
{
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<bool>("stall");

    const QByteArray big = oversizedFeed();
    QTest::newRow("feed names no newer version")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 47\r\n\r\n"
                      R"([{"name":"Tarnwick","dots":"0.0","vers":"0.9"}])")
        << false;
    QTest::newRow("oversized with length")
        << "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(big.size()) + "\r\n\r\n" + big
        << false;
    QTest::newRow("oversized without length")
        << "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + big << false;
    QTest::newRow("redirect to plain HTTP")
        << QByteArray("HTTP/1.1 302 Found\r\nLocation: /real.json\r\nContent-Length: 0\r\n\r\n")
        << false;
    QTest::newRow("server error") << "HTTP/1.1 500 Internal Server Error\r\nContent-Length: " +
                                         QByteArray::number(newerFeed.size()) + "\r\n\r\n" +
                                         newerFeed
                                  << false;
    QTest::newRow("not JSON") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n<html>")
                              << false;
    QTest::newRow("stalls past the time-out") << QByteArray() << true;
}

void TestMendView::nothingShown()
{
    QFETCH(QByteArray, response);
    QFETCH(bool, stall);

    LoopbackServer server;
    if (stall)
        server.stall("/xapp.json");
    else
        server.answer("/xapp.json", response);
    server.answerJson("/real.json", newerFeed);
    qputenv("TARNWICK_SITE_BASE", server.base().toUtf8());
    setNu(1);

    MendView mend;
    mend.setTransferTimeout(300ms);
    QSignalSpy finished(&mend, &MendView::checkFinished);
    QVERIFY(mend.start());
    QVERIFY(finished.wait());
    QCOMPARE(finished.first().first().toBool(), false);
    QVERIFY(mend.news() == nullptr);
    QVERIFY(!server.paths().contains("/real.json"));
}

void TestMendView::runsOnce()
{
    LoopbackServer server;
    server.answerJson("/xapp.json", newerFeed);
    qputenv("TARNWICK_SITE_BASE", server.base().toUtf8());
    setNu(1);

    MendView mend;
    QSignalSpy finished(&mend, &MendView::checkFinished);
    QVERIFY(mend.start());
    QVERIFY(!mend.start());
    QVERIFY(finished.wait());
    QCOMPARE(server.requestCount(), 1);
}

void TestMendView::productPageForName()
{
    qputenv("TARNWICK_SITE_BASE", "http://127.0.0.1:9/site/");
    QCoreApplication::setApplicationName(u"Word Mill's"_s);
    MendView mend;
    QList<QUrl> opened;
    mend.setUrlOpener([&opened](const QUrl &url) {
        opened.append(url);
        return true;
    });
    mend.revs();
    QCoreApplication::setApplicationName(u"Tarnwick"_s);
    QCOMPARE(opened, QList<QUrl>{QUrl(u"http://127.0.0.1:9/site/wordmills.html"_s)});
}

QTEST_MAIN(TestMendView)
#include "tst_mendview.moc"

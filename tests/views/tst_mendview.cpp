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

QByteArray response(const QByteArray &status, const QByteArray &body, bool withLength = true)
{
    const QByteArray length = "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return "HTTP/1.1 " + status + "\r\n" + (withLength ? length : "Connection: close\r\n") +
           "\r\n" + body;
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
    void init() { QSettings().clear(); }
    void siteBaseFromEnvironment();
    void noRequestWhenOff_data();
    void noRequestWhenOff();
    void noticeOpensProductPageOnce();
    void nothingShown_data();
    void nothingShown();
};

void TestMendView::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"TarnwickTests"_s);
    QCoreApplication::setApplicationName(u"Tarnwick"_s);
    QCoreApplication::setApplicationVersion(u"1.0"_s);
    QVERIFY(QSettings().fileName().contains(u".qttest"_s));
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

void TestMendView::noticeOpensProductPageOnce()
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
    QVERIFY(!mend.start()); // the check runs once
    QVERIFY(finished.wait());
    QCOMPARE(finished.size(), 1);
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
    QTest::addColumn<QByteArray>("answer"); // empty: the server stalls
    const QByteArray big = R"([{"name":"Tarnwick","dots":"0.0","vers":"9.0","pad":")" +
                           QByteArray(FeedDownload::maximumSize, 'x') + R"("}])";

    QTest::newRow("feed names no newer version")
        << response("200 OK", R"([{"name":"Tarnwick","dots":"0.0","vers":"0.9"}])");
    QTest::newRow("oversized with length") << response("200 OK", big);
    QTest::newRow("oversized without length") << response("200 OK", big, false);
    QTest::newRow("redirect to plain HTTP")
        << QByteArray("HTTP/1.1 302 Found\r\nLocation: /real.json\r\nContent-Length: 0\r\n\r\n");
    QTest::newRow("server error") << response("500 Internal Server Error", newerFeed);
    QTest::newRow("not JSON") << response("200 OK", "<html>");
    QTest::newRow("stalls past the time-out") << QByteArray();
}

void TestMendView::nothingShown()
{
    QFETCH(QByteArray, answer);

    LoopbackServer server;
    if (answer.isEmpty())
        server.stall("/xapp.json");
    else
        server.answer("/xapp.json", answer);
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

QTEST_MAIN(TestMendView)
#include "tst_mendview.moc"

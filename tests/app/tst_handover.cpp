#include "AppHarness.h"

#include "app/ConfirmSheet.h"
#include "app/InstanceChannel.h"

#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>

class TestHandOver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void init() { QVERIFY(m_dir.isValid()); }

    void noRunningInstanceTakesNothing();
    void pathsReachTheRunningInstance();
    void secondLaunchAsksBeforeReplacingDocument();
    void onlyOneInstanceListens();
    void staleSocketIsReplaced();

private:
    QString channelName(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestHandOver::noRunningInstanceTakesNothing()
{
    QVERIFY(!InstanceChannel::handOver(channelName(u"nobody"_s), {u"/x.xliff"_s}));
}

void TestHandOver::pathsReachTheRunningInstance()
{
    InstanceChannel running;
    QVERIFY(running.listen(channelName(u"paths"_s)));
    QSignalSpy received(&running, &InstanceChannel::pathReceived);
    QSignalSpy activated(&running, &InstanceChannel::activationRequested);

    const QStringList paths{u"/tmp/一つ目.xliff"_s, u"/tmp/with\nnewline.xliff"_s};
    QVERIFY(InstanceChannel::handOver(channelName(u"paths"_s), paths));
    QTRY_COMPARE(received.size(), 2);
    QCOMPARE(received.at(0).at(0).toString(), paths.at(0));
    QCOMPARE(received.at(1).at(0).toString(), paths.at(1));
    QCOMPARE(activated.size(), 1);
}

void TestHandOver::secondLaunchAsksBeforeReplacingDocument()
{
    AppHarness app;
    InstanceChannel running;
    QVERIFY(running.listen(channelName(u"app"_s)));
    connect(&running, &InstanceChannel::pathReceived, &app.delegate, &AppDelegate::openFile);

    const QString first = copyFixture(u"two-files.xliff"_s, m_dir.filePath(u"first.xliff"_s));
    QVERIFY(InstanceChannel::handOver(channelName(u"app"_s), {first}));
    QTRY_COMPARE(app.document().documentPath, first);
    QVERIFY(!app.delegate.confOver()->isVisible());
    QVERIFY(app.editTarget(0, u"開く"_s));

    const QString second = copyFixture(u"two-units.xliff"_s, m_dir.filePath(u"second.xliff"_s));
    QVERIFY(InstanceChannel::handOver(channelName(u"app"_s), {second}));
    QTRY_VERIFY(app.delegate.confOver()->isVisible());
    QCOMPARE(app.document().pendingPath, second);
    QCOMPARE(app.document().documentPath, first);
    QCOMPARE(app.bank().rows()[0].tget, u"開く"_s);
    QVERIFY(app.edited());
}

void TestHandOver::onlyOneInstanceListens()
{
    InstanceChannel first;
    QVERIFY(first.listen(channelName(u"one"_s)));
    InstanceChannel second;
    QVERIFY(!second.listen(channelName(u"one"_s)));
}

void TestHandOver::staleSocketIsReplaced()
{
    const QString name = channelName(u"stale"_s);
    {
        // A file left where the socket was, as after a crash.
        QFile leftover(name);
        QVERIFY(leftover.open(QIODevice::WriteOnly));
    }
    InstanceChannel running;
    QVERIFY(running.listen(name));
    QSignalSpy received(&running, &InstanceChannel::pathReceived);
    QVERIFY(InstanceChannel::handOver(name, {u"/a.xliff"_s}));
    QTRY_COMPARE(received.size(), 1);
}

QTEST_MAIN(TestHandOver)
#include "tst_handover.moc"

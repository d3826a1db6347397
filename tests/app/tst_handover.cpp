#include "AppHarness.h"

#include "app/flows/InstanceChannel.h"

#include <QSignalSpy>
#include <QTemporaryDir>

class TestHandOver : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void pathsReachTheRunningInstance();
    void onlyOneInstanceListens();

private:
    QString channelName(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestHandOver::pathsReachTheRunningInstance()
{
    // A file left where the socket was, as after a crash: nobody takes the paths...
    const QString name = channelName(u"paths"_s);
    QVERIFY(writeFile(name));
    QVERIFY(!InstanceChannel::handOver(name, {u"/x.xliff"_s}));

    // ...until an instance listens in its place.
    InstanceChannel running;
    QVERIFY(running.listen(name));
    QSignalSpy received(&running, &InstanceChannel::pathReceived);
    QSignalSpy activated(&running, &InstanceChannel::activationRequested);
    const QStringList paths{u"/tmp/一つ目.xliff"_s, u"/tmp/with\nnewline.xliff"_s};
    QVERIFY(InstanceChannel::handOver(name, paths));
    QTRY_COMPARE(received.size(), 2);
    QCOMPARE(received.at(0).at(0).toString(), paths.at(0));
    QCOMPARE(received.at(1).at(0).toString(), paths.at(1));
    QCOMPARE(activated.size(), 1);
}

void TestHandOver::onlyOneInstanceListens()
{
    InstanceChannel first;
    QVERIFY(first.listen(channelName(u"one"_s)));
    InstanceChannel second;
    QVERIFY(!second.listen(channelName(u"one"_s)));
}

QTEST_MAIN(TestHandOver)
#include "tst_handover.moc"

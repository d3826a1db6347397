// Hostile and broken documents through the reader: each is refused with a reason and a
// place, or read in bounded time, and nothing a document points at is ever opened.
#include "HostileDocuments.h"
#include "TestFiles.h"

#include "files/DocumentFile.h"
#include "xliff/ParseState.h"
#include "xliff/XliffReader.h"
#include "splice/XliffWriter.h"

#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using HostileDocuments::Reach;

namespace {

/// Watches one file for being opened or read, with inotify.
class OpenWatch
{
public:
    explicit OpenWatch(const QString &path) : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0)
            inotify_add_watch(m_fd, QFile::encodeName(path).constData(), IN_OPEN | IN_ACCESS);
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    bool isWatching() const { return m_fd >= 0; }

    /// True when anything opened or read the file since the watch began.
    bool touched() const
    {
        char events[4096];
        return read(m_fd, events, sizeof events) > 0;
    }

private:
    int m_fd;
};

} // namespace

class tst_HostileInput : public QObject
{
    Q_OBJECT

private slots:
    void refused_data();
    void refused();
    void externalNeverLoaded_data();
    void externalNeverLoaded();
    void readWhole_data();
    void readWhole();
    void notAPlainFile_data();
    void notAPlainFile();

private:
    QTemporaryDir m_dir;
};

void tst_HostileInput::refused_data()
{
    HostileDocuments::addRefusedRows();
}

void tst_HostileInput::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, line);
    QFETCH(qint64, column);
    const ReadResult result = HostileDocuments::read(bytes);
    QVERIFY(!result.complete);
    QVERIFY(result.units.empty());
    QVERIFY2(!result.errorString.isEmpty(), "a refusal says why");
    QCOMPARE(result.line, line);
    QCOMPARE(result.column, column);
}

void tst_HostileInput::externalNeverLoaded_data()
{
    QTest::addColumn<Reach>("reach");
    QTest::addColumn<bool>("complete");
    QTest::newRow("general entity") << Reach::Entity << false;
    QTest::newRow("parameter entity") << Reach::ParameterEntity << false;
    QTest::newRow("external DTD") << Reach::Dtd << true;
    QTest::newRow("external DTD, entity it would define") << Reach::EntityOfDtd << false;
}

void tst_HostileInput::externalNeverLoaded()
{
    QFETCH(Reach, reach);
    QFETCH(bool, complete);
    const QString secret = m_dir.filePath(u"secret.txt"_s);
    QVERIFY(TestFiles::write(secret, "SECRET-MARKER"));
    const OpenWatch watch(secret);
    QVERIFY(watch.isWatching());
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QByteArray file = QUrl::fromLocalFile(secret).toEncoded();
    const QByteArray url = "http://127.0.0.1:" + QByteArray::number(server.serverPort()) + "/x";

    for (const QByteArray &systemId : {file, url}) {
        const ReadResult result =
            HostileDocuments::read(HostileDocuments::reaching(reach, systemId));
        QCOMPARE(result.complete, complete);
        if (!complete) {
            QVERIFY(!result.errorString.isEmpty());
            QVERIFY(result.line > 0 && result.column > 0);
        }
        for (const UnitRecord &unit : result.units)
            QVERIFY(!unit.tget.value_or(QString()).contains(u"SECRET"_s));
    }
    QVERIFY2(!watch.touched(), "the file an entity names was opened");
    // The read is synchronous: a connection made during it is already queued by now.
    QVERIFY2(!server.waitForNewConnection(0), "the reader connected to the address");
    QVERIFY(!server.hasPendingConnections());
}

void tst_HostileInput::readWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("idSize");
    QTest::addColumn<int>("sourceSize");
    QTest::addColumn<QString>("target");
    using HostileDocuments::unit;

    QByteArray doctype = unit("k", "a", "b");
    doctype.insert(doctype.indexOf("<xliff"), "<!DOCTYPE xliff>\n");
    QTest::newRow("DOCTYPE without declarations") << doctype << 1 << 1 << u"b"_s;
    constexpr int depth = 100000;
    const QByteArray nested =
        QByteArray("<g>").repeated(depth) + "deep" + QByteArray("</g>").repeated(depth);
    QTest::newRow("100,000 nested elements") << unit("k", "a", nested) << 1 << 1 << u"deep"_s;
    constexpr int large = 10 * 1024 * 1024;
    QTest::newRow("10 MB text node")
        << unit("k", QByteArray(large, 'x'), "b") << 1 << large << u"b"_s;
    QTest::newRow("id of 100,000 characters")
        << unit(QByteArray(100000, 'i'), "a", "b") << 100000 << 1 << u"b"_s;
}

void tst_HostileInput::readWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, target);
    const ReadResult result = HostileDocuments::read(bytes);
    QVERIFY2(result.complete, qPrintable(result.errorString));
    QCOMPARE(result.units.size(), size_t(1));
    const UnitRecord &unit = result.units.front();
    QTEST(int(unit.name.value_or(QString()).size()), "idSize");
    QTEST(int(unit.srcs.value_or(QString()).size()), "sourceSize");
    QCOMPARE(unit.tget, target);
}

void tst_HostileInput::notAPlainFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("file over 256 MB") << u"huge"_s << u"256 MB"_s;
    QTest::newRow("link to /dev/zero") << u"zero"_s << QString();
    QTest::newRow("named pipe") << u"fifo"_s << QString();
    QTest::newRow("folder") << u"folder"_s << QString();
}

void tst_HostileInput::notAPlainFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(kind + u".xliff"_s);
    if (kind == u"huge") {
        QFile file(path);
        // Sparse: the size is set, no block is written, so the test costs no disk.
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(DocumentFile::maxSize + 1));
    } else if (kind == u"zero") {
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    } else if (kind == u"fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QVERIFY(QDir().mkdir(path));
    }

    // Refused before reading: nothing reads forever, waits for a writer or fills memory.
    ParseState state;
    const ReadResult read = XliffReader(state).readFile(path);
    QVERIFY(!read.complete);
    QVERIFY(!read.errorString.isEmpty());
    QVERIFY2(read.errorString.contains(reason), qPrintable(read.errorString));
    const SpliceResult save = XliffWriter::pack(path, {});
    QVERIFY(!save.bytes);
    QVERIFY(save.unreadable);
    QVERIFY2(save.errorString.contains(reason) && !save.errorString.isEmpty(),
             qPrintable(save.errorString));
}

QTEST_GUILESS_MAIN(tst_HostileInput)
#include "tst_HostileInput.moc"

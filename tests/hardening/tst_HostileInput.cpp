// Hostile and broken documents through the reader: each is refused with a reason and a
// place, or read in bounded time, and nothing a document points at is ever opened.
#include "HostileDocuments.h"

#include "document/DocumentFile.h"
#include "document/ParseState.h"
#include "document/XliffReader.h"
#include "document/XliffWriter.h"

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

ReadResult readBytes(const QByteArray &bytes)
{
    ParseState state;
    return XliffReader(state).read(bytes);
}

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
    void externalFileNeverOpened_data();
    void externalFileNeverOpened();
    void externalUrlNeverFetched_data();
    void externalUrlNeverFetched();
    void plainDoctypeReads();
    void deepNesting();
    void largeTextNode();
    void longId();
    void fileOver256MegabytesRefused();
    void notARegularFile_data();
    void notARegularFile();

private:
    QTemporaryDir m_dir;
};

void tst_HostileInput::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("line");
    QTest::addColumn<qint64>("column");
    for (const auto &document : HostileDocuments::refused())
        QTest::newRow(document.name) << document.bytes << document.line << document.column;
}

void tst_HostileInput::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, line);
    QFETCH(qint64, column);
    const ReadResult result = readBytes(bytes);
    QVERIFY(!result.complete);
    QVERIFY(result.units.empty());
    QVERIFY2(!result.errorString.isEmpty(), "a refusal says why");
    QCOMPARE(result.line, line);
    QCOMPARE(result.column, column);
}

void tst_HostileInput::externalFileNeverOpened_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("complete");
    QTest::newRow("general entity") << 0 << false;
    QTest::newRow("parameter entity") << 1 << false;
    QTest::newRow("external DTD") << 2 << true;
    QTest::newRow("external DTD, entity it would define") << 3 << false;
}

void tst_HostileInput::externalFileNeverOpened()
{
    QFETCH(int, form);
    QFETCH(bool, complete);
    const QString secret = m_dir.filePath(u"secret.txt"_s);
    QFile file(secret);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("SECRET-MARKER");
    file.close();
    const OpenWatch watch(secret);
    QVERIFY(watch.isWatching());

    const QByteArray url = QUrl::fromLocalFile(secret).toEncoded();
    const QByteArray bytes = form == 0   ? HostileDocuments::externalEntity(url)
                             : form == 1 ? HostileDocuments::externalParameterEntity(url)
                             : form == 2 ? HostileDocuments::externalDtd(url, "b")
                                         : HostileDocuments::externalDtd(url, "&secret;");
    const ReadResult result = readBytes(bytes);

    QCOMPARE(result.complete, complete);
    if (!complete) {
        QVERIFY(!result.errorString.isEmpty());
        QVERIFY(result.line > 0 && result.column > 0);
    }
    for (const UnitRecord &unit : result.units)
        QVERIFY(!unit.tget.value_or(QString()).contains(u"SECRET"_s));
    QVERIFY2(!watch.touched(), "the file an entity names was opened");
}

void tst_HostileInput::externalUrlNeverFetched_data()
{
    externalFileNeverOpened_data();
}

void tst_HostileInput::externalUrlNeverFetched()
{
    QFETCH(int, form);
    QFETCH(bool, complete);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QByteArray url = "http://127.0.0.1:" + QByteArray::number(server.serverPort()) + "/x";
    const QByteArray bytes = form == 0   ? HostileDocuments::externalEntity(url)
                             : form == 1 ? HostileDocuments::externalParameterEntity(url)
                             : form == 2 ? HostileDocuments::externalDtd(url, "b")
                                         : HostileDocuments::externalDtd(url, "&secret;");
    const ReadResult result = readBytes(bytes);

    QCOMPARE(result.complete, complete);
    // The read is synchronous: a connection made during it is already queued by now.
    QVERIFY2(!server.waitForNewConnection(0), "the reader connected to the address");
    QVERIFY(!server.hasPendingConnections());
}

void tst_HostileInput::plainDoctypeReads()
{
    QByteArray bytes = HostileDocuments::unit("k", "a", "b");
    bytes.insert(bytes.indexOf("<xliff"), "<!DOCTYPE xliff>\n");
    const ReadResult result = readBytes(bytes);
    QVERIFY(result.complete);
    QCOMPARE(result.units.size(), size_t(1));
    QCOMPARE(result.units[0].tget, u"b"_s);
}

void tst_HostileInput::deepNesting()
{
    constexpr int depth = 100000;
    const QByteArray target =
        QByteArray("<g>").repeated(depth) + "deep" + QByteArray("</g>").repeated(depth);
    const ReadResult result = readBytes(HostileDocuments::unit("k", "a", target));
    QVERIFY(result.complete);
    QCOMPARE(result.units.size(), size_t(1));
    QCOMPARE(result.units[0].tget, u"deep"_s);
}

void tst_HostileInput::largeTextNode()
{
    constexpr qsizetype size = 10 * 1024 * 1024;
    const ReadResult result = readBytes(HostileDocuments::unit("k", QByteArray(size, 'x'), "b"));
    QVERIFY(result.complete);
    QCOMPARE(result.units.size(), size_t(1));
    QCOMPARE(result.units[0].srcs->size(), size);
}

void tst_HostileInput::longId()
{
    const QByteArray id(100000, 'i');
    const ReadResult result = readBytes(HostileDocuments::unit(id, "a", "b"));
    QVERIFY(result.complete);
    QCOMPARE(result.units[0].name->size(), id.size());
}

void tst_HostileInput::fileOver256MegabytesRefused()
{
    const QString path = m_dir.filePath(u"huge.xliff"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Sparse: the size is set, no block is written, so the test costs no disk.
    QVERIFY(file.resize(DocumentFile::maxSize + 1));
    file.close();

    ParseState state;
    const ReadResult read = XliffReader(state).readFile(path);
    QVERIFY(!read.complete);
    QVERIFY2(read.errorString.contains(u"256 MB"_s), qPrintable(read.errorString));

    const SpliceResult save = XliffWriter::pack(path, {});
    QVERIFY(!save.bytes);
    QVERIFY(save.unreadable);
    QVERIFY(save.errorString.contains(u"256 MB"_s));
}

void tst_HostileInput::notARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to /dev/zero") << u"zero"_s;
    QTest::newRow("named pipe") << u"fifo"_s;
    QTest::newRow("folder") << u"folder"_s;
}

void tst_HostileInput::notARegularFile()
{
    QFETCH(QString, kind);
    const QString path = m_dir.filePath(kind + u".xliff"_s);
    const QByteArray native = QFile::encodeName(path);
    if (kind == u"zero")
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    else if (kind == u"fifo")
        QCOMPARE(mkfifo(native.constData(), 0600), 0);
    else
        QVERIFY(QDir().mkdir(path));

    // Neither reads forever nor waits for a writer.
    ParseState state;
    const ReadResult read = XliffReader(state).readFile(path);
    QVERIFY(!read.complete);
    QVERIFY(!read.errorString.isEmpty());
    const SpliceResult save = XliffWriter::pack(path, {});
    QVERIFY(!save.bytes);
    QVERIFY(!save.errorString.isEmpty());
}

QTEST_GUILESS_MAIN(tst_HostileInput)
#include "tst_HostileInput.moc"

// What the command-line tool writes, and where, when asked by a careless or hostile user:
// each row checks the bytes on disk afterwards. Whatever is refused leaves the file
// byte-identical; whatever is written reads back through expat on its own.
#include "CliScratch.h"

#include "splice/SpliceVerifier.h"
#include "xliff/XliffReader.h"

#include <QLocalServer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace CliScratchData;

namespace {

mode_t fileType(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

} // namespace

class tst_CliSaves : public QObject
{
    Q_OBJECT

public:
    enum class Output
    {
        Pipe,
        ReadPipe,
        Device,
        Socket,
        Folder,
        Stdout
    };

private slots:
    void init();
    void paths_data();
    void paths();
    void outputKinds_data();
    void outputKinds();
    void sizeLimit_data();
    void sizeLimit();
    void unwritableEdits_data();
    void unwritableEdits();
    void encodings_data();
    void encodings();
    void boundedReads_data();
    void boundedReads();
    void lostOutput_data();
    void lostOutput();
    void modes_data();
    void modes();

private:
    QString path(const QString &relative) const { return m_scratch.path(relative); }
    CliRun run(const QStringList &arguments, const QString &outputFile = {}) const
    {
        return m_scratch.run(arguments, outputFile);
    }
    void expectRefused(const CliRun &run, const QString &message, const QString &document)
    {
        m_scratch.expectRefused(run, message, document);
    }

    CliScratch m_scratch;
};

void tst_CliSaves::init()
{
    QVERIFY(m_scratch.setUp());
}

void tst_CliSaves::paths_data()
{
    QTest::addColumn<QString>("cwd");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("refusal");
    const QString file = u"pkg.xcloc/Localized Contents/ja.xliff"_s;
    QTest::newRow("relative file") << QString() << file << QString();
    QTest::newRow("relative package") << QString() << u"pkg.xcloc"_s << QString();
    QTest::newRow("trailing slash") << QString() << u"pkg.xcloc//"_s << QString();
    QTest::newRow("dot slash") << QString() << u"./pkg.xcloc"_s << QString();
    QTest::newRow("dot inside the package") << u"pkg.xcloc"_s << u"."_s << QString();
    QTest::newRow("several files, listed as typed")
        << QString() << u"two"_s << u"name one of them:\n  two/a.xliff\n  two/b.xliff"_s;
}

void tst_CliSaves::paths()
{
    QFETCH(QString, cwd);
    QFETCH(QString, argument);
    QFETCH(QString, refusal);
    const CliRun done = runCli({u"apply"_s, argument, path(u"edits.jsonl"_s)},
                               CliSetup{path(u"data"_s), path(cwd), {}});
    if (!refusal.isEmpty()) {
        expectRefused(done, refusal, u"two/a.xliff"_s);
        QCOMPARE(TestFiles::read(path(u"two/b.xliff"_s)), m_scratch.original());
        return;
    }
    QVERIFY2(done.exitCode == 0, qPrintable(done.err));
    const QByteArray written = TestFiles::read(path(u"pkg.xcloc/Localized Contents/ja.xliff"_s));
    QCOMPARE(targetOf(written, 2), edited);
}

void tst_CliSaves::outputKinds_data()
{
    QTest::addColumn<Output>("output");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("pipe nobody reads") << Output::Pipe << u"no program is reading"_s;
    QTest::newRow("pipe being read") << Output::ReadPipe << QString();
    QTest::newRow("character device") << Output::Device << QString();
    QTest::newRow("socket") << Output::Socket << u"it is not a regular file"_s;
    QTest::newRow("folder") << Output::Folder << u"a folder stands where the file should be"_s;
    QTest::newRow("- for standard output") << Output::Stdout << QString();
}

void tst_CliSaves::outputKinds()
{
    QFETCH(Output, output);
    QFETCH(QString, refusal);
    QString target = path(u"pipe"_s);
    int reader = -1;
    const auto closing = qScopeGuard([&] {
        if (reader >= 0)
            ::close(reader);
    });
    QLocalServer server;
    switch (output) {
    case Output::Pipe:
        break;
    case Output::ReadPipe:
        reader = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        break;
    case Output::Device:
        if (::geteuid() != 0)
            QSKIP("making a device node needs root");
        target = path(u"null"_s);
        QCOMPARE(::mknod(QFile::encodeName(target).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        break;
    case Output::Socket:
        target = path(u"socket"_s);
        QVERIFY(server.listen(target));
        break;
    case Output::Folder:
        target = path(u"folder"_s);
        break;
    case Output::Stdout:
        target = u"-"_s;
        break;
    }
    const mode_t type = fileType(target);
    const CliRun done = run({u"apply"_s, u"doc.xliff"_s, u"edits.jsonl"_s, u"-o"_s, target});
    if (!refusal.isEmpty())
        expectRefused(done, refusal, u"doc.xliff"_s);
    else
        QVERIFY2(done.exitCode == 0, qPrintable(done.err));
    // Never replaced: what stood there still does, and the input is untouched.
    QCOMPARE(fileType(target), type);
    QCOMPARE(TestFiles::read(path(u"doc.xliff"_s)), m_scratch.original());
    QByteArray written = done.out;
    if (reader >= 0) {
        QByteArray buffer(1 << 16, '\0');
        written = buffer.left(::read(reader, buffer.data(), buffer.size()));
    }
    if (output == Output::ReadPipe || output == Output::Stdout)
        QCOMPARE(targetOf(written, 2), edited);
}

void tst_CliSaves::sizeLimit_data()
{
    QTest::addColumn<qint64>("spare");
    QTest::newRow("at the limit") << qint64(0);
    QTest::newRow("one byte over") << qint64(-1);
}

void tst_CliSaves::sizeLimit()
{
    // The limit as opening applies it, scaled down: the save's proof refuses what opening would.
    QFETCH(qint64, spare);
    ParseState state;
    std::vector<UnitRecord> rows = XliffReader(state).read(m_scratch.original()).units;
    rows[2].tget = edited;
    const QByteArray bytes =
        QByteArray(m_scratch.original())
            .replace("<source>Preferences…</source>",
                     "<source>Preferences…</source>\n        <target>設定…</target>");
    const SpliceResult result = SpliceVerifier::verify(bytes, rows, {}, bytes.size() + spare);
    QCOMPARE(result.bytes.has_value(), spare >= 0);
    QCOMPARE(result.errorString.contains(u"larger than"_s), spare < 0);
}

void tst_CliSaves::unwritableEdits_data()
{
    QTest::addColumn<QByteArray>("tget");
    QTest::addColumn<QString>("expected"); ///< the target read back; a refusal's code point
    QTest::newRow("lone high surrogate") << QByteArray("\\ud800") << u"U+D800"_s;
    QTest::newRow("lone low surrogate") << QByteArray("a\\udfff") << u"U+DFFF"_s;
    QTest::newRow("U+FFFE") << QByteArray("\\ufffe") << u"U+FFFE"_s;
    QTest::newRow("U+FFFF") << QByteArray("\\uffff") << u"U+FFFF"_s;
    QTest::newRow("control character") << QByteArray("a\\u0001") << u"U+0001"_s;
    QTest::newRow("escape") << QByteArray("\\u001b[0m") << u"U+001B"_s;
    QTest::newRow("CR LF") << QByteArray("a\\r\\nb") << u"a\r\nb"_s;
    QTest::newRow("lone CR") << QByteArray("a\\rb") << u"a\rb"_s;
    QTest::newRow("tab and LF") << QByteArray("a\\tb\\nc") << u"a\tb\nc"_s;
    QTest::newRow("surrogate pair") << QByteArray("\\ud83d\\ude00") << u"😀"_s;
}

void tst_CliSaves::unwritableEdits()
{
    QFETCH(QByteArray, tget);
    QFETCH(QString, expected);
    // The first line is sound: a refusal of the second still writes nothing.
    QVERIFY(TestFiles::write(path(u"edits.jsonl"_s),
                             edit + "{\"port\": 3, \"tget\": \"" + tget + "\"}\n"));
    const CliRun done = run({u"apply"_s, u"doc.xliff"_s, u"edits.jsonl"_s});
    if (expected.startsWith(u"U+"_s)) {
        expectRefused(done, u"edits.jsonl: line 2: \"tget\" holds "_s + expected, u"doc.xliff"_s);
        return;
    }
    QVERIFY2(done.exitCode == 0, qPrintable(done.err));
    const QByteArray written = TestFiles::read(path(u"doc.xliff"_s));
    QCOMPARE(targetOf(written, 3), expected);
    QCOMPARE(targetOf(written, 2), edited);
    // The sample's own line breaks are line feeds: a carriage return only as a reference.
    QVERIFY(!written.contains('\r'));
}

void tst_CliSaves::encodings_data()
{
    QTest::addColumn<QByteArray>("declaration");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("ISO-8859-1") << QByteArray(" encoding=\"ISO-8859-1\"")
                                << u"declares the encoding ISO-8859-1"_s;
    QTest::newRow("US-ASCII") << QByteArray(" encoding='US-ASCII'")
                              << u"declares the encoding US-ASCII"_s;
    QTest::newRow("utf-8 in lower case") << QByteArray(" encoding=\"utf-8\"") << QString();
    QTest::newRow("no encoding named") << QByteArray() << QString();
}

void tst_CliSaves::encodings()
{
    QFETCH(QByteArray, declaration);
    QFETCH(QString, refusal);
    // ASCII only, so that the old reading as UTF-8 met no invalid byte.
    m_scratch.original() = "<?xml version=\"1.0\"" + declaration +
                           "?>\n<xliff version=\"1.2\"><file original=\"f\"><body>\n"
                           "<trans-unit id=\"k\"><source>Yes</source></trans-unit>\n"
                           "</body></file></xliff>\n";
    QVERIFY(TestFiles::write(path(u"doc.xliff"_s), m_scratch.original()));
    QVERIFY(TestFiles::write(path(u"edits.jsonl"_s), "{\"port\": 0, \"tget\": \"はい\"}\n"));
    const CliRun done = run({u"apply"_s, u"doc.xliff"_s, u"edits.jsonl"_s});
    if (refusal.isEmpty()) {
        QVERIFY2(done.exitCode == 0, qPrintable(done.err));
        QCOMPARE(targetOf(TestFiles::read(path(u"doc.xliff"_s)), 0), u"はい"_s);
        return;
    }
    expectRefused(done, u"doc.xliff:1:"_s, u"doc.xliff"_s);
    QVERIFY2(done.err.contains(refusal), qPrintable(done.err));
    expectRefused(run({u"verify"_s, u"doc.xliff"_s, u"doc.xliff"_s}), refusal, u"doc.xliff"_s);
}

void tst_CliSaves::boundedReads_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("refusal");
    const QString notRegular = u"it is not a regular file"_s;
    QTest::newRow("dictionary /dev/zero")
        << QStringList{u"fill"_s, u"doc.xliff"_s, u"--dictionary"_s, u"/dev/zero"_s}
        << u"/dev/zero: "_s + notRegular;
    QTest::newRow("dictionary pipe")
        << QStringList{u"fill"_s, u"doc.xliff"_s, u"--dictionary"_s, u"pipe"_s}
        << u"pipe: "_s + notRegular;
    QTest::newRow("dictionary folder")
        << QStringList{u"fill"_s, u"doc.xliff"_s, u"--dictionary"_s, u"folder"_s}
        << u"folder: it is a folder"_s;
    QTest::newRow("edits pipe") << QStringList{u"apply"_s, u"doc.xliff"_s, u"pipe"_s}
                                << u"pipe: "_s + notRegular;
    QTest::newRow("edits /dev/zero")
        << QStringList{u"apply"_s, u"doc.xliff"_s, u"/dev/zero"_s} << u"/dev/zero: "_s + notRegular;
    QTest::newRow("stored dictionary a pipe, fill")
        << QStringList{u"fill"_s, u"doc.xliff"_s} << u"dictionary.json: "_s + notRegular;
    QTest::newRow("stored dictionary a pipe, printed")
        << QStringList{u"dictionary"_s} << u"dictionary.json: "_s + notRegular;
}

void tst_CliSaves::boundedReads()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, refusal);
    const QString stored = path(u"data/Tarnwick/Tarnwick/dictionary.json"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(stored).constData(), 0600), 0);
    // A read that waited on a pipe would never end; runCli() gives up and fails the row.
    expectRefused(run(arguments), refusal, u"doc.xliff"_s);
    QCOMPARE(fileType(stored), mode_t(S_IFIFO));
}

void tst_CliSaves::lostOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("units") << QStringList{u"units"_s, u"doc.xliff"_s};
    QTest::newRow("stats") << QStringList{u"stats"_s, u"doc.xliff"_s};
    QTest::newRow("verify") << QStringList{u"verify"_s, u"done.xliff"_s, u"doc.xliff"_s};
    QTest::newRow("dictionary") << QStringList{u"dictionary"_s};
    QTest::newRow("--help") << QStringList{u"--help"_s};
    QTest::newRow("apply -o -") << QStringList{u"apply"_s, u"doc.xliff"_s, u"edits.jsonl"_s,
                                               u"-o"_s, u"-"_s};
}

void tst_CliSaves::lostOutput()
{
    QFETCH(QStringList, arguments);
    if (!QFileInfo(u"/dev/full"_s).exists())
        QSKIP("this system has no /dev/full");
    QCOMPARE(run({u"apply"_s, u"doc.xliff"_s, u"edits.jsonl"_s, u"-o"_s, u"done.xliff"_s}).exitCode,
             0);
    expectRefused(run(arguments, u"/dev/full"_s), u"could not write the output: "_s,
                  u"doc.xliff"_s);
}

void tst_CliSaves::modes_data()
{
    QTest::addColumn<uint>("mode");
    QTest::addColumn<bool>("nobody");
    QTest::newRow("0444 is refused") << 0444u << false;
    QTest::newRow("0400 is refused") << 0400u << false;
    QTest::newRow("setgid 02664 kept") << 02664u << false;
    QTest::newRow("0604 kept") << 0604u << false;
    QTest::newRow("owner nobody:nogroup kept") << 0666u << true;
}

void tst_CliSaves::modes()
{
    QFETCH(uint, mode);
    QFETCH(bool, nobody);
    const QByteArray file = QFile::encodeName(path(u"doc.xliff"_s));
    if (nobody && ::geteuid() != 0)
        QSKIP("giving a file to another user needs root");
    if (nobody)
        QCOMPARE(::chown(file.constData(), 65534, 65534), 0);
    QCOMPARE(::chmod(file.constData(), mode), 0);
    struct stat before = {};
    QCOMPARE(::stat(file.constData(), &before), 0);
    const CliRun done = run({u"apply"_s, u"doc.xliff"_s, u"edits.jsonl"_s});
    if ((mode & 0200) == 0) {
        expectRefused(done, u"is not writable"_s, u"doc.xliff"_s);
    } else {
        QVERIFY2(done.exitCode == 0, qPrintable(done.err));
        QCOMPARE(targetOf(TestFiles::read(path(u"doc.xliff"_s)), 2), edited);
    }
    struct stat after = {};
    QCOMPARE(::stat(file.constData(), &after), 0);
    QCOMPARE(after.st_mode & 07777, before.st_mode & 07777);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
}

QTEST_GUILESS_MAIN(tst_CliSaves)
#include "tst_CliSaves.moc"

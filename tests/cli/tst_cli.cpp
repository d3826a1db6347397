#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

/// Runs the tool with its data folder in `dataHome`, never the user's own.
Run cli(const QStringList &arguments,
        const QString &dataHome = QDir::tempPath() + u"/tarnwick-cli-test"_s)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_s, dataHome);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARNWICK_CLI), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

QList<QJsonObject> units(const QByteArray &jsonLines)
{
    QList<QJsonObject> objects;
    for (const QByteArray &line : jsonLines.split('\n')) {
        if (!line.isEmpty())
            objects.append(QJsonDocument::fromJson(line).object());
    }
    return objects;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString sample = QStringLiteral(TARNWICK_SAMPLE);

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void unitsPrintsEveryUnit();
    void folders_data();
    void folders();
    void malformedNamesLineAndColumn();
    void usageErrors_data();
    void usageErrors();
    void applyWritesEdits();
    void applyReportsTargetsThatDidNotLand();
    void applyRejectsBadEdits_data();
    void applyRejectsBadEdits();
    void statsCounts();
    void fillFromDictionary();
    void fillWithOwnDictionary();
    void dictionaryPrintsEntries();
};

void TestCli::unitsPrintsEveryUnit()
{
    const Run run = cli({u"units"_s, sample});
    QCOMPARE(run.exitCode, 0);
    const auto objects = units(run.out);
    QCOMPARE(objects.size(), 15);
    const QJsonObject about = objects[1];
    QCOMPARE(about[u"name"_s].toString(), u"5kV-Vb-QxS.title"_s);
    QCOMPARE(about[u"tget"_s].toString(), u"Sample について"_s);
    QCOMPARE(about[u"part"_s].toString(), u"NSMenuItem"_s);
    QCOMPARE(about[u"port"_s].toInt(), 1);
    QVERIFY(!objects[0].contains(u"tget"_s)); // absent, not empty
    QCOMPARE(objects[14][u"tget"_s].toString(), u""_s);
    QCOMPARE(objects[13][u"srcs"_s].toString(), u"Rock & Roll"_s);
    QCOMPARE(objects[13][u"from"_s].toString(), u"Sample/en.lproj/Localizable.strings"_s);
}

void TestCli::folders_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("one file deep below")
        << QStringList{u"ja.xcloc/Localized Contents/ja.xliff"_s} << 0 << QString();
    QTest::newRow("several") << QStringList{u"a.xliff"_s, u"b/b.xliff"_s} << 1 << u"b/b.xliff"_s;
    QTest::newRow("none") << QStringList{u"notes.txt"_s, u"upper.XLIFF"_s} << 1
                          << u"No appropriate files found"_s;
}

void TestCli::folders()
{
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    for (const QString &file : files) {
        QDir(dir.path()).mkpath(QFileInfo(file).path());
        QVERIFY(QFile::copy(sample, dir.filePath(file)));
    }
    const Run run = cli({u"units"_s, dir.path()});
    QTEST(run.exitCode, "exitCode");
    QFETCH(QString, message);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

void TestCli::malformedNamesLineAndColumn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bad.xliff"_s);
    writeFile(path, "<xliff>\n  <file>\n    <oops>\n</xliff>\n");
    const Run run = cli({u"units"_s, path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(path + u":4:3:"_s), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown") << QStringList{u"frobnicate"_s};
    QTest::newRow("units without path") << QStringList{u"units"_s};
    QTest::newRow("apply without edits") << QStringList{u"apply"_s, sample};
    QTest::newRow("-o without file") << QStringList{u"apply"_s, sample, u"e"_s, u"-o"_s};
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    QCOMPARE(cli(arguments).exitCode, 2);
}

void TestCli::applyWritesEdits()
{
    QTemporaryDir dir;
    const QString edits = dir.filePath(u"edits.jsonl"_s);
    const QString out = dir.filePath(u"out.xliff"_s);
    writeFile(edits,
              "{\"port\": 0, \"tget\": \"サンプル\"}\n\n"
              "{\"from\": \"Sample/en.lproj/Localizable.strings\", \"name\": \"Rock & Roll\","
              " \"tget\": \"ロック & ロール\"}\n");
    const QByteArray original = readFile(sample);
    const Run run = cli({u"apply"_s, sample, edits, u"-o"_s, out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(sample), original);
    const auto objects = units(cli({u"units"_s, out}).out);
    QCOMPARE(objects[0][u"tget"_s].toString(), u"サンプル"_s);
    QCOMPARE(objects[13][u"tget"_s].toString(), u"ロック & ロール"_s);
    QVERIFY(readFile(out).contains("<target>ロック &amp; ロール</target>"));

    // In place, with no edits: the file keeps every byte.
    const QString copy = dir.filePath(u"copy.xliff"_s);
    QVERIFY(QFile::copy(sample, copy));
    writeFile(edits, "");
    QCOMPARE(cli({u"apply"_s, copy, edits}).exitCode, 0);
    QCOMPARE(readFile(copy), original);
}

void TestCli::applyReportsTargetsThatDidNotLand()
{
    QTemporaryDir dir;
    const QString edits = dir.filePath(u"edits.jsonl"_s);
    const QString out = dir.filePath(u"out.xliff"_s);
    // A carriage return cannot survive as typed: XML reads it back as a line feed.
    writeFile(edits, "{\"port\": 2, \"tget\": \"a\\rb\"}\n{\"port\": 3, \"tget\": \"ok\"}\n");
    const Run run = cli({u"apply"_s, sample, edits, u"-o"_s, out});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.err.contains(u"BOF-NM-1cW.title"_s), qPrintable(run.err));
    QVERIFY(!run.err.contains(u"Olw-nP-bQN.title"_s));
    QCOMPARE(units(cli({u"units"_s, out}).out)[3][u"tget"_s].toString(), u"ok"_s);
}

void TestCli::applyRejectsBadEdits_data()
{
    QTest::addColumn<QByteArray>("edits");
    QTest::addColumn<QString>("message");
    QTest::newRow("not json") << QByteArray("{\"port\": 1, \"tget\": \"a\"}\n{oops\n")
                              << u"line 2"_s;
    QTest::newRow("no target") << QByteArray("{\"port\": 1}\n") << u"line 1"_s;
    QTest::newRow("no such port") << QByteArray("{\"port\": 99, \"tget\": \"x\"}\n") << u"line 1"_s;
    QTest::newRow("no such name") << QByteArray("{\"name\": \"nope\", \"tget\": \"x\"}\n")
                                  << u"line 1"_s;
}

void TestCli::applyRejectsBadEdits()
{
    QFETCH(QByteArray, edits);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"edits.jsonl"_s);
    const QString copy = dir.filePath(u"copy.xliff"_s);
    QVERIFY(QFile::copy(sample, copy));
    writeFile(path, edits);
    const Run run = cli({u"apply"_s, copy, path});
    QCOMPARE(run.exitCode, 1);
    QFETCH(QString, message);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(readFile(copy), readFile(sample));
}

void TestCli::statsCounts()
{
    const Run run = cli({u"stats"_s, sample});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[1], QByteArray("12\t2\t0\t10\tSample/Base.lproj/MainMenu.xib"));
    QCOMPARE(lines[2], QByteArray("3\t1\t1\t1\tSample/en.lproj/Localizable.strings"));
    QVERIFY(lines[3].startsWith("15\t3\t1\t11\t"));
}

void TestCli::fillFromDictionary()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out.xliff"_s);
    const Run run = cli({u"fill"_s, sample, u"-o"_s, out}, dir.filePath(u"data"_s));
    QCOMPARE(run.exitCode, 0);
    const auto objects = units(cli({u"units"_s, out}).out);
    QCOMPARE(objects[1][u"tget"_s].toString(), u"Sample について"_s);
    QCOMPARE(objects[3][u"tget"_s].toString(), u"Sample を隠す"_s);
    QCOMPARE(objects[4][u"tget"_s].toString(), u"他を隠す"_s);
    QCOMPARE(objects[5][u"tget"_s].toString(), u"Sample を終了"_s);
    QCOMPARE(objects[10][u"tget"_s].toString(), u"編集"_s);
    QCOMPARE(objects[11][u"tget"_s].toString(), u"Sample ヘルプ"_s);
    QVERIFY(!objects[0].contains(u"tget"_s)); // the bare application name has no rule
    const Run verified = cli({u"verify"_s, out, sample});
    QCOMPARE(verified.exitCode, 0);
    const auto changed = units(verified.out); // "About" already had its title
    QCOMPARE(changed.size(), 10);
    QCOMPARE(changed.first()[u"name"_s].toString(), u"BOF-NM-1cW.title"_s);
    QCOMPARE(changed.first()[u"port"_s].toInt(), 2);
    QCOMPARE(changed.first()[u"from"_s].toString(), u"Sample/Base.lproj/MainMenu.xib"_s);
}

void TestCli::fillWithOwnDictionary()
{
    QTemporaryDir dir;
    const QString dictionary = dir.filePath(u"mine.jsonl"_s);
    const QString out = dir.filePath(u"out.xliff"_s);
    writeFile(dictionary, "{\"srcs\": \"Rock & Roll\", \"tget\": \"ロックンロール\"}\n");
    QCOMPARE(cli({u"fill"_s, sample, u"--dictionary"_s, dictionary, u"-o"_s, out}).exitCode, 0);
    const auto objects = units(cli({u"units"_s, out}).out);
    QCOMPARE(objects[13][u"tget"_s].toString(), u"ロックンロール"_s);
    QVERIFY(!objects[6].contains(u"tget"_s)); // "File" is only in the built-in list
    writeFile(dictionary, "{\"srcs\": 1}\n");
    const Run bad = cli({u"fill"_s, sample, u"--dictionary"_s, dictionary, u"-o"_s, out});
    QCOMPARE(bad.exitCode, 1);
    QVERIFY2(bad.err.contains(u"mine.jsonl"_s), qPrintable(bad.err));
}

void TestCli::dictionaryPrintsEntries()
{
    QTemporaryDir dir;
    const Run builtin = cli({u"dictionary"_s, u"--builtin"_s});
    QCOMPARE(builtin.exitCode, 0);
    const auto entries = units(builtin.out);
    QCOMPARE(entries.size(), 124);
    QCOMPARE(entries.first()[u"srcs"_s].toString(), u"Customize Toolbar…"_s);
    // With nothing stored, the user's dictionary is the built-in one.
    QCOMPARE(cli({u"dictionary"_s}, dir.path()).out, builtin.out);
    QCOMPARE(cli({u"dictionary"_s, u"--all"_s}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

// tarnwick-cli end to end, through the real executable and the sample export.
#include "CliRun.h"
#include "hardening/TestFiles.h"

#include "dictionary/BuiltinDictionary.h"
#include "dictionary/DictionaryFormat.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString sample = QStringLiteral(TARNWICK_SAMPLE);

QList<QJsonObject> objects(const QByteArray &jsonLines)
{
    QList<QJsonObject> objects;
    for (const QByteArray &line : jsonLines.split('\n')) {
        if (!line.isEmpty())
            objects.append(QJsonDocument::fromJson(line).object());
    }
    return objects;
}

/// The units of the file as `units` prints them.
QList<QJsonObject> unitsOf(const QString &path)
{
    return objects(runCli({u"units"_s, path}).out);
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void unitsPrintsEveryUnit();
    void exitStatus_data();
    void exitStatus();
    void applyWritesEdits();
    void applyReportsTargetsThatDidNotLand();
    void statsCounts();
    void fill();
    void dictionaryPrintsEntries();
};

void TestCli::unitsPrintsEveryUnit()
{
    const CliRun run = runCli({u"units"_s, sample});
    QCOMPARE(run.exitCode, 0);
    const auto units = objects(run.out);
    QCOMPARE(units.size(), 15);
    const QJsonObject about = units[1];
    QCOMPARE(about[u"name"_s].toString(), u"5kV-Vb-QxS.title"_s);
    QCOMPARE(about[u"tget"_s].toString(), u"Sample について"_s);
    QCOMPARE(about[u"part"_s].toString(), u"NSMenuItem"_s);
    QCOMPARE(about[u"port"_s].toInt(), 1);
    QVERIFY(!units[0].contains(u"tget"_s)); // absent, not empty
    QCOMPARE(units[14][u"tget"_s].toString(), u""_s);
    QCOMPARE(units[13][u"srcs"_s].toString(), u"Rock & Roll"_s);
    QCOMPARE(units[13][u"from"_s].toString(), u"Sample/en.lproj/Localizable.strings"_s);
}

void TestCli::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments"); ///< FOLDER, COPY and LIST stand for the files made
    QTest::addColumn<QStringList>("files");     ///< copies of the sample made below FOLDER
    QTest::addColumn<QByteArray>("list");       ///< what LIST holds
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const auto usage = [](const char *name, const QStringList &arguments) {
        QTest::newRow(name) << arguments << QStringList() << QByteArray() << 2 << QString();
    };
    const auto folder = [](const char *name, const QStringList &files, int exitCode,
                           const QString &message) {
        QTest::newRow(name) << QStringList{u"units"_s, u"FOLDER"_s} << files << QByteArray()
                            << exitCode << message;
    };
    const auto list = [](const char *name, const QStringList &arguments, const QByteArray &text,
                         const QString &message) {
        QTest::newRow(name) << arguments << QStringList() << text << 1 << message;
    };
    const QStringList apply{u"apply"_s, u"COPY"_s, u"LIST"_s};

    usage("nothing", {});
    usage("unknown command", {u"frobnicate"_s});
    usage("units without path", {u"units"_s});
    usage("apply without edits", {u"apply"_s, u"COPY"_s});
    usage("-o without file", apply + QStringList{u"-o"_s});
    usage("dictionary --all", {u"dictionary"_s, u"--all"_s});
    folder("folder, one file deep below", {u"ja.xcloc/Localized Contents/ja.xliff"_s}, 0, {});
    folder("folder, several", {u"a.xliff"_s, u"b/b.xliff"_s}, 1, u"b/b.xliff"_s);
    folder("folder, none", {u"notes.txt"_s, u"upper.XLIFF"_s}, 1, u"No appropriate files found"_s);
    list("edits, not json", apply, "{\"port\": 1, \"tget\": \"a\"}\n{oops\n", u"line 2"_s);
    list("edits, no target", apply, "{\"port\": 1}\n", u"line 1"_s);
    list("edits, no such port", apply, "{\"port\": 99, \"tget\": \"x\"}\n", u"line 1"_s);
    // Qt's parser takes these; JSON does not, so they are refused with their line.
    const std::pair<const char *, QByteArray> notJson[] = {
        {"edits, hex escape", R"("\x41")"},
        {"edits, nul escape", R"("\0")"},
        {"edits, raw tab", "\"a\tb\""},
        {"edits, raw carriage return", "\"a\rb\""},
    };
    for (const auto &[name, target] : notJson)
        list(name, apply,
             "{\"port\": 1, \"tget\": \"a\"}\n{\"port\": 2, \"tget\": " + target + "}\n",
             u"line 2: not JSON"_s);
    list("edits, escape in a key", apply, "{\"port\": 1, \"t\\get\": \"a\"}\n",
         u"line 1: not JSON"_s);
    list("edits, no such name", apply, "{\"name\": \"nope\", \"tget\": \"x\"}\n", u"line 1"_s);
    list("dictionary, number source", {u"fill"_s, u"COPY"_s, u"--dictionary"_s, u"LIST"_s},
         "{\"srcs\": 1}\n", u"list.jsonl"_s);
}

void TestCli::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    QFETCH(QByteArray, list);
    const QTemporaryDir dir;
    const QDir folder(dir.filePath(u"folder"_s));
    const QString copy = dir.filePath(u"copy.xliff"_s);
    const QString listPath = dir.filePath(u"list.jsonl"_s);
    QVERIFY(QFile::copy(sample, copy));
    QVERIFY(TestFiles::write(listPath, list));
    for (const QString &file : files) {
        QVERIFY(folder.mkpath(QFileInfo(file).path()));
        QVERIFY(QFile::copy(sample, folder.filePath(file)));
    }
    for (QString &argument : arguments) {
        if (argument == u"FOLDER")
            argument = folder.path();
        else if (argument == u"COPY")
            argument = copy;
        else if (argument == u"LIST")
            argument = listPath;
    }

    const CliRun run = runCli(arguments);
    QTEST(run.exitCode, "exitCode");
    QFETCH(QString, message);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(TestFiles::read(copy), TestFiles::read(sample));
}

void TestCli::applyWritesEdits()
{
    const QTemporaryDir dir;
    const QString edits = dir.filePath(u"edits.jsonl"_s);
    const QString out = dir.filePath(u"out.xliff"_s);
    QVERIFY(TestFiles::write(
        edits, "{\"port\": 0, \"tget\": \"サンプル\"}\n\n"
               "{\"from\": \"Sample/en.lproj/Localizable.strings\", \"name\": \"Rock & Roll\","
               " \"tget\": \"ロック & ロール\"}\n"));
    const QByteArray original = TestFiles::read(sample);
    QCOMPARE(runCli({u"apply"_s, sample, edits, u"-o"_s, out}).exitCode, 0);
    QCOMPARE(TestFiles::read(sample), original);
    const auto units = unitsOf(out);
    QCOMPARE(units[0][u"tget"_s].toString(), u"サンプル"_s);
    QCOMPARE(units[13][u"tget"_s].toString(), u"ロック & ロール"_s);
    QVERIFY(TestFiles::read(out).contains("<target>ロック &amp; ロール</target>"));

    // In place, with no edits: the file keeps every byte.
    const QString copy = dir.filePath(u"copy.xliff"_s);
    QVERIFY(QFile::copy(sample, copy));
    QVERIFY(TestFiles::write(edits, ""));
    QCOMPARE(runCli({u"apply"_s, copy, edits}).exitCode, 0);
    QCOMPARE(TestFiles::read(copy), original);
}

void TestCli::applyReportsTargetsThatDidNotLand()
{
    const QTemporaryDir dir;
    const QString edits = dir.filePath(u"edits.jsonl"_s);
    const QString nested = dir.filePath(u"nested.xliff"_s);
    const QString out = dir.filePath(u"out.xliff"_s);
    // A unit inside another reads, but no splice can tell where its target belongs.
    const QByteArray text = "<xliff version=\"1.2\"><file original=\"f\"><body>\n"
                            "<trans-unit id=\"a\"><source>A</source>\n"
                            "<trans-unit id=\"b\"><source>B</source></trans-unit>"
                            "</trans-unit>\n</body></file></xliff>\n";
    QVERIFY(TestFiles::write(nested, text));
    QVERIFY(TestFiles::write(edits, "{\"port\": 0, \"tget\": \"x\"}\n"));
    const CliRun run = runCli({u"apply"_s, nested, edits, u"-o"_s, out});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.err.contains(u"1 target could not be placed:\n  f\tb\tunit 0"_s),
             qPrintable(run.err));
    QCOMPARE(TestFiles::read(out), text);
}

void TestCli::statsCounts()
{
    const CliRun run = runCli({u"stats"_s, sample});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 4);
    // Then the source words of units translated and still to translate, the file last.
    QCOMPARE(lines[0], QByteArray("units\ttarget\tempty\tnone\twords translated\twords to "
                                  "translate\tfile"));
    QCOMPARE(lines[1], QByteArray("12\t2\t0\t10\t3\t15\tSample/Base.lproj/MainMenu.xib"));
    QCOMPARE(lines[2], QByteArray("3\t1\t1\t1\t3\t4\tSample/en.lproj/Localizable.strings"));
    QVERIFY(lines[3].startsWith("15\t3\t1\t11\t6\t19\t"));
}

void TestCli::fill()
{
    const QTemporaryDir dir;
    const QString out = dir.filePath(u"out.xliff"_s);
    const CliRun filled = runCli({u"fill"_s, sample, u"-o"_s, out}, dir.filePath(u"data"_s));
    QCOMPARE(filled.exitCode, 0);
    // "About Sample" had its title already; "Hide Others" held another translation.
    QVERIFY2(filled.err.contains(u"Replaced 10 targets; 1 of them had another translation."_s),
             qPrintable(filled.err));
    auto units = unitsOf(out);
    QCOMPARE(units[3][u"tget"_s].toString(), u"Sample を隠す"_s);  // a rule
    QCOMPARE(units[4][u"tget"_s].toString(), u"他を隠す"_s);       // an entry, not the rule
    QCOMPARE(units[11][u"tget"_s].toString(), u"Sample ヘルプ"_s); // a rule
    QCOMPARE(units[10][u"tget"_s].toString(), u"編集"_s);          // an entry
    QVERIFY(!units[0].contains(u"tget"_s)); // the bare application name has no rule
    const CliRun verified = runCli({u"verify"_s, out, sample});
    QCOMPARE(verified.exitCode, 0);
    const auto changed = objects(verified.out); // "About" already had its title
    QCOMPARE(changed.size(), 10);
    QCOMPARE(changed.first()[u"name"_s].toString(), u"BOF-NM-1cW.title"_s);
    QCOMPARE(changed.first()[u"port"_s].toInt(), 2);
    QCOMPARE(changed.first()[u"from"_s].toString(), u"Sample/Base.lproj/MainMenu.xib"_s);

    // A dictionary of one's own replaces the built-in one.
    const QString dictionary = dir.filePath(u"mine.jsonl"_s);
    QVERIFY(TestFiles::write(dictionary,
                             "{\"srcs\": \"Rock & Roll\", \"tget\": \"ロックンロール\"}\n"));
    QCOMPARE(runCli({u"fill"_s, sample, u"--dictionary"_s, dictionary, u"-o"_s, out}).exitCode, 0);
    units = unitsOf(out);
    QCOMPARE(units[13][u"tget"_s].toString(), u"ロックンロール"_s);
    QVERIFY(!units[6].contains(u"tget"_s)); // "File" is only in the built-in list

    // A document translated into Korean is refused whole, its file left byte for byte.
    const QString korean = dir.filePath(u"ko.xliff"_s);
    const QByteArray koreanText =
        TestFiles::read(sample).replace("target-language=\"ja\"", "target-language=\"ko\"");
    QVERIFY(TestFiles::write(korean, koreanText));
    const CliRun refused = runCli({u"fill"_s, korean}, dir.filePath(u"data"_s));
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(u"translated into \"ko\": nothing was replaced."_s),
             qPrintable(refused.err));
    QCOMPARE(TestFiles::read(korean), koreanText);
}

void TestCli::dictionaryPrintsEntries()
{
    const QTemporaryDir dir;
    const CliRun builtin = runCli({u"dictionary"_s, u"--builtin"_s});
    QCOMPARE(builtin.exitCode, 0);
    QCOMPARE(builtin.out, DictionaryFormat::toJsonLines(BuiltinDictionary::entries()));
    // With nothing stored, the user's dictionary is the built-in one.
    QCOMPARE(runCli({u"dictionary"_s}, dir.path()).out, builtin.out);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

// tarnwick-cli on String Catalogs, through the real executable.
#include "CliRun.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString fixture = QStringLiteral(
    TARNWICK_TEST_DATA "/catalogs/xcstrings-tool-fixture-localizable-1lang.xcstrings");
const QString shortcuts =
    QStringLiteral(TARNWICK_TEST_DATA "/catalogs/coteditor-appshortcuts-18lang.xcstrings");

QList<QJsonObject> objects(const QByteArray &jsonLines)
{
    QList<QJsonObject> found;
    for (const QByteArray &line : jsonLines.split('\n')) {
        if (!line.isEmpty())
            found.append(QJsonDocument::fromJson(line).object());
    }
    return found;
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestCliCatalog : public QObject
{
    Q_OBJECT

private slots:
    void languageIsNeeded();
    void unitsOfOneLanguage();
    void applyVerifyAndCarry();
    void statsListsEveryLanguage();
    void checkAndFill();
    void duplicateKeyWarns();
};

void TestCliCatalog::languageIsNeeded()
{
    const CliRun run = runCli({u"units"_s, shortcuts});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(u"--language"_s) && run.err.contains(u"zh-Hant"_s),
             qPrintable(run.err));
    QCOMPARE(runCli({u"units"_s, shortcuts, u"--language"_s}).exitCode, 2);
}

void TestCliCatalog::unitsOfOneLanguage()
{
    const CliRun run = runCli({u"units"_s, u"--language"_s, u"de"_s, fixture});
    QCOMPARE(run.exitCode, 0);
    const QList<QJsonObject> units = objects(run.out);
    QCOMPARE(units.size(), 14);
    QCOMPARE(units[0].value(u"name"_s).toString(), u"continue"_s);
    QCOMPARE(units[0].value(u"srcs"_s).toString(), u"Continue"_s);
    QVERIFY(!units[0].contains(u"tget"_s));
    QCOMPARE(units[0].value(u"from"_s).toString(),
             u"xcstrings-tool-fixture-localizable-1lang.xcstrings"_s);
}

// apply writes the language and nothing else; verify proves it, and refuses it for another
// language; carry takes the translation over from the saved catalog.
void TestCliCatalog::applyVerifyAndCarry()
{
    const QTemporaryDir dir;
    const QString edits = dir.filePath(u"edits.jsonl"_s);
    // Carry-over matches units by file name, id and source, as Xcode's exports name them.
    QVERIFY(QDir(dir.path()).mkpath(u"a"_s) && QDir(dir.path()).mkpath(u"b"_s));
    const QString out = dir.filePath(u"a/Localizable.xcstrings"_s);
    QVERIFY(write(edits, "{\"port\": 0, \"tget\": \"Weiter\"}\n"
                         "{\"name\": \"myPlural|==|plural.one\", \"tget\": \"%lld Eintrag\"}\n"));
    const CliRun applied =
        runCli({u"apply"_s, u"--language"_s, u"de"_s, fixture, edits, u"-o"_s, out});
    QVERIFY2(applied.exitCode == 0, qPrintable(applied.err));
    const QByteArray saved = read(out);
    QVERIFY(saved.contains("\"de\" : {\n          \"stringUnit\" : {\n            \"state\" : "
                           "\"translated\",\n            \"value\" : \"Weiter\""));

    const CliRun verified = runCli({u"verify"_s, u"--language"_s, u"de"_s, out, fixture});
    QCOMPARE(verified.exitCode, 0);
    const QList<QJsonObject> changed = objects(verified.out);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed[1].value(u"name"_s).toString(), u"myPlural|==|plural.one"_s);
    const CliRun other = runCli({u"verify"_s, u"--language"_s, u"en"_s, out, fixture});
    QCOMPARE(other.exitCode, 1);
    QVERIFY2(other.err.contains(u"continue"_s), qPrintable(other.err));

    const QString copy = dir.filePath(u"b/Localizable.xcstrings"_s);
    QVERIFY(QFile::copy(fixture, copy));
    QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
    const CliRun carried = runCli({u"carry"_s, u"--language"_s, u"de"_s, out, copy});
    QVERIFY2(carried.exitCode == 0, qPrintable(carried.err));
    QVERIFY2(carried.err.contains(u"2 exact"_s), qPrintable(carried.err));
    QCOMPARE(read(copy), saved);
}

void TestCliCatalog::statsListsEveryLanguage()
{
    const CliRun run = runCli({u"stats"_s, shortcuts});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 1 + 18);
    QCOMPARE(lines[0], "units\ttarget\tempty\tnone\ttranslated\tlanguage");
    QVERIFY(lines.contains("1\t1\t0\t0\t1\tde"));
    const CliRun one = runCli({u"stats"_s, u"--language"_s, u"de"_s, shortcuts});
    QCOMPARE(one.exitCode, 0);
    QVERIFY(one.out.contains("1\t1\t0\t0\t"));
}

void TestCliCatalog::checkAndFill()
{
    const QTemporaryDir dir;
    const QString copy = dir.filePath(u"c.xcstrings"_s);
    QVERIFY(QFile::copy(fixture, copy));
    QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
    const QString dictionary = dir.filePath(u"d.jsonl"_s);
    QVERIFY(write(dictionary, "{\"srcs\": \"Continue\", \"tget\": \"続ける\"}\n"));
    const CliRun filled =
        runCli({u"fill"_s, u"--language"_s, u"ja"_s, copy, u"--dictionary"_s, dictionary});
    QVERIFY2(filled.exitCode == 0, qPrintable(filled.err));
    QVERIFY(read(copy).contains("\"ja\" : {\n          \"stringUnit\" : {\n            \"state\" "
                                ": \"translated\",\n            \"value\" : \"続ける\""));
    const CliRun checked = runCli({u"check"_s, u"--language"_s, u"ja"_s, copy});
    QVERIFY2(checked.exitCode == 0, qPrintable(checked.err + QString::fromUtf8(checked.out)));
}

void TestCliCatalog::duplicateKeyWarns()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"twice.xcstrings"_s);
    QVERIFY(
        write(path, R"({"sourceLanguage":"en","strings":{"Done":{},"Done":{}},"version":"1.0"})"));
    const CliRun run = runCli({u"units"_s, u"--language"_s, u"de"_s, path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(objects(run.out).size(), 1);
    QVERIFY2(run.err.contains(u"Done"_s), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestCliCatalog)
#include "tst_clicatalog.moc"

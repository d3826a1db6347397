// `tarnwick-cli check` end to end: its lines, its JSON, its summary and its exit status.
#include "CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// An export with one format error (unit 1), one warning (unit 2), a clean unit and an
/// untranslated one whose copied source would otherwise be flagged.
const QByteArray document = R"(<?xml version="1.0" encoding="UTF-8"?>
<xliff xmlns="urn:oasis:names:tc:xliff:document:1.2" version="1.2">
  <file original="App/en.lproj/Localizable.strings" source-language="en" target-language="ja" datatype="plaintext">
    <body>
      <trans-unit id="Welcome">
        <source>Welcome</source>
        <target>ようこそ</target>
      </trans-unit>
      <trans-unit id="%@ has %d items">
        <source>%@ has %d items</source>
        <target>%d 件 %@</target>
      </trans-unit>
      <trans-unit id="Could not connect.">
        <source>Could not connect.</source>
        <target>接続できません</target>
      </trans-unit>
      <trans-unit id="Open">
        <source>Open</source>
        <target state="new">Open</target>
      </trans-unit>
    </body>
  </file>
</xliff>
)";

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning() << "cannot write" << file.fileName();
    return file.fileName();
}

} // namespace

class TestCheckCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void linesAndSummary();
    void json();
    void exitStatus_data();
    void exitStatus();
    void acceptedWarnings_data();
    void acceptedWarnings();
    void termsKeptAsTheyAre();

private:
    QTemporaryDir m_dir;
};

void TestCheckCommand::linesAndSummary()
{
    const QString path = write(m_dir, u"a.xliff"_s, document);
    const CliRun run = runCli({u"check"_s, path});
    QCOMPARE(run.exitCode, 4);
    const QList<QByteArray> lines = run.out.split('\n');
    QCOMPARE(lines.size(), 4); // two problems, the summary, and the last line's end
    QCOMPARE(lines[0],
             "App/en.lproj/Localizable.strings\t%@ has %d items\t1\tformat\terror\tThe target "
             "changes the order of the format specifiers without numbering them; write them with "
             "positions, such as %1$@ and %2$d.");
    QCOMPARE(lines[1], "App/en.lproj/Localizable.strings\tCould not connect.\t2\tpunctuation\t"
                       "warning\tThe source ends with “.”; the target drops it.");
    QCOMPARE(QString::fromUtf8(lines[2]), path + u": 1 error(s), 1 warning(s)"_s);
}

void TestCheckCommand::json()
{
    const QString path = write(m_dir, u"b.xliff"_s, document);
    const CliRun run = runCli({u"check"_s, u"--json"_s, path});
    QCOMPARE(run.exitCode, 4);
    QList<QJsonObject> objects;
    for (const QByteArray &line : run.out.split('\n')) {
        if (!line.isEmpty())
            objects.append(QJsonDocument::fromJson(line).object());
    }
    QCOMPARE(objects.size(), 3);
    const QJsonObject first = objects[0];
    QCOMPARE(first[u"from"_s].toString(), u"App/en.lproj/Localizable.strings"_s);
    QCOMPARE(first[u"name"_s].toString(), u"%@ has %d items"_s);
    QCOMPARE(first[u"port"_s].toInt(), 1);
    QCOMPARE(first[u"check"_s].toString(), u"format"_s);
    QCOMPARE(first[u"severity"_s].toString(), u"error"_s);
    QVERIFY(first[u"message"_s].toString().startsWith(u"The target changes the order"_s));
    QCOMPARE(objects[1][u"severity"_s].toString(), u"warning"_s);
    const QJsonObject summary = objects[2][u"summary"_s].toObject();
    QCOMPARE(summary[u"errors"_s].toInt(), 1);
    QCOMPARE(summary[u"warnings"_s].toInt(), 1);
}

void TestCheckCommand::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments"); ///< PATH stands for the document
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("problems"); ///< lines before the summary; -1 when there is none
    const QString path = u"PATH"_s;
    QTest::newRow("errors") << QStringList{path} << 4 << 2;
    QTest::newRow("only a warning") << QStringList{path, u"--only"_s, u"punctuation"_s} << 0 << 1;
    QTest::newRow("warnings as errors")
        << QStringList{path, u"--only=punctuation,markup"_s, u"--warnings-as-errors"_s} << 4 << 1;
    QTest::newRow("nothing found") << QStringList{path, u"--only"_s, u"plural"_s} << 0 << 0;
    QTest::newRow("unknown check") << QStringList{path, u"--only"_s, u"spelling"_s} << 2 << -1;
    QTest::newRow("empty list") << QStringList{path, u"--only"_s, u","_s} << 2 << -1;
    QTest::newRow("unknown option") << QStringList{path, u"--fix"_s} << 2 << -1;
    QTest::newRow("no path") << QStringList{u"--json"_s} << 2 << -1;
    QTest::newRow("missing file") << QStringList{u"missing.xliff"_s} << 1 << -1;
}

void TestCheckCommand::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, problems);
    const QString path = write(m_dir, u"c.xliff"_s, document);
    arguments.replaceInStrings(u"PATH"_s, path);
    arguments.replaceInStrings(u"missing.xliff"_s, m_dir.filePath(u"missing.xliff"_s));
    const CliRun run = runCli(QStringList{u"check"_s} + arguments);
    QTEST(run.exitCode, "exitCode");
    if (problems < 0) {
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith(u"tarnwick-cli: "_s));
        return;
    }
    QCOMPARE(run.out.count('\n'), problems + 1);
}

void TestCheckCommand::acceptedWarnings_data()
{
    QTest::addColumn<QByteArray>("accepted"); ///< the file's lines
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("summary");

    const QByteArray punctuation = R"({"from":"App/en.lproj/Localizable.strings",)"
                                   R"("name":"Could not connect.","check":"punctuation",)"
                                   R"("srcs":"Could not connect."})";
    QTest::newRow("accepted and left out of the counts")
        << punctuation << QStringList{u"--warnings-as-errors"_s, u"--only=punctuation"_s} << 0
        << u"0 error(s), 0 warning(s), 1 accepted"_s;
    QByteArray changed = punctuation;
    changed.replace("\"srcs\":\"Could not connect.\"", "\"srcs\":\"Could not connect\"");
    QTest::newRow("a changed source asks again")
        << changed << QStringList{u"--only=punctuation"_s} << 0 << u"0 error(s), 1 warning(s)"_s;
    QByteArray format = punctuation;
    format.replace("Could not connect.", "%@ has %d items").replace("punctuation", "format");
    QTest::newRow("an error is never accepted")
        << format << QStringList{} << 4 << u"1 error(s), 1 warning(s)"_s;
    QTest::newRow("not an object") << QByteArray("[1]") << QStringList{} << 1 << QString();
}

void TestCheckCommand::acceptedWarnings()
{
    QFETCH(QByteArray, accepted);
    QFETCH(QStringList, options);
    const QString path = write(m_dir, u"d.xliff"_s, document);
    const QString file = write(m_dir, u"accepted.jsonl"_s, accepted + '\n');
    const CliRun run = runCli(QStringList{u"check"_s, path, u"--accepted"_s, file} + options);
    QTEST(run.exitCode, "exitCode");
    QFETCH(QString, summary);
    if (summary.isEmpty()) {
        QVERIFY2(run.err.contains(u"accepted.jsonl:1"_s), qPrintable(run.err));
        return;
    }
    QVERIFY2(QString::fromUtf8(run.out).endsWith(summary + u'\n'), run.out.constData());
    if (summary.endsWith(u"accepted"_s))
        QVERIFY(run.out.contains("\tpunctuation\taccepted\t"));
}

void TestCheckCommand::termsKeptAsTheyAre()
{
    QByteArray kept = document;
    kept.replace("<target>ようこそ</target>", "<target>Welcome</target>");
    const QString path = write(m_dir, u"e.xliff"_s, kept);
    const QStringList check{u"check"_s, path, u"--only=unchanged"_s};
    QVERIFY(runCli(check).out.contains("\tunchanged\twarning\t"));
    const QString terms = write(m_dir, u"terms.txt"_s, "# kept as they are\nWelcome\n");
    const CliRun run = runCli(check + QStringList{u"--terms"_s, terms});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"

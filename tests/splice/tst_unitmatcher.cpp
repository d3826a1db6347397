// The hand-written matcher against the regular expressions it stands in for, group by group:
// on units written to probe each part of the patterns, on every unit of the real exports and
// on generated exports of both benchmark shapes.
#include "document/DocumentTests.h"
#include "ExportGenerator.h"
#include "FuzzChecks.h"
#include "files/DocumentFile.h"
#include "splice/UnitMatcher.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestUnitMatcher : public QObject
{
    Q_OBJECT

private slots:
    void units_data();
    void units();
    void corpus_data();
    void corpus();
    void generated_data();
    void generated();
};

void TestUnitMatcher::units_data()
{
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<bool>("decided"); // the matcher settles it without the expressions
    const QByteArray end = "\n      </trans-unit>\n      ";
    const auto row = [](const char *name, const QByteArray &unit, bool decided) {
        QTest::newRow(name) << unit << decided;
    };
    row("no target", "\n        <source>File</source>\n        <note>Class = x;</note>" + end,
        true);
    row("no target, no note", "\n        <source>File</source>" + end, true);
    row("target and note",
        "\n        <source>Edit</source>\n        <target>Edit</target>\n        <note>n</note>" +
            end,
        true);
    row("note before and after the target",
        "\n <source>s</source>\n <note>a</note>\n <target>t</target>\n <note>b</note>" + end, true);
    row("two notes before the target",
        "\n <source>s</source>\n <note>a</note>\n <note>b</note>\n <target>t</target>" + end, true);
    row("two notes after the target",
        "\n <source>s</source>\n <target>t</target>\n <note>a</note>\n <note>b</note>" + end, true);
    row("targets back to back",
        "\n <source>s</source>\n <target>a</target><target>b</target>" + end, true);
    row("empty target and note", "\n <source>s</source>\n <target></target>\n <note></note>" + end,
        true);
    row("self-closed target", "\n <source>s</source>\n <target/>\n <note>n</note>" + end, true);
    row("target across lines",
        "\n <source>s</source>\n <target>a\nb</target>\n <note>n</note>" + end, true);
    row("target ending at a line separator",
        "\n <source>s</source>\n <target>a\u2028</target>\n <note>n</note>" + end, true);
    row("target across a next line character",
        "\n <source>s</source>\n <target>a\xc2\x85</target>\n <note>n</note>" + end, true);
    row("note holding markup",
        "\n <source>s</source>\n <target>t</target>\n <note>a<b/>c</note>" + end, true);
    row("note end tag followed by a tag",
        "\n <source>s</source>\n <target>t</target>\n <note>a</note><x/></note>\n" + end, true);
    row("source across lines", "\n <source>a\nb</source>\n <target>t</target>" + end, true);
    row("two sources on a line", "\n <source>a</source><source>b</source>\n <note>n</note>" + end,
        true);
    row("source then tag", "\n <source>a</source><x/>\n <target>t</target>" + end, true);
    row("carriage return line feeds",
        "\r\n <source>s</source>\r\n <note>n</note>\r\n </trans-unit>\r\n", true);
    row("non-ASCII text",
        "\n <source>編集 😀</source>\n <target>編集 😀</target>\n <note>ノート</note>" + end, true);
    row("nothing before the source", "<source>s</source>\n <note>n</note>" + end, true);
    row("another element first", "\n <note>n</note>\n <source>s</source>" + end, true);
    row("vertical tab before the source", "\n\v<source>s</source>\n" + end, false);
    row("no-break space before the source", "\n\xc2\xa0<source>s</source>\n" + end, false);
    row("ideographic space before the source", "\n\xe3\x80\x80<source>s</source>\n" + end, false);
    row("ends inside the source", "\n <source>s</sou", false);
    row("ends after the source", "\n <source>s</source>\n  ", false);
    row("ends inside the note", "\n <source>s</source>\n <target>t</target>\n <note>n", false);
    row("ends after the unit's end tag", "\n <source>s</source>\n <target>t</target>\n", false);
    row("empty", "", false);
}

void TestUnitMatcher::units()
{
    QFETCH(QByteArray, unit);
    QFETCH(bool, decided);
    qsizetype stretches = 0;
    qsizetype asked = 0;
    const QString problem = FuzzChecks::matcher(unit, &stretches, &asked);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(asked == 0, decided);
}

void TestUnitMatcher::corpus_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : corpusFiles())
        QTest::newRow(qPrintable(QDir(path).dirName())) << path;
}

void TestUnitMatcher::corpus()
{
    QFETCH(QString, path);
    const DocumentFile::Bytes file = DocumentFile::read(path);
    qsizetype stretches = 0;
    qsizetype asked = 0;
    const QString problem = FuzzChecks::matcher(file.bytes, &stretches, &asked);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // Real exports are what the matcher is for: it leaves hardly any unit to the expressions.
    QVERIFY2(asked * 50 <= stretches, qPrintable(u"%1 of %2"_s.arg(asked).arg(stretches)));
}

void TestUnitMatcher::generated_data()
{
    QTest::addColumn<bool>("markup");
    QTest::addColumn<bool>("variety");
    for (const bool markup : {false, true}) {
        for (const bool variety : {false, true}) {
            QTest::addRow("%s%s", markup ? "strings table" : "interface file",
                          variety ? ", mixed shapes" : "")
                << markup << variety;
        }
    }
}

void TestUnitMatcher::generated()
{
    QFETCH(bool, markup);
    QFETCH(bool, variety);
    ExportGenerator::Options options;
    options.units = 2000;
    options.markup = markup;
    options.variety = variety;
    options.untranslatedPercent = 10;
    const QString problem = FuzzChecks::matcher(ExportGenerator::generate(options));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_GUILESS_MAIN(TestUnitMatcher)
#include "tst_unitmatcher.moc"

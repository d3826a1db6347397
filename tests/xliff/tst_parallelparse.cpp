#include "document/DocumentTests.h"
#include "ExportGenerator.h"
#include "xliff/DocumentCut.h"
#include "files/DocumentFile.h"
#include "xliff/ParallelParse.h"
#include "splice/SpliceVerifier.h"

#include <QTest>

#include <limits>

namespace {

constexpr qsizetype always = 0;
constexpr qsizetype never = std::numeric_limits<qsizetype>::max();

QByteArray units(int from, int count)
{
    QByteArray text;
    for (int i = from; i < from + count; ++i) {
        text += "      <trans-unit id=\"u" + QByteArray::number(i) +
                "\" xml:space=\"preserve\">\n        <source>Source " + QByteArray::number(i) +
                "</source>\n        <target state=\"translated\">Ziel " + QByteArray::number(i) +
                "</target>\n        <note>Class = \"NSMenuItem\"; ObjectID = \"o" +
                QByteArray::number(i) + "\";</note>\n      </trans-unit>\n";
    }
    return text;
}

QByteArray fileStart(const char *original)
{
    return QByteArray("  <file original=\"") + original +
           "\" source-language=\"en\" datatype=\"plaintext\" target-language=\"de\">\n"
           "    <header><tool tool-id=\"com.apple.dt.xcode\" tool-name=\"Xcode\"/></header>\n"
           "    <body>\n";
}

/// A document of twenty units with `middle` between the tenth and the eleventh, so that
/// the cut falls beside it.
QByteArray around(const QByteArray &middle, const QByteArray &declaration = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + declaration +
           "<xliff xmlns=\"urn:oasis:names:tc:xliff:document:1.2\" version=\"1.2\">\n" +
           fileStart("a/Main.strings") + units(0, 10) + middle + units(10, 10) +
           "    </body>\n  </file>\n</xliff>\n";
}

void compareUnits(const UnitRecord &actual, const UnitRecord &expected)
{
    QCOMPARE(actual.port, expected.port);
    QCOMPARE(actual.from, expected.from);
    QCOMPARE(actual.name, expected.name);
    QCOMPARE(actual.srcs, expected.srcs);
    QCOMPARE(actual.tget, expected.tget);
    QCOMPARE(actual.note, expected.note);
    QCOMPARE(actual.part, expected.part);
    QCOMPARE(actual.state, expected.state);
    QCOMPARE(actual.translatable, expected.translatable);
    QCOMPARE(actual.file, expected.file);
}

/// Counts the events of a parse, to tell whether two parts made one parse.
class EventCount final : public ParallelParse::SecondPart
{
public:
    void startAt(const DocumentCut &) override {}
    void startElement(const char *, const char **) override { ++starts; }
    void endElement(const char *) override { ++ends; }
    void characters(const char *, int length) override { text += length; }
    qint64 starts = 0;
    qint64 ends = 0;
    qint64 text = 0;
};

} // namespace

class TestParallelParse : public QObject
{
    Q_OBJECT

private slots:
    void readsAsOnePiece_data();
    void readsAsOnePiece();
    void readsBackAsOnePiece_data() { readsAsOnePiece_data(); }
    void readsBackAsOnePiece();
    void cutsRealExports_data();
    void cutsRealExports();
};

void TestParallelParse::readsAsOnePiece_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const QString &path : corpusFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << DocumentFile::read(path).bytes;
    for (const bool markup : {false, true}) {
        ExportGenerator::Options options;
        options.units = 3000;
        options.markup = markup;
        options.variety = !markup;
        options.files = markup ? 40 : 0;
        QTest::newRow(markup ? "generated strings" : "generated interface")
            << ExportGenerator::generate(options);
    }
    QTest::newRow("plain") << around({});
    QTest::newRow("CRLF") << around({}).replace("\n", "\r\n");
    QTest::newRow("document type") << around({}, "<!DOCTYPE xliff>\n");
    QTest::newRow("empty unit at the cut")
        << around(QByteArray("<trans-unit id=\"e\"/>").repeated(40));
    QTest::newRow("comment across the middle") << around("<!-- " + units(100, 25) + " -->");
    QTest::newRow("section in a source across the middle") << around(
        "<trans-unit id=\"c\"><source><![CDATA[" + units(100, 25) + "]]></source></trans-unit>");
    QTest::newRow("text between units")
        << around(QByteArray(" stray text ").repeated(200) + units(30, 2));
    // Text the parser holds back at the end of the first part, since the next bytes could
    // turn it into `]]>` or a line break, is still read.
    const std::pair<const char *, QByteArray> heldBack[] = {
        {"bracket", "]"}, {"two brackets", "]]"}, {"carriage return", "\r"}, {"both", "x\r]"}};
    for (const auto &[name, held] : heldBack)
        QTest::newRow(name) << around({}).replace("\n      <trans-unit",
                                                  "\n" + held + "<trans-unit");
    QTest::newRow("target outside a unit")
        << around(QByteArray("<target state=\"new\">loose</target>").repeated(80));
    QTest::newRow("units after a closed file") << around(
        "</body></file>" + fileStart("b/Other.strings") + "</body></file><file original=\"c\"/>" +
        units(40, 25) + fileStart("d/Last.strings"));
    QTest::newRow("file within a file")
        << around(fileStart("inner") + units(50, 25) + "</body></file>");
    QTest::newRow("greater-than in the file's attributes")
        << around({}).replace("original=\"a/Main.strings\"", "original=\"a/&gt;>.strings\"");
    QTest::newRow("undefined entity in the second half")
        << around(units(60, 25) + "<trans-unit id=\"x\"><source>&nbsp;</source></trans-unit>");
    QTest::newRow("mismatched tag in the second half")
        << around(units(60, 25) + "<trans-unit id=\"x\"><source>a</target></trans-unit>");
    QTest::newRow("mismatched tag in the first half")
        << around("<trans-unit id=\"x\"><source>a</target></trans-unit>" + units(60, 25));
    QTest::newRow("cut inside the root only") << QByteArray("<xliff>" + units(0, 20) + "</xliff>");
    QTest::newRow("unterminated") << around({}).chopped(12);
}

void TestParallelParse::readsAsOnePiece()
{
    // Parsed in two parts or in one, the reader gives the same records, files and errors,
    // and leaves the same state for the next load.
    QFETCH(QByteArray, bytes);
    ParseState oneState;
    ParseState twoState;
    for (int load = 0; load < 2; ++load) {
        const ReadResult one = XliffReader(oneState, never).read(bytes);
        const ReadResult two = XliffReader(twoState, always).read(bytes);
        QCOMPARE(two.complete, one.complete);
        QCOMPARE(two.errorString, one.errorString);
        QCOMPARE(two.line, one.line);
        QCOMPARE(two.column, one.column);
        QCOMPARE(two.units.size(), one.units.size());
        for (size_t i = 0; i < one.units.size(); ++i)
            compareUnits(two.units[i], one.units[i]);
        QCOMPARE(two.files.size(), one.files.size());
        for (size_t i = 0; i < one.files.size(); ++i) {
            QCOMPARE(two.files[i].original, one.files[i].original);
            QCOMPARE(two.files[i].targetLanguage, one.files[i].targetLanguage);
        }
        QCOMPARE(twoState.unitCounter, oneState.unitCounter);
        QCOMPARE(twoState.insideUnit, oneState.insideUnit);
        QCOMPARE(twoState.textBuffer, oneState.textBuffer);
        compareUnits(twoState.currentUnit, oneState.currentUnit);
    }
}

void TestParallelParse::readsBackAsOnePiece()
{
    // The save's read-back, in two parts or in one, finds the same rows not landed (a
    // target or a state changed here and there) and the same errors.
    QFETCH(QByteArray, bytes);
    ParseState state;
    std::vector<UnitRecord> rows = XliffReader(state, never).read(bytes).units;
    for (size_t i = 0; i < rows.size(); i += 7)
        rows[i].tget = rows[i].tget.value_or(QString()) + QStringLiteral("*");
    for (size_t i = 3; i < rows.size(); i += 11)
        rows[i].state = QStringLiteral("needs-review-l10n");
    const SpliceResult one = SpliceVerifier::verify(bytes, rows, {}, DocumentFile::maxSize, never);
    const SpliceResult two = SpliceVerifier::verify(bytes, rows, {}, DocumentFile::maxSize, always);
    QCOMPARE(two.errorString, one.errorString);
    QCOMPARE(two.unwritten.size(), one.unwritten.size());
    for (size_t i = 0; i < one.unwritten.size(); ++i)
        QCOMPARE(two.unwritten[i].port, one.unwritten[i].port);
}

void TestParallelParse::cutsRealExports_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const QString &path : corpusFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << DocumentFile::read(path).bytes;
    QTest::newRow("generated") << ExportGenerator::generate({});
}

void TestParallelParse::cutsRealExports()
{
    // Every real shape can be cut, and its two parts give the whole parse's events: the
    // speed is not lost to a fallback nobody notices.
    QFETCH(QByteArray, bytes);
    EventCount whole;
    QVERIFY(ExpatParser(whole).parse(bytes));
    EventCount first;
    EventCount second;
    const std::optional<DocumentCut> cut = ParallelParse::run(bytes, 0, first, second);
    QVERIFY(cut);
    const auto opened = qint64(cut->openTags.size());
    QCOMPARE(first.starts + second.starts - opened, whole.starts);
    QCOMPARE(first.ends + second.ends, whole.ends);
    QCOMPARE(first.text + second.text, whole.text);
}

QTEST_GUILESS_MAIN(TestParallelParse)
#include "tst_parallelparse.moc"

#include "document/DocumentTests.h"
#include "splice/SplicePatterns.h"
#include "splice/XliffWriter.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString document(const QString &units)
{
    return u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff version=\"1.2\">\n"
           "  <file original=\"App/Base.lproj/MainMenu.xib\">\n    <body>\n"_s +
           units + u"    </body>\n  </file>\n</xliff>\n"_s;
}

QString unit(const QString &id, const QString &inner)
{
    return u"      <trans-unit id=\""_s + id + u"\" xml:space=\"preserve\">\n"_s + inner +
           u"      </trans-unit>\n"_s;
}

std::vector<UnitRecord> read(const QString &text)
{
    return readUnits(text.toUtf8());
}

} // namespace

class TestXliffWriter : public QObject
{
    Q_OBJECT

private slots:
    void insertsMissingTarget();
    void updatesTargetAndNote();
    void emptyTargetInsertsEmptyElement();
    void escapesValues_data();
    void escapesValues();
    void leavesEqualTextUntouched_data();
    void leavesEqualTextUntouched();
    void unchangedNoteIsNotCopiedIntoOtherNote();
    void idsMatchLiterally_data();
    void idsMatchLiterally();
    void repeatedIdsReachTheirOwnUnit();
    void idNeverMatchesLongerId();
    void reportsRowsThatDidNotLand();
    void illFormedResultIsNeverReturned();
    void unreadableFile();
};

void TestXliffWriter::insertsMissingTarget()
{
    const QString before = u"      <trans-unit id=\"menu-file.text\" xml:space=\"preserve\">\n"
                           "        <source>File</source>\n"
                           "        <note>Class = \"NSMenuItem\";</note>\n"
                           "      </trans-unit>\n"_s;
    auto rows = read(document(before));
    rows[0].tget = u"ファイル"_s;
    const SpliceResult result = XliffWriter::splice(document(before), rows);
    const QString after = u"      <trans-unit id=\"menu-file.text\" xml:space=\"preserve\">\n"
                          "        <source>File</source>\n"
                          "        <target>ファイル</target>\n"
                          "        <note>Class = \"NSMenuItem\";</note>\n"
                          "      </trans-unit>\n"_s;
    QCOMPARE(result.bytes, document(after).toUtf8());
    QVERIFY(result.unwritten.empty());
}

void TestXliffWriter::updatesTargetAndNote()
{
    const QString before = u"      <trans-unit id=\"menu-edit.text\" xml:space=\"preserve\">\n"
                           "        <source>Edit</source>\n"
                           "        <target>Edit</target>\n"
                           "        <note>Class = \"NSMenuItem\";</note>\n"
                           "      </trans-unit>"_s;
    UnitRecord row;
    row.name = u"menu-edit.text"_s;
    row.tget = u"編集"_s;
    row.note = u"Class = \"NSMenuItem\"; Edit menu"_s;
    const QString after = u"      <trans-unit id=\"menu-edit.text\" xml:space=\"preserve\">\n"
                          "        <source>Edit</source>\n"
                          "        <target>編集</target>\n"
                          "        <note>Class = \"NSMenuItem\"; Edit menu</note>\n"
                          "      </trans-unit>"_s;
    const QString wrapped = u"<x>"_s + before + u"</x>"_s;
    const SpliceResult result = XliffWriter::splice(wrapped, std::vector{row});
    QCOMPARE(result.text(), u"<x>"_s + after + u"</x>"_s);
    // Saving again with the same rows gives the same text.
    QCOMPARE(XliffWriter::splice(*result.text(), std::vector{row}).text(), result.text());
}

void TestXliffWriter::emptyTargetInsertsEmptyElement()
{
    const QString text = document(unit(u"a"_s, u"        <source>A</source>\n"_s));
    auto rows = read(text);
    rows[0].tget = u""_s;
    const SpliceResult first = XliffWriter::splice(text, rows);
    QVERIFY(first.text()->contains(u"<source>A</source>\n        <target></target>\n"_s));
    QCOMPARE(read(*first.text())[0].tget, std::optional(u""_s));
    QVERIFY(first.unwritten.empty());
}

void TestXliffWriter::escapesValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("markup") << u"a & b < c > d"_s << u"a &amp; b &lt; c &gt; d"_s;
    QTest::newRow("quotes stay") << u"say \"hi\" 'there'"_s << u"say \"hi\" 'there'"_s;
    QTest::newRow("replacement syntax is text") << u"$1 \\1 \\ %@ %1$@"_s << u"$1 \\1 \\ %@ %1$@"_s;
    QTest::newRow("markup at both ends") << u"&x<"_s << u"&amp;x&lt;"_s;
    QTest::newRow("carriage return") << u"a\r\nb"_s << u"a&#13;\nb"_s;
}

void TestXliffWriter::escapesValues()
{
    QFETCH(QString, value);
    QFETCH(QString, written);
    for (const QString &inner : {u"        <source>S</source>\n"_s,
                                 u"        <source>S</source>\n        <target>old</target>\n"_s}) {
        const QString text = document(unit(u"k"_s, inner));
        auto rows = read(text);
        rows[0].tget = value;
        const SpliceResult result = XliffWriter::splice(text, rows);
        QVERIFY2(result.text()->contains(u"<target>"_s + written + u"</target>"_s),
                 qPrintable(*result.text()));
        QCOMPARE(read(*result.text())[0].tget, std::optional(value));
    }
}

void TestXliffWriter::leavesEqualTextUntouched_data()
{
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QString>("newNote"); ///< given to the row when not null
    QTest::addColumn<bool>("noRows");
    const QString source = u"        <source>S</source>\n        "_s;
    const QString note = u"\n        <note>n &amp; m</note>\n"_s;
    QTest::newRow("no rows") << source << QString() << true;
    QTest::newRow("new note, no target") << source + u"<note>old</note>\n"_s << u"new"_s << false;
    QTest::newRow("spaces around")
        << source + u"<target>  Öffnen  </target>"_s + note << QString() << false;
    QTest::newRow("entity for the same text")
        << source + u"<target>A &amp; B &#x42;</target>"_s + note << QString() << false;
    QTest::newRow("quote entity") << source + u"<target>&quot;x&quot;</target>"_s + note
                                  << QString() << false;
    // What the reader makes of these differs from the element's own text.
    QTest::newRow("text before the target")
        << source + u"stray <target>T</target>"_s + note << QString() << false;
    QTest::newRow("element inside the target")
        << source + u"<target>a<source/>b</target>"_s + note << QString() << false;
    QTest::newRow("text with > before a note")
        << source + u"<target>T</target><note>a</note> x> "_s + note << QString() << false;
}

void TestXliffWriter::leavesEqualTextUntouched()
{
    QFETCH(QString, inner);
    QFETCH(QString, newNote);
    QFETCH(bool, noRows);
    const QString text = document(unit(u"k"_s, inner));
    auto rows = read(text);
    if (!newNote.isNull())
        rows[0].note = newNote;
    if (noRows)
        rows.clear();
    const SpliceResult result = XliffWriter::splice(text, rows);
    QCOMPARE(result.text(), text);
    QVERIFY(result.unwritten.empty());
}

void TestXliffWriter::unchangedNoteIsNotCopiedIntoOtherNote()
{
    const QString text = document(unit(u"k"_s, u"        <source>S</source>\n"
                                               "        <note>first</note>\n"
                                               "        <target>T</target>\n"
                                               "        <note>second</note>\n"_s));
    auto rows = read(text);
    QCOMPARE(rows[0].note, std::optional(u"second"_s));
    rows[0].tget = u"U"_s;
    const SpliceResult result = XliffWriter::splice(text, rows);
    QVERIFY(result.text()->contains(u"<note>first</note>"_s));
    QVERIFY(result.text()->contains(u"<target>U</target>"_s));
    // A note the row really changes goes into both, as the file had them.
    rows[0].note = u"third"_s;
    const QString changed = *XliffWriter::splice(text, rows).text();
    QCOMPARE(changed.count(u"<note>third</note>"_s), 2);
}

void TestXliffWriter::idsMatchLiterally_data()
{
    QTest::addColumn<QString>("id");
    for (const QString &id : {u"x[1]"_s, u"a.b"_s, u"a|b"_s, u"(?:x)+*{2}^$-"_s, u"a\\b"_s,
                              u"back\\"_s, u"a\\.b"_s, u"q\"uote"_s, u"Rock & <Roll>"_s})
        QTest::newRow(qPrintable(id)) << id;
}

void TestXliffWriter::idsMatchLiterally()
{
    QFETCH(QString, id);
    // A decoy whose id the pattern would reach if the id were not quoted.
    const QString decoy = unit(u"decoy"_s, u"        <source>D</source>\n"_s);
    const QString text =
        document(decoy + unit(SplicePatterns::flip(id), u"        <source>S</source>\n"_s));
    auto rows = read(text);
    QCOMPARE(rows[1].name, std::optional(id));
    rows[1].tget = u"done"_s;
    const SpliceResult result = XliffWriter::splice(text, rows);
    const auto back = read(*result.text());
    QCOMPARE(back[1].tget, std::optional(u"done"_s));
    QVERIFY(!back[0].tget);
}

void TestXliffWriter::repeatedIdsReachTheirOwnUnit()
{
    const QString inner = u"        <source>Title</source>\n"_s;
    const QString text = u"<xliff>\n  <file original=\"a\">\n"_s + unit(u"t"_s, inner) +
                         unit(u"t"_s, inner + u"        <target>had</target>\n"_s) +
                         u"  </file>\n  <file original=\"b\">\n"_s + unit(u"t"_s, inner) +
                         u"  </file>\n</xliff>\n"_s;
    auto rows = read(text);
    rows[0].tget = u"one"_s;
    rows[1].tget = u"two"_s;
    rows[2].tget = u"three"_s;
    // Visit them out of document order: the table may be sorted.
    std::swap(rows[0], rows[2]);
    const SpliceResult result = XliffWriter::splice(text, rows);
    QVERIFY(result.unwritten.empty());
    const auto back = read(*result.text());
    QCOMPARE(back[0].tget, std::optional(u"one"_s));
    QCOMPARE(back[1].tget, std::optional(u"two"_s));
    QCOMPARE(back[2].tget, std::optional(u"three"_s));
}

void TestXliffWriter::idNeverMatchesLongerId()
{
    const QString text = document(unit(u"k10"_s, u"        <source>Ten</source>\n"_s) +
                                  unit(u"k1"_s, u"        <source>One</source>\n"_s));
    auto rows = read(text);
    rows[1].tget = u"1"_s;
    const auto back = read(*XliffWriter::splice(text, rows).text());
    QVERIFY(!back[0].tget);
    QCOMPARE(back[1].tget, std::optional(u"1"_s));
}

void TestXliffWriter::reportsRowsThatDidNotLand()
{
    // A start tag in another attribute order is out of the patterns' reach but is still
    // placed by position; a row whose unit is not in the file cannot land anywhere.
    const QString text =
        document(u"      <trans-unit xml:space=\"preserve\" id=\"k\">\n        <source>S</source>\n"
                 "      </trans-unit>\n"_s);
    auto rows = read(text);
    rows[0].tget = u"T"_s;
    UnitRecord stray;
    stray.name = u"gone"_s;
    stray.tget = u"x"_s;
    stray.port = 7;
    rows.push_back(stray);
    const SpliceResult result = XliffWriter::splice(text, rows);
    QVERIFY(result.text());
    QCOMPARE(result.unwritten.size(), size_t(1));
    QCOMPARE(result.unwritten[0].name, std::optional(u"gone"_s));
    QCOMPARE(result.unwritten[0].port, quint64(7));
    QCOMPARE(read(*result.text())[0].tget, std::optional(u"T"_s));
}

void TestXliffWriter::illFormedResultIsNeverReturned()
{
    const QString text = document(unit(u"k"_s, u"        <source>S</source>\n"_s));
    auto rows = read(text);
    rows[0].tget = u"bell \u0007"_s; // no XML 1.0 document may hold it
    const SpliceResult result = XliffWriter::splice(text, rows);
    QVERIFY(!result.text());
    QVERIFY(!result.bytes);
    QVERIFY(!result.errorString.isEmpty());
}

void TestXliffWriter::unreadableFile()
{
    const SpliceResult result = XliffWriter::pack(u"/nonexistent/file.xliff"_s, {});
    QVERIFY(!result.text());
    QVERIFY(result.unreadable);
}

QTEST_GUILESS_MAIN(TestXliffWriter)
#include "tst_xliffwriter.moc"

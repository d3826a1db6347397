#include "document/NoteParts.h"
#include "xliff/ParseState.h"
#include "document/TranslationStatus.h"
#include "xliff/XliffReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray wrap(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff version=\"1.2\">\n"
           "  <file original=\"App/en.lproj/Main.strings\">\n    <body>\n" +
           body + "\n    </body>\n  </file>\n</xliff>\n";
}

QByteArray unit(const QByteArray &id, const QByteArray &inner)
{
    return "      <trans-unit id=\"" + id + "\" xml:space=\"preserve\">\n" + inner +
           "\n      </trans-unit>";
}

using Optional = std::optional<QString>;

} // namespace

class TestXliffReader : public QObject
{
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void rawValues_data();
    void rawValues();
    void fileElementsCarryOriginalAndCountOn();
    void malformedGivesNoRows();
    void prefixedNamesAreNotRecognised();
    void textBeforeFirstUnitOfProcessIsDropped();
    void secondLoadStartsAfresh();
    void failedParseLeavesNothingForTheNextLoad();
    void translateNo();
    void translationStatus_data();
    void translationStatus();
    void noteParts_data();
    void noteParts();
    void noteClass_data();
    void noteClass();
};

void TestXliffReader::values_data()
{
    QTest::addColumn<QByteArray>("inner");
    QTest::addColumn<Optional>("srcs");
    QTest::addColumn<Optional>("tget");
    QTest::addColumn<Optional>("note");
    QTest::addColumn<Optional>("part");

    const Optional none;
    QTest::newRow("missing target")
        << QByteArray("<source>Open</source>") << Optional(u"Open"_s) << none << none << none;
    QTest::newRow("empty target") << QByteArray("<source>Open</source><target/>")
                                  << Optional(u"Open"_s) << Optional(u""_s) << none << none;
    QTest::newRow("blank target") << QByteArray("<source>Open</source><target> \n\t </target>")
                                  << Optional(u"Open"_s) << Optional(u""_s) << none << none;
    QTest::newRow("ends trimmed, inside kept")
        << QByteArray(
               "<source>  two\n  lines  </source><target>\xe3\x80\x80 a  b \xc2\x85</target>")
        << Optional(u"two\n  lines"_s) << Optional(u"a  b"_s) << none << none;
    QTest::newRow("entities") << QByteArray(
                                     "<source>Rock &amp; &lt;Roll&gt; &#x3042;&#65;</source>")
                              << Optional(u"Rock & <Roll> \u3042A"_s) << none << none << none;
    QTest::newRow("nested element text joins")
        << QByteArray("<source>Search <mrk mtype=\"x\">on</mrk> web</source>")
        << Optional(u"Search on web"_s) << none << none << none;
    QTest::newRow("cdata is text") << QByteArray("<source><![CDATA[a<b]]></source>")
                                   << Optional(u"a<b"_s) << none << none << none;
    QTest::newRow("note without class")
        << QByteArray("<source>A</source><note>No comment provided.</note>") << Optional(u"A"_s)
        << none << Optional(u"No comment provided."_s) << none;
    QTest::newRow("note names class")
        << QByteArray("<source>A</source><note>Class = \"NSMenuItem\"; title = \"A\";</note>")
        << Optional(u"A"_s) << none << Optional(u"Class = \"NSMenuItem\"; title = \"A\";"_s)
        << Optional(u"NSMenuItem"_s);
    QTest::newRow("first class of a note wins")
        << QByteArray("<source>A</source><note>Class = \"NSMenu\"; Class = \"NSButton\";</note>")
        << Optional(u"A"_s) << none << Optional(u"Class = \"NSMenu\"; Class = \"NSButton\";"_s)
        << Optional(u"NSMenu"_s);
    QTest::newRow("second note holds, class from last with one")
        << QByteArray("<source>A</source><note>Class = \"NSMenuItem\";</note><note>plain</note>")
        << Optional(u"A"_s) << none << Optional(u"plain"_s) << Optional(u"NSMenuItem"_s);
}

void TestXliffReader::values()
{
    QFETCH(QByteArray, inner);
    ParseState state;
    const ReadResult result = XliffReader(state).read(wrap(unit("k", inner)));
    QVERIFY(result.complete);
    QCOMPARE(result.units.size(), size_t(1));
    const UnitRecord &record = result.units.front();
    QCOMPARE(record.name, Optional(u"k"_s));
    QTEST(record.srcs, "srcs");
    QTEST(record.tget, "tget");
    QTEST(record.note, "note");
    QTEST(record.part, "part");
}

void TestXliffReader::rawValues_data()
{
    QTest::addColumn<QByteArray>("inner");
    QTest::addColumn<Optional>("source"); ///< `rawSource()`
    QTest::addColumn<Optional>("target"); ///< `rawTarget()`
    QTest::addColumn<bool>("shared");     ///< no copy of its own: the raw values are the stored

    QTest::newRow("plain values") << QByteArray("<source>Open</source><target>開く</target>")
                                  << Optional(u"Open"_s) << Optional(u"開く"_s) << true;
    QTest::newRow("blanks at the ends")
        << QByteArray("<source>%lld — </source><target> %lld — </target>") << Optional(u"%lld — "_s)
        << Optional(u" %lld — "_s) << false;
    QTest::newRow("line breaks and indentation")
        << QByteArray("<source>\n  Open\n</source><target>\t開く\r\n</target>")
        << Optional(u"\n  Open\n"_s) << Optional(u"\t開く\n"_s) << false;
    QTest::newRow("blank beside an entity")
        << QByteArray("<source> &amp; </source><target> &amp; </target>") << Optional(u" & "_s)
        << Optional(u" & "_s) << false;
    QTest::newRow("blank target") << QByteArray("<source>Open</source><target> \n </target>")
                                  << Optional(u"Open"_s) << Optional(u" \n "_s) << false;
    QTest::newRow("ideographic space")
        << QByteArray("<source>A</source><target>\xe3\x80\x80あ</target>") << Optional(u"A"_s)
        << Optional(u"\u3000あ"_s) << false;
    QTest::newRow("nested element")
        << QByteArray("<source> Search <mrk mtype=\"x\">on</mrk> </source>")
        << Optional(u" Search on "_s) << Optional() << false;
}

void TestXliffReader::rawValues()
{
    QFETCH(QByteArray, inner);
    ParseState state;
    const ReadResult result = XliffReader(state).read(wrap(unit("k", inner)));
    QVERIFY(result.complete);
    const UnitRecord &record = result.units.front();
    QTEST(record.rawSource(), "source");
    QTEST(record.rawTarget(), "target");
    QFETCH(bool, shared);
    QCOMPARE(!record.srcsRaw && !record.tgetRaw, shared);
    // The stored values stay trimmed, as the table and the splice know them.
    QCOMPARE(record.srcs,
             record.rawSource() ? Optional(record.rawSource()->trimmed()) : Optional());
}

void TestXliffReader::fileElementsCarryOriginalAndCountOn()
{
    const QByteArray text = "<xliff><file original=\"a.xib\" source-language=\"en\" "
                            "target-language=\"ja\"><body>" +
                            unit("1", "<source>x</source>") + unit("2", "<source>y</source>") +
                            "</body></file><file><body>" + unit("3", "<source>z</source>") +
                            "</body></file><file original=\"b.strings\"><body>" +
                            unit("1", "<source>w</source>") + "</body></file></xliff>";
    ParseState state;
    const ReadResult result = XliffReader(state).read(text);
    QVERIFY(result.complete);
    QCOMPARE(result.units.size(), size_t(4));
    const std::vector<Optional> froms{u"a.xib"_s, u"a.xib"_s, std::nullopt, u"b.strings"_s};
    const std::vector<qint32> files{0, 0, 1, 2};
    for (size_t i = 0; i < 4; ++i) {
        QCOMPARE(result.units[i].from, froms[i]);
        QCOMPARE(result.units[i].port, quint64(i));
        QCOMPARE(result.units[i].file, files[i]);
    }
    QCOMPARE(result.files.size(), size_t(3));
    QCOMPARE(result.files[0].targetLanguage, Optional(u"ja"_s));
    QCOMPARE(result.files[0].sourceLanguage, Optional(u"en"_s));
    QCOMPARE(result.files[1].original, Optional());
    QCOMPARE(result.files[2].original, Optional(u"b.strings"_s));
}

void TestXliffReader::malformedGivesNoRows()
{
    ParseState state;
    const ReadResult result = XliffReader(state).read(
        wrap(unit("a", "<source>ok</source>") + "\n<trans-unit id=\"b\">&oops;"));
    QVERIFY(!result.complete);
    QVERIFY(result.units.empty());
    QVERIFY(!result.errorString.isEmpty());
    QCOMPARE(result.line, 8);
    QVERIFY(result.column > 0);
    QCOMPARE(state.parsedUnits.size(), size_t(1)); // gathered so far, never shown
}

void TestXliffReader::prefixedNamesAreNotRecognised()
{
    ParseState state;
    const ReadResult result = XliffReader(state).read(
        "<x:xliff xmlns:x=\"urn:x\"><x:file original=\"f\"><x:body><x:trans-unit id=\"a\">"
        "<x:source>A</x:source></x:trans-unit></x:body></x:file></x:xliff>");
    QVERIFY(result.complete);
    QVERIFY(result.units.empty());
}

void TestXliffReader::textBeforeFirstUnitOfProcessIsDropped()
{
    // A note in the header of a fresh process gathers no text but still stores.
    const QByteArray text = "<xliff><file><header><note>header words</note></header><body>" +
                            unit("a", "<source>A</source>") + "</body></file></xliff>";
    ParseState state;
    ReadResult result = XliffReader(state).read(text);
    QVERIFY(result.complete);
    QCOMPARE(result.units.front().note, Optional(u""_s));
    // Once a unit has started in this process, the same header note is gathered.
    result = XliffReader(state).read(text);
    QCOMPARE(result.units.front().note, Optional(u"header words"_s));
}

void TestXliffReader::secondLoadStartsAfresh()
{
    ParseState state;
    XliffReader reader(state);
    QCOMPARE(reader.read(wrap(unit("a", "<source>A</source>") + unit("b", "<source>B</source>")))
                 .units.size(),
             size_t(2));
    const ReadResult second = reader.read(wrap(unit("c", "<source>C</source>")));
    QCOMPARE(second.units.size(), size_t(1));
    QCOMPARE(second.units.front().port, quint64(0));
    QCOMPARE(second.units.front().name, Optional(u"c"_s));
}

void TestXliffReader::failedParseLeavesNothingForTheNextLoad()
{
    ParseState state;
    XliffReader reader(state);
    QVERIFY(!reader.read(wrap(unit("a", "<source>A</source>")) + "<source>left over").complete);
    const ReadResult next = reader.read(wrap(unit("b", "<source>B</source>")));
    QCOMPARE(next.units.front().srcs, Optional(u"B"_s));
}

void TestXliffReader::translateNo()
{
    ParseState state;
    const ReadResult result = XliffReader(state).read(
        "<xliff><file><body><trans-unit id=\"a\" translate=\"no\"><source>A</source></trans-unit>"
        "<trans-unit id=\"b\"><source>B</source></trans-unit></body></file></xliff>");
    QVERIFY(!result.units[0].translatable);
    QVERIFY(result.units[1].translatable);
}

void TestXliffReader::translationStatus_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Optional>("state");
    QTest::addColumn<int>("status");
    using S = TranslationStatus::Status;
    QTest::newRow("no target") << QByteArray("<source>A</source>") << Optional()
                               << int(S::Untranslated);
    QTest::newRow("empty target") << QByteArray("<source>A</source><target/>") << Optional()
                                  << int(S::Untranslated);
    QTest::newRow("source copied as new")
        << QByteArray("<source>A</source><target state=\"new\">A</target>") << Optional(u"new"_s)
        << int(S::Untranslated);
    QTest::newRow("needs review")
        << QByteArray("<source>A</source><target state=\"needs-review-l10n\">あ</target>")
        << Optional(u"needs-review-l10n"_s) << int(S::NeedsReview);
    QTest::newRow("translated") << QByteArray(
                                       "<source>A</source><target state=\"translated\">あ</target>")
                                << Optional(u"translated"_s) << int(S::Translated);
    QTest::newRow("no state") << QByteArray("<source>A</source><target>あ</target>") << Optional()
                              << int(S::Translated);
}

void TestXliffReader::translationStatus()
{
    QFETCH(QByteArray, body);
    ParseState state;
    const ReadResult result = XliffReader(state).read(wrap(unit("a", body)));
    QVERIFY(result.complete);
    const UnitRecord &record = result.units.front();
    QTEST(record.state, "state");
    QTEST(int(TranslationStatus::of(record)), "status");
}

void TestXliffReader::noteParts_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("interface builder")
        << u"Class = \"NSMenuItem\"; title = \"Quit; now\"; ObjectID = \"abc-12\";"_s
        << QStringList{u"Class"_s,     u"NSMenuItem"_s, u"title"_s,
                       u"Quit; now"_s, u"ObjectID"_s,   u"abc-12"_s};
    QTest::newRow("dotted key, no last semicolon")
        << u"Class = \"NSTableColumn\"; headerCell.title = \"Source\""_s
        << QStringList{u"Class"_s, u"NSTableColumn"_s, u"headerCell.title"_s, u"Source"_s};
    QTest::newRow("prose") << u"No comment provided by engineer."_s << QStringList();
    QTest::newRow("prose with a quote") << u"Shown as \"Open\" = button"_s << QStringList();
    QTest::newRow("unclosed value") << u"Class = \"NSMenu"_s << QStringList();
}

void TestXliffReader::noteParts()
{
    QFETCH(QString, note);
    QStringList flat;
    for (const NoteParts::Part &part : NoteParts::split(note))
        flat << part.key << part.value;
    QTEST(flat, "parts");
}

void TestXliffReader::noteClass_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<Optional>("part");
    QTest::newRow("plain") << u"Class = \"NSMenuItem\";"_s << Optional(u"NSMenuItem"_s);
    QTest::newRow("empty class skipped")
        << u"Class = \"\"; Class = \"NSMenu\""_s << Optional(u"NSMenu"_s);
    QTest::newRow("unclosed") << u"Class = \"NSMenu"_s << Optional();
    QTest::newRow("spans lines") << u"Class = \"a\nb\""_s << Optional(u"a\nb"_s);
    QTest::newRow("case matters") << u"class = \"NSMenu\""_s << Optional();
    QTest::newRow("none") << u"No comment provided by engineer."_s << Optional();
}

void TestXliffReader::noteClass()
{
    QFETCH(QString, note);
    const auto part = XliffReader::noteClass(note);
    QTEST(part ? std::optional(part->toString()) : std::nullopt, "part");
}

QTEST_GUILESS_MAIN(TestXliffReader)
#include "tst_xliffreader.moc"

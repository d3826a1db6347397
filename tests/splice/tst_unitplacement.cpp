#include "document/DocumentTests.h"
#include "files/DocumentFile.h"
#include "xliff/StateAttribute.h"
#include "splice/TargetDiff.h"
#include "xliff/UnitLocator.h"
#include "splice/XliffWriter.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray fixture(const QString &name)
{
    return DocumentFile::read(QStringLiteral(TARNWICK_TEST_DATA "/shapes/") + name).bytes;
}

} // namespace

class TestUnitPlacement : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void locatorPositions();
    void translatedState_data();
    void translatedState();
    void diffAcceptsOnlyTargetChanges_data();
    void diffAcceptsOnlyTargetChanges();
};

void TestUnitPlacement::shapes_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"crlf", "empty-target", "multi-line", "no-xml-space",
                             "note-empty-translate-no", "target-state"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestUnitPlacement::shapes()
{
    QFETCH(QString, name);
    const QByteArray original = fixture(name + u".xliff"_s);
    auto rows = readUnits(original);
    QCOMPARE(rows.size(), size_t(2));
    for (const QByteArray &line : fixture(u"edits.jsonl"_s).trimmed().split('\n')) {
        const QJsonObject edit = QJsonDocument::fromJson(line).object();
        rows[size_t(edit[u"port"_s].toInt())].tget = edit[u"tget"_s].toString();
    }
    const SpliceResult result = XliffWriter::splice(*DocumentFile::decodeUtf8(original), rows);
    QVERIFY(result.unwritten.empty());
    QCOMPARE(result.bytes, fixture(name + u".expected.xliff"_s));
    const TargetDiff::Result diff = TargetDiff::compare(*result.bytes, original);
    QVERIFY(diff.onlyTargets);
    QCOMPARE(diff.changed.size(), size_t(2));
    // Saving the result again without edits changes nothing.
    QCOMPARE(XliffWriter::splice(*result.text(), readUnits(*result.bytes)).bytes, result.bytes);
}

void TestUnitPlacement::locatorPositions()
{
    const QString text = u"<x>\r\n<trans-unit id=\"😀é\"><source>ä😀</source><target/></trans-unit>"
                         "<trans-unit><note>n</note><target a='1'>t</target></trans-unit></x>"_s;
    const UnitLocator::Result result = UnitLocator::locate(text.toUtf8());
    QVERIFY(result.complete);
    QCOMPARE(result.units.size(), size_t(2));
    const UnitLayout &first = result.units[0];
    QCOMPARE(first.name, std::optional(u"😀é"_s));
    QCOMPARE(text.mid(first.startTag.begin, first.startTag.end - first.startTag.begin),
             u"<trans-unit id=\"😀é\">"_s);
    const auto source = first.source->whole;
    QCOMPARE(text.mid(source.begin, source.end - source.begin), u"<source>ä😀</source>"_s);
    QVERIFY(first.target->empty);
    QCOMPARE(text.mid(first.target->whole.begin, 9), u"<target/>"_s);
    const UnitLayout &second = result.units[1];
    QVERIFY(!second.name);
    QVERIFY(!second.source);
    QVERIFY(!second.target->empty);
    const auto content = second.target->content();
    QCOMPARE(text.mid(content.begin, content.end - content.begin), u"t"_s);
    QCOMPARE(text.mid(second.unit.end - 13, 13), u"</trans-unit>"_s);

    // The same places counted in bytes of the UTF-8.
    const QByteArray bytes = text.toUtf8();
    const UnitLocator::Result inBytes = UnitLocator::locate(bytes, UnitLocator::Positions::Utf8);
    const auto tag = inBytes.units[0].startTag;
    QCOMPARE(bytes.mid(tag.begin, tag.end - tag.begin), "<trans-unit id=\"😀é\">");
    const auto target = inBytes.units[1].target->content();
    QCOMPARE(bytes.mid(target.begin, target.end - target.begin), "t");
}

void TestUnitPlacement::translatedState_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << u"<target"_s << u"<target state=\"translated\""_s;
    QTest::newRow("none, space before the end")
        << u"<target "_s << u"<target state=\"translated\" "_s;
    QTest::newRow("double quotes")
        << u"<target state=\"new\""_s << u"<target state=\"translated\""_s;
    QTest::newRow("single quotes, spaces")
        << u"<target  state = 'x' a=\"b\""_s << u"<target  state = 'translated' a=\"b\""_s;
    QTest::newRow("other attribute first")
        << u"<target xstate=\"a\" state-qualifier=\"b\" state=\"c\""_s
        << u"<target xstate=\"a\" state-qualifier=\"b\" state=\"translated\""_s;
}

void TestUnitPlacement::translatedState()
{
    QFETCH(QString, tag);
    QTEST(StateAttribute::withValue(tag, u"translated"), "expected");
}

void TestUnitPlacement::diffAcceptsOnlyTargetChanges_data()
{
    QTest::addColumn<QByteArray>("edited");
    QTest::addColumn<bool>("onlyTargets");
    QTest::addColumn<int>("changed");
    const QByteArray original = fixture(u"no-xml-space.xliff"_s);
    QTest::newRow("same") << original << true << 0;
    QTest::newRow("target text") << QByteArray(original).replace("<target>Close</target>",
                                                                 "<target>x</target>")
                                 << true << 1;
    QTest::newRow("inserted line")
        << QByteArray(original).replace("<source>Open</source>",
                                        "<source>Open</source>\n        <target>o</target>")
        << true << 1;
    QTest::newRow("source changed")
        << QByteArray(original).replace("<source>Open</source>", "<source>Opem</source>") << false
        << 0;
    QTest::newRow("target removed")
        << QByteArray(original).replace("        <target>Close</target>\n", "") << false << 0;
    QTest::newRow("line ending changed")
        << QByteArray(original).replace("</body>\n", "</body>\r\n") << false << 0;
}

void TestUnitPlacement::diffAcceptsOnlyTargetChanges()
{
    QFETCH(QByteArray, edited);
    const TargetDiff::Result diff = TargetDiff::compare(edited, fixture(u"no-xml-space.xliff"_s));
    QVERIFY(diff.problem.isEmpty());
    QTEST(diff.onlyTargets, "onlyTargets");
    QTEST(int(diff.changed.size()), "changed");
    if (!diff.onlyTargets)
        QVERIFY(diff.line > 0 && diff.column > 0);
}

QTEST_GUILESS_MAIN(TestUnitPlacement)
#include "tst_unitplacement.moc"

// Edit lines that name their unit twice over, disagree with themselves or name no unit:
// each is refused with its line and leaves the document byte-identical.
#include "CliScratch.h"

using namespace Qt::StringLiterals;
using namespace CliScratchData;

class tst_CliEditLines : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_scratch.setUp()); }
    void editConflicts_data();
    void editConflicts();

private:
    CliScratch m_scratch;
};

void tst_CliEditLines::editConflicts_data()
{
    QTest::addColumn<QByteArray>("edits");
    QTest::addColumn<QString>("refusal");
    const QString range = u"line 1: \"port\" must be a whole number from 0 on"_s;
    const QString differ = u"line 1: \"port\" and \"name\" name different units"_s;
    QTest::newRow("port and name agree")
        << QByteArray("{\"port\": 2, \"name\": \"BOF-NM-1cW.title\", \"tget\": \"設定…\"}")
        << QString();
    QTest::newRow("leading byte-order mark") << "\xEF\xBB\xBF" + edit << QString();
    QTest::newRow("port and name disagree")
        << QByteArray("{\"port\": 3, \"name\": \"BOF-NM-1cW.title\", \"tget\": \"x\"}") << differ;
    QTest::newRow("port and from disagree")
        << QByteArray("{\"port\": 2, \"name\": \"BOF-NM-1cW.title\", \"from\": \"x\", "
                      "\"tget\": \"x\"}")
        << differ;
    QTest::newRow("name, with a port past the units")
        << QByteArray("{\"port\": 99, \"name\": \"BOF-NM-1cW.title\", \"tget\": \"x\"}") << differ;
    QTest::newRow("one unit twice by port")
        << edit + edit << u"line 2: the unit was already edited on line 1"_s;
    QTest::newRow("one unit by port, then by name")
        << edit + "\n{\"name\": \"BOF-NM-1cW.title\", \"tget\": \"x\"}"
        << u"line 3: the unit was already edited on line 1"_s;
    QTest::newRow("1e300") << QByteArray("{\"port\": 1e300, \"tget\": \"x\"}") << range;
    QTest::newRow("2^63") << QByteArray("{\"port\": 9223372036854775808, \"tget\": \"x\"}")
                          << range;
    QTest::newRow("-1") << QByteArray("{\"port\": -1, \"tget\": \"x\"}") << range;
    QTest::newRow("1.5") << QByteArray("{\"port\": 1.5, \"tget\": \"x\"}") << range;
    QTest::newRow("2^53, past the units")
        << QByteArray("{\"port\": 9007199254740992, \"tget\": \"x\"}")
        << u"line 1: no such unit in the file"_s;
}

void tst_CliEditLines::editConflicts()
{
    QFETCH(QByteArray, edits);
    QFETCH(QString, refusal);
    QVERIFY(TestFiles::write(m_scratch.path(u"edits.jsonl"_s), edits));
    const CliRun done = m_scratch.run({u"apply"_s, u"doc.xliff"_s, u"edits.jsonl"_s});
    if (!refusal.isEmpty()) {
        m_scratch.expectRefused(done, u"edits.jsonl: "_s + refusal, u"doc.xliff"_s);
        return;
    }
    QVERIFY2(done.exitCode == 0, qPrintable(done.err));
    QCOMPARE(targetOf(TestFiles::read(m_scratch.path(u"doc.xliff"_s)), 2), edited);
}

QTEST_GUILESS_MAIN(tst_CliEditLines)
#include "tst_CliEditLines.moc"

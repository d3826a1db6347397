// Ids, targets and file texts built to make the splice patterns backtrack: every save
// ends, with text that reads back or with a reason, never a hang or a crash.
#include "HostileDocuments.h"

#include "files/DocumentFile.h"
#include "splice/XliffWriter.h"

#include <QTest>

using namespace Qt::StringLiterals;
using HostileDocuments::document;
using HostileDocuments::unitLines;

class tst_HostileSplice : public QObject
{
    Q_OBJECT

private slots:
    void boundedSave_data();
    void boundedSave();
    void unchangedSaveOfSharedIdBehindOtherTag();
};

void tst_HostileSplice::boundedSave_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("lands"); ///< false: the save may end with a reason instead

    const QByteArray plain = "\n        <source>a</source>\n        <note>n</note>\n";
    const QString target = u"ターゲット"_s;

    QTest::newRow("id of a? then a")
        << document(unitLines(QByteArray("a?").repeated(5000) + QByteArray(5000, 'a'), plain))
        << target << true;
    QTest::newRow("id of (a+)+$") << document(unitLines(QByteArray("(a+)+$").repeated(2000), plain))
                                  << target << true;
    QTest::newRow("id of backslashes")
        << document(unitLines(QByteArray(1000, '\\') + "x", plain)) << target << true;
    QTest::newRow("id of 100,000 characters")
        << document(unitLines(QByteArray(100000, 'i'), plain)) << target << true;
    QTest::newRow("target of pattern syntax")
        << document(unitLines("k", plain)) << u"$1 \\1 %@ (a+)+$ &amp; <b> ]]>"_s << true;
    QTest::newRow("target of 1 MB")
        << document(unitLines("k", plain)) << QString(1024 * 1024, u'a') << true;
    QTest::newRow("a million blanks before the source")
        << document(unitLines("k", QByteArray(1000000, ' ') + plain)) << target << false;
    QTest::newRow("source line of 4 MB, never closed on it")
        << document(
               unitLines("k", "\n        <source>" + QByteArray(4 << 20, 'x') + "\n</source>\n"))
        << target << false;
    QTest::newRow("blanks and notes after the target")
        << document(unitLines("k", "\n        <source>a</source>\n        <target>t</target>" +
                                       QByteArray(200000, ' ') +
                                       QByteArray("<note>n</note> ").repeated(20000) + "\n"))
        << target << false;
    QByteArray nested;
    for (int i = 0; i < 2000; ++i)
        nested +=
            "<trans-unit id=\"n" + QByteArray::number(i) + "\" xml:space=\"preserve\"> <source>";
    nested += "s";
    nested += QByteArray("</source></trans-unit>").repeated(2000);
    QTest::newRow("2,000 units nested on one line")
        << document("      " + nested + "\n") << target << false;
    QByteArray same;
    for (int i = 0; i < 3000; ++i)
        same += unitLines("dup", plain);
    QTest::newRow("3,000 units of one id") << document(same) << target << true;
}

void tst_HostileSplice::boundedSave()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, target);
    QFETCH(bool, lands);
    const ReadResult read = HostileDocuments::read(file);
    QVERIFY2(read.complete, qPrintable(read.errorString));
    std::vector<UnitRecord> rows = read.units;
    for (UnitRecord &row : rows)
        row.tget = target;

    const SpliceResult result = XliffWriter::splice(*DocumentFile::decodeUtf8(file), rows);

    if (!result.text()) {
        QVERIFY2(!lands, qPrintable(result.errorString));
        QVERIFY(!result.errorString.isEmpty());
        return;
    }
    const ReadResult back = HostileDocuments::read(*result.bytes);
    QVERIFY(back.complete);
    QCOMPARE(back.units.size(), rows.size());
    if (lands) {
        QCOMPARE(result.unwritten.size(), size_t(0));
        QCOMPARE(back.units.front().tget, target.trimmed());
    }
}

void tst_HostileSplice::unchangedSaveOfSharedIdBehindOtherTag()
{
    // Three units share an id; the first has translate="no" in its start tag, as Xcode
    // writes for .xcstrings entries. A save of the rows as read must change nothing.
    const QByteArray file = document(
        unitLines("CFBundleName\" translate=\"no", "\n        <source>Alpha</source>\n") +
        unitLines("CFBundleName",
                  "\n        <source>Beta</source>\n        <target>Beta</target>\n") +
        unitLines("CFBundleName", "\n        <source>Gamma</source>\n        <note>n</note>\n"));
    const ReadResult read = HostileDocuments::read(file);
    QVERIFY(read.complete);
    QCOMPARE(read.units.size(), size_t(3));
    const SpliceResult result = XliffWriter::splice(*DocumentFile::decodeUtf8(file), read.units);
    QVERIFY(result.text());
    QCOMPARE(result.bytes, file);
}

QTEST_GUILESS_MAIN(tst_HostileSplice)
#include "tst_HostileSplice.moc"

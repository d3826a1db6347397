#include "document/DocumentTests.h"
#include "files/DocumentFile.h"
#include "splice/TargetDiff.h"
#include "splice/XliffWriter.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// A new target for every unit: plain, Japanese, markup characters, quotes, spaces.
QString edited(const UnitRecord &unit)
{
    static const QStringList shapes{u"Plain %1"_s,   u"日本語の訳 %1"_s,       u"A & B %1"_s,
                                    u"<b>%1</b>"_s,  u"\"quoted\" 'too' %1"_s, u"  spaced %1  "_s,
                                    u"$1 \\ %@ %1"_s};
    return shapes[qsizetype(unit.port % quint64(shapes.size()))].arg(unit.port);
}

} // namespace

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
};

void TestCorpus::initTestCase()
{
    if (!QDir(QStringLiteral(TARNWICK_CORPUS_DIR)).exists())
        qInfo("Shared corpus not found at %s; using the exports kept in tests/data/corpus only",
              TARNWICK_CORPUS_DIR);
}

void TestCorpus::roundTrip_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : corpusFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestCorpus::roundTrip()
{
    QFETCH(QString, path);
    const DocumentFile::Bytes file = DocumentFile::read(path);
    QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
    const auto text = DocumentFile::decodeUtf8(file.bytes);
    QVERIFY(text);
    std::vector<UnitRecord> rows = readUnits(file.bytes);
    QVERIFY(!rows.empty());

    // A save without edits gives the file back byte for byte.
    const SpliceResult unchanged = XliffWriter::splice(*text, rows);
    QVERIFY(unchanged.unwritten.empty());
    QCOMPARE(unchanged.bytes, file.bytes);

    // Every target edited: every unit takes it, and it reads back as typed (trimmed).
    for (UnitRecord &row : rows)
        row.tget = edited(row);
    const SpliceResult result = XliffWriter::splice(*text, rows);
    QVERIFY2(result.text(), qPrintable(result.errorString));
    QCOMPARE(result.unwritten.size(), size_t(0));
    const std::vector<UnitRecord> back = readUnits(*result.bytes);
    QCOMPARE(back.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        QCOMPARE(back[i].tget, rows[i].tget->trimmed());

    // Nothing outside the target elements moved.
    const TargetDiff::Result diff = TargetDiff::compare(*result.bytes, file.bytes);
    QVERIFY2(
        diff.onlyTargets,
        qPrintable(u"line %1, column %2 %3"_s.arg(diff.line).arg(diff.column).arg(diff.problem)));
    QCOMPARE(diff.changed.size(), rows.size());
}

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"

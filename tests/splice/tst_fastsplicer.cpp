#include "ExportGenerator.h"
#include "document/DocumentTests.h"
#include "files/DocumentFile.h"
#include "splice/FastSplicer.h"
#include "splice/ReferenceSplicer.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// Random edits: new targets with markup characters, removed targets, unchanged rows,
/// and rows visited in a shuffled order as a sorted table would.
std::vector<UnitRecord> randomEdits(std::vector<UnitRecord> rows, quint32 seed)
{
    QRandomGenerator random(seed);
    static const QStringList values{u"訳"_s,         u"A & B"_s, u"<b>x</b>"_s,  u"\"q\" $1 \\"_s,
                                    u"  padded  "_s, u""_s,      u"two\nlines"_s};
    for (UnitRecord &row : rows) {
        switch (random.bounded(4)) {
        case 0:
            break;
        case 1:
            row.tget.reset();
            break;
        default:
            row.tget = values[random.bounded(int(values.size()))] + QString::number(row.port);
        }
    }
    for (size_t i = rows.size(); i > 1; --i)
        std::swap(rows[i - 1], rows[size_t(random.bounded(int(i)))]);
    return rows;
}

void compareResults(const SpliceResult &fast, const SpliceResult &reference)
{
    QCOMPARE(fast.bytes.has_value(), reference.bytes.has_value());
    QVERIFY(fast.bytes == reference.bytes);
    QCOMPARE(fast.unwritten.size(), reference.unwritten.size());
    for (size_t i = 0; i < fast.unwritten.size(); ++i)
        QCOMPARE(fast.unwritten[i].port, reference.unwritten[i].port);
}

void compareSplicers(const QString &text, const std::vector<UnitRecord> &rows, int threads = 1)
{
    // The measure runs without the save's time budget: a large export under the sanitizers,
    // beside other suites, can take longer than a save may, and the comparison is the point.
    constexpr qint64 noBudget = 3600 * 1000;
    compareResults(FastSplicer::splice(DocumentFile::encodeUtf8(text), rows, threads),
                   ReferenceSplicer::splice(text, rows, noBudget));
}

} // namespace

class TestFastSplicer : public QObject
{
    Q_OBJECT

private slots:
    void generated_data();
    void generated();
    void corpus_data();
    void corpus();
    void threads();
    void matchReadingIntoNextUnit_data();
    void matchReadingIntoNextUnit();
};

void TestFastSplicer::generated_data()
{
    QTest::addColumn<bool>("variety");
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 6; ++seed) {
        QTest::addRow("common shape, seed %u", seed) << false << seed;
        QTest::addRow("mixed shapes, seed %u", seed) << true << seed;
    }
}

void TestFastSplicer::generated()
{
    QFETCH(bool, variety);
    QFETCH(quint32, seed);
    ExportGenerator::Options options;
    options.units = 400;
    options.unitsPerFile = 60;
    options.seed = seed;
    options.variety = variety;
    const QByteArray bytes = ExportGenerator::generate(options);
    const auto rows = readUnits(bytes);
    QCOMPARE(rows.size(), size_t(400));
    compareSplicers(QString::fromUtf8(bytes), randomEdits(rows, seed), seed % 2 ? 1 : 3);
}

void TestFastSplicer::threads()
{
    // Rows matched in stretches on several threads give what one thread gives, edits
    // joined in row order, on a file too large to check against the quadratic reference.
    ExportGenerator::Options options;
    options.units = 5000;
    options.variety = true;
    const QByteArray bytes = ExportGenerator::generate(options);
    const auto rows = randomEdits(readUnits(bytes), 11);
    const SpliceResult one = FastSplicer::splice(bytes, rows, 1);
    QVERIFY(one.bytes);
    for (const int threads : {2, 3, 8})
        compareResults(FastSplicer::splice(bytes, rows, threads), one);
}

void TestFastSplicer::corpus_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : corpusFiles())
        QTest::newRow(qPrintable(QDir(path).dirName())) << path;
}

void TestFastSplicer::corpus()
{
    QFETCH(QString, path);
    const DocumentFile::Bytes file = DocumentFile::read(path);
    const auto rows = readUnits(file.bytes);
    compareSplicers(*DocumentFile::decodeUtf8(file.bytes), randomEdits(rows, 7));
}

void TestFastSplicer::matchReadingIntoNextUnit_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<bool>("reversed");
    QTest::newRow("one thread") << 1 << false;
    QTest::newRow("a thread a row, first stretch unsure") << 2 << false;
    QTest::newRow("a thread a row, second stretch unsure") << 2 << true;
}

void TestFastSplicer::matchReadingIntoNextUnit()
{
    QFETCH(int, threads);
    QFETCH(bool, reversed);
    // All on one line: a source pattern may run on into the next unit, which only the
    // whole-text search decides; the result must still be the same.
    const QString text =
        u"<x><trans-unit id=\"a\" xml:space=\"preserve\"> <source>A</source><target>t</target>"
        "</trans-unit><trans-unit id=\"b\" xml:space=\"preserve\"> <source>B</source>\n"
        " <target>u</target></trans-unit></x>"_s;
    auto rows = readUnits(text.toUtf8());
    QCOMPARE(rows.size(), size_t(2));
    rows[0].tget = u"one"_s;
    rows[1].tget = u"two"_s;
    if (reversed)
        std::ranges::reverse(rows);
    compareSplicers(text, rows, threads);
}

QTEST_GUILESS_MAIN(TestFastSplicer)
#include "tst_fastsplicer.moc"

#include "document/DocumentFile.h"
#include "document/ParseState.h"
#include "document/XliffReader.h"
#include "document/XliffWriter.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// Real exports: the shared collection beside the checkout, else the two kept here.
QStringList corpusFiles()
{
    QStringList files;
    QStringList seen;
    for (const QString &dir :
         {QStringLiteral(TARNWICK_CORPUS_DIR), QStringLiteral(TARNWICK_TEST_DATA "/corpus")}) {
        const QDir folder(dir);
        for (const QString &name : folder.entryList({u"*.xliff"_s}, QDir::Files, QDir::Name)) {
            if (seen.contains(name))
                continue;
            seen.append(name);
            files.append(folder.filePath(name));
        }
    }
    return files;
}

std::vector<UnitRecord> read(QByteArrayView bytes)
{
    ParseState state;
    return XliffReader(state).read(bytes).units;
}

/// A new target for every unit, with the characters that need escaping.
QString edited(const UnitRecord &unit)
{
    return u"«%1» & <%2> \"ok\" 編集"_s.arg(unit.port).arg(unit.srcs.value_or(QString()).left(12));
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
    std::vector<UnitRecord> rows = read(file.bytes);
    QVERIFY(!rows.empty());

    // A save without edits gives the file back byte for byte.
    const SpliceResult unchanged = XliffWriter::splice(*text, rows);
    QVERIFY(unchanged.unwritten.empty());
    QCOMPARE(unchanged.bytes, file.bytes);

    // Every target edited: what is reported written reads back exactly as typed.
    for (UnitRecord &row : rows)
        row.tget = edited(row);
    const SpliceResult result = XliffWriter::splice(*text, rows);
    QVERIFY2(result.text, qPrintable(result.errorString));
    const std::vector<UnitRecord> back = read(result.bytes);
    QCOMPARE(back.size(), rows.size());
    std::vector<bool> reported(rows.size(), false);
    for (const UnwrittenUnit &unit : result.unwritten)
        reported[unit.port] = true;
    qsizetype landed = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (reported[i])
            continue;
        QCOMPARE(back[i].tget, rows[i].tget);
        ++landed;
    }
    qInfo("%lld of %zu units took their new target", landed, rows.size());
}

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"

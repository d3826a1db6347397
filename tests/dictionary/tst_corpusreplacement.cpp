#include "dictionary/BuiltinDictionary.h"
#include "dictionary/ReplacementPass.h"
#include "document/ParseState.h"
#include "document/XliffReader.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

std::vector<UnitRecord> readCorpus(const QString &name)
{
    const QString path = QDir(QStringLiteral(TARNWICK_CORPUS_DIR)).filePath(name);
    if (!QFileInfo::exists(path))
        return {};
    ParseState state;
    ReadResult result = XliffReader(state).readFile(path);
    return result.complete ? std::move(result.units) : std::vector<UnitRecord>{};
}

const UnitRecord *findRow(const std::vector<UnitRecord> &rows, const QString &srcs,
                          const QString &part)
{
    for (const UnitRecord &row : rows) {
        if (row.srcs == srcs && row.part == part)
            return &row;
    }
    return nullptr;
}

} // namespace

// The replacement on real macOS exports, read by the same reader as the application.
class TestCorpusReplacement : public QObject
{
    Q_OBJECT

private slots:
    void menuTitles_data();
    void menuTitles();
    void wholeCorpus_data();
    void wholeCorpus();
};

void TestCorpusReplacement::menuTitles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("srcs");
    QTest::addColumn<QString>("tget");

    const QString vienna = u"vienna-en-xcode11-macos.xliff"_s;
    QTest::newRow("About Vienna") << vienna << u"About Vienna"_s << u"Vienna について"_s;
    QTest::newRow("Quit Vienna") << vienna << u"Quit Vienna"_s << u"Vienna を終了"_s;
    QTest::newRow("Hide Vienna") << vienna << u"Hide Vienna"_s << u"Vienna を隠す"_s;
    QTest::newRow("Vienna Help") << vienna << u"Vienna Help"_s << u"Vienna ヘルプ"_s;
    QTest::newRow("Hide Others") << vienna << u"Hide Others"_s << u"他を隠す"_s;
    QTest::newRow("Hide Toolbar") << vienna << u"Hide Toolbar"_s << u"Toolbar を隠す"_s;
    QTest::newRow("Preferences…") << vienna << u"Preferences\u2026"_s << u"環境設定\u2026"_s;
    const QString rumlog = u"rumlogng-ru-xcode10-macos-large.xliff"_s;
    QTest::newRow("Hide others") << rumlog << u"Hide others"_s << u"others を隠す"_s;
    QTest::newRow("RUMlogNG Help") << rumlog << u"RUMlogNG Help"_s << u"RUMlogNG ヘルプ"_s;
}

void TestCorpusReplacement::menuTitles()
{
    QFETCH(QString, file);
    QFETCH(QString, srcs);
    QFETCH(QString, tget);

    const std::vector<UnitRecord> rows = readCorpus(file);
    if (rows.empty())
        QSKIP("corpus file not available");
    const auto result = ReplacementPass::run(rows, BuiltinDictionary::entries());
    const UnitRecord *row = findRow(result.rows, srcs, u"NSMenuItem"_s);
    QVERIFY2(row, qPrintable(srcs));
    QCOMPARE(row->tget, tget);
}

void TestCorpusReplacement::wholeCorpus_data()
{
    QTest::addColumn<QString>("file");
    const QDir corpus(QStringLiteral(TARNWICK_CORPUS_DIR));
    for (const QString &name : corpus.entryList({u"*.xliff"_s}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << name;
    if (corpus.entryList({u"*.xliff"_s}).isEmpty())
        QTest::newRow("no corpus") << QString();
}

void TestCorpusReplacement::wholeCorpus()
{
    QFETCH(QString, file);
    const std::vector<UnitRecord> rows =
        file.isEmpty() ? std::vector<UnitRecord>{} : readCorpus(file);
    if (rows.empty())
        QSKIP("corpus file not available or unreadable");

    const ReplacementDictionary dictionary = BuiltinDictionary::entries();
    const auto once = ReplacementPass::run(rows, dictionary);
    const auto twice = ReplacementPass::run(once.rows, dictionary);
    QCOMPARE(once.rows.size(), rows.size());
    QVERIFY(twice.changedRows.empty());

    std::size_t next = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const UnitRecord &before = rows.at(i);
        const UnitRecord &after = once.rows.at(i);
        const bool reported = next < once.changedRows.size() && once.changedRows.at(next) == i;
        next += reported ? 1 : 0;
        QCOMPARE(after.tget != before.tget, reported);
        QCOMPARE(after.name, before.name);
        QCOMPARE(after.srcs, before.srcs);
        QCOMPARE(after.note, before.note);
        QCOMPARE(after.port, before.port);
        if (!before.translatable)
            QCOMPARE(after.tget, before.tget);
    }
    QCOMPARE(next, once.changedRows.size());
}

QTEST_GUILESS_MAIN(TestCorpusReplacement)
#include "tst_corpusreplacement.moc"

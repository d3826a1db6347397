#include "dictionary/BuiltinDictionary.h"
#include "dictionary/ReplacementPass.h"
#include "xliff/ParseState.h"
#include "xliff/XliffReader.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Titles = QList<std::pair<QString, QString>>;

// The replacement on real macOS exports, read by the same reader as the application.
class TestCorpusReplacement : public QObject
{
    Q_OBJECT

private slots:
    void wholeCorpus_data();
    void wholeCorpus();
};

void TestCorpusReplacement::wholeCorpus_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<Titles>("menuTitles"); ///< menu item sources and the targets they get

    // Real menus through the name rules and the built-in list.
    const QHash<QString, Titles> titles{
        {u"vienna-en-xcode11-macos.xliff"_s,
         {{u"About Vienna"_s, u"Vienna について"_s},
          {u"Vienna Help"_s, u"Vienna ヘルプ"_s},
          {u"Hide Others"_s, u"他を隠す"_s},
          {u"Hide Toolbar"_s, u"Toolbar を隠す"_s},
          {u"Preferences\u2026"_s, u"環境設定\u2026"_s}}},
        {u"rumlogng-ru-xcode10-macos-large.xliff"_s,
         {{u"Hide others"_s, u"others を隠す"_s}, {u"RUMlogNG Help"_s, u"RUMlogNG ヘルプ"_s}}},
    };
    const QDir corpus(QStringLiteral(TARNWICK_CORPUS_DIR));
    for (const QString &name : corpus.entryList({u"*.xliff"_s}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << corpus.filePath(name) << titles.value(name);
    if (corpus.entryList({u"*.xliff"_s}).isEmpty())
        QTest::newRow("no corpus") << QString() << Titles();
}

void TestCorpusReplacement::wholeCorpus()
{
    QFETCH(QString, path);
    QFETCH(Titles, menuTitles);
    if (path.isEmpty())
        QSKIP("corpus not available");
    ParseState state;
    const ReadResult read = XliffReader(state).readFile(path);
    if (!read.complete)
        QSKIP("corpus file unreadable");
    const std::vector<UnitRecord> &rows = read.units;

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

    for (const auto &[srcs, tget] : menuTitles) {
        const auto row = std::find_if(once.rows.begin(), once.rows.end(), [&](const auto &r) {
            return r.srcs == srcs && r.part == u"NSMenuItem"_s;
        });
        QVERIFY2(row != once.rows.end(), qPrintable(srcs));
        QCOMPARE(row->tget, tget);
    }
}

QTEST_GUILESS_MAIN(TestCorpusReplacement)
#include "tst_corpusreplacement.moc"

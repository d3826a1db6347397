// Lookup by similarity held to brute force: every entry the minimum admits is found, with
// its exact score, in the order the ties rule.
#include "document/DocumentTests.h"
#include "memory/DocumentEntries.h"
#include "memory/EditDistance.h"
#include "memory/MatchIndex.h"
#include "memory/Similarity.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

/// The textbook Levenshtein table over code points of the NFC texts.
int plainDistance(const QString &a, const QString &b)
{
    const QList<uint> x = a.normalized(QString::NormalizationForm_C).toUcs4();
    const QList<uint> y = b.normalized(QString::NormalizationForm_C).toUcs4();
    std::vector<int> row(std::size_t(y.size()) + 1);
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[std::size_t(j)] = int(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int up = row[std::size_t(j)];
            row[std::size_t(j)] = std::min(
                {up + 1, row[std::size_t(j - 1)] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = up;
        }
    }
    return row.back();
}

int plainScore(const QString &a, const QString &b)
{
    const auto length = [](const QString &t) {
        return int(t.normalized(QString::NormalizationForm_C).toUcs4().size());
    };
    const int longer = std::max(length(a), length(b));
    if (longer == 0)
        return 100;
    return int(std::floor(100.0 * (1.0 - double(plainDistance(a, b)) / longer) + 1e-9));
}

/// Variants of a text one or two edits away, to look up what is near but not in the memory.
QString mutated(const QString &text, std::mt19937 &random)
{
    QString result = text;
    for (int edit = 0; edit < 2 && !result.isEmpty(); ++edit) {
        const auto at = qsizetype(random() % std::uint32_t(result.size()));
        switch (random() % 3) {
        case 0:
            result.remove(at, 1);
            break;
        case 1:
            result.insert(at, u'x');
            break;
        default:
            result[at] = u'Q';
        }
    }
    return result;
}

} // namespace

class TestMatchIndex : public QObject
{
    Q_OBJECT

private slots:
    void distance_data();
    void distance();
    void ties();
    void corpusRecall_data();
    void corpusRecall();
};

void TestMatchIndex::distance_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    const QString sixtyFour(64, u'a');
    QTest::newRow("empty") << QString() << u"abc"_s;
    QTest::newRow("same") << u"Cancel"_s << u"Cancel"_s;
    QTest::newRow("case") << u"Save As…"_s << u"save as..."_s;
    QTest::newRow("composed and decomposed") << u"Caf\u00e9"_s << u"Cafe\u0301"_s;
    QTest::newRow("astral counts once") << u"a\U0001F600b"_s << u"ab"_s;
    QTest::newRow("astral against BMP") << u"\U0001F600"_s << u"\uF600"_s;
    QTest::newRow("japanese") << u"保存しますか？"_s << u"保存しませんか"_s;
    QTest::newRow("64 code points") << sixtyFour << sixtyFour.left(60) + u"bbbb"_s;
    QTest::newRow("65 code points") << sixtyFour + u'c' << u'c' + sixtyFour;
    QTest::newRow("three words of Japanese") << QString(70, u'あ') + u"い"_s + QString(70, u'う')
                                             << u"x"_s + QString(69, u'あ') + QString(72, u'う');
    QTest::newRow("long") << QString(150, u'x') + u"tail"_s << u"head"_s + QString(149, u'x');
}

void TestMatchIndex::distance()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    const int expected = plainDistance(a, b);
    const QString left = Similarity::comparable(a);
    const QString right = Similarity::comparable(b);
    const int length = Similarity::codePoints(right);
    const EditDistance distance(left);
    for (int bound = 0; bound <= expected + 2; ++bound) {
        const int found = distance.within(right, length, bound);
        if (expected <= bound)
            QCOMPARE(found, expected);
        else
            QVERIFY2(found > bound, qPrintable(u"bound %1 gave %2"_s.arg(bound).arg(found)));
    }
    QCOMPARE(Similarity::of(a, b), plainScore(a, b));
}

void TestMatchIndex::ties()
{
    // Equal scores: the query's own file and id, then the region asked for, then the newest.
    MatchIndex index;
    const auto entry = [](const char *original, const char *id, const char *language,
                          qint64 created, qint64 row) {
        return MemoryEntry{u"Cancel"_s,
                           u"キャンセル"_s,
                           u"en"_s,
                           QString::fromUtf8(language),
                           QString::fromUtf8(original),
                           QString::fromUtf8(id),
                           u"p"_s,
                           created,
                           row};
    };
    index.add(entry("a.strings", "1", "ja", 10, 1));
    index.add(entry("b.strings", "1", "ja", 30, 2));
    index.add(entry("b.strings", "2", "ja-JP", 20, 3));
    index.add(entry("c.strings", "cancel", "ja", 5, 4));
    index.add({u"Cancel all"_s, u"x"_s, u"en"_s, u"ja"_s, {}, {}, u"p"_s, 99, 5});
    index.finish();
    const std::vector<MatchIndex::Hit> hits =
        index.lookup({u"Cancel"_s, u"c.strings"_s, u"cancel"_s, u"ja-JP"_s, 50, 0});
    std::vector<qint64> rows;
    for (const MatchIndex::Hit &hit : hits)
        rows.push_back(hit.rowId);
    QCOMPARE(rows, (std::vector<qint64>{4, 3, 2, 1, 5}));
    QCOMPARE(hits.back().score, 60);
    // A limit keeps the best of the ties, not the first found.
    const auto two = index.lookup({u"Cancel"_s, u"c.strings"_s, u"cancel"_s, u"ja-JP"_s, 50, 2});
    QCOMPARE(two.size(), std::size_t(2));
    QCOMPARE(two[1].rowId, 3);
}

void TestMatchIndex::corpusRecall_data()
{
    QTest::addColumn<int>("minimum");
    QTest::newRow("70") << 70;
    QTest::newRow("50") << 50;
    QTest::newRow("100") << 100;
}

void TestMatchIndex::corpusRecall()
{
    QFETCH(int, minimum);
    // Every translated unit of every real export, in one index as if one language pair.
    std::vector<MemoryEntry> entries;
    for (const QString &path : corpusFiles()) {
        ParseState state;
        const ReadResult content = XliffReader(state).readFile(path);
        for (MemoryEntry &entry : DocumentEntries::of(content, path, 0).entries)
            entries.push_back(std::move(entry));
    }
    QVERIFY(entries.size() > 100);
    MatchIndex index;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].rowId = qint64(i) + 1;
        entries[i].created = qint64(i % 7); // ties on the score are ordered by time, then row
        entries[i].targetLanguage = u"ja"_s;
        index.add(entries[i]);
    }
    index.finish();

    std::mt19937 random(28);
    QStringList queries;
    for (std::size_t i = 0; i < entries.size(); i += entries.size() / 25) {
        queries.append(entries[i].source);
        queries.append(mutated(entries[i].source, random));
    }
    queries.append(u"Cancel"_s);
    for (const QString &query : queries) {
        // Brute force: every entry scored plainly, best first as the ties rule.
        std::vector<std::pair<int, std::size_t>> expected;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const int score = plainScore(query, entries[i].source);
            if (score >= minimum)
                expected.push_back({score, i});
        }
        std::sort(expected.begin(), expected.end(), [&entries](const auto &a, const auto &b) {
            if (a.first != b.first)
                return a.first > b.first;
            const MemoryEntry &x = entries[a.second];
            const MemoryEntry &y = entries[b.second];
            return x.created != y.created ? x.created > y.created : x.rowId > y.rowId;
        });
        const std::vector<MatchIndex::Hit> all = index.lookup({query, {}, {}, u"ja"_s, minimum, 0});
        QCOMPARE(all.size(), expected.size());
        for (std::size_t i = 0; i < all.size(); ++i) {
            QCOMPARE(all[i].rowId, entries[expected[i].second].rowId);
            QCOMPARE(all[i].score, expected[i].first);
        }
        const std::vector<MatchIndex::Hit> top = index.lookup({query, {}, {}, u"ja"_s, minimum, 5});
        QCOMPARE(top.size(), std::min<std::size_t>(5, expected.size()));
        for (std::size_t i = 0; i < top.size(); ++i)
            QCOMPARE(top[i].rowId, all[i].rowId);
    }
}

QTEST_GUILESS_MAIN(TestMatchIndex)
#include "tst_matchindex.moc"

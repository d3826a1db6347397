#include "dictionary/BuiltinDictionary.h"
#include "dictionary/ReplacementPass.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString kMenuItem = u"NSMenuItem"_s;
const QString kTyped = u"typed by hand"_s;

UnitRecord row(std::optional<QString> srcs, std::optional<QString> part,
               std::optional<QString> tget = std::nullopt)
{
    UnitRecord record;
    record.srcs = std::move(srcs);
    record.part = std::move(part);
    record.tget = std::move(tget);
    return record;
}

std::optional<QString> targetAfter(const UnitRecord &record,
                                   const ReplacementDictionary &dictionary)
{
    return ReplacementPass::run({record}, dictionary).rows.front().tget;
}

} // namespace

class TestReplacementPass : public QObject
{
    Q_OBJECT

private slots:
    void rulesAndLookup_data();
    void rulesAndLookup();
    void otherKeysCarriedOver();
    void absentSourceOrTargetStaysAbsent();
    void untranslatableRowsAreSkipped();
    void runningTwiceEqualsOnce();
    void firstEntryWins();
    void tabPrefixedEntriesNeedTheTab();
    void untitledEntrySetsEmptyTarget();
    void noRows();
    void changedRowsAreReported();
};

void TestReplacementPass::rulesAndLookup_data()
{
    QTest::addColumn<QString>("srcs");
    QTest::addColumn<bool>("hasPart");
    QTest::addColumn<QString>("part");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<QString>("expected");

    // The worked examples, with the built-in list as dictionary.
    QTest::newRow("About rule") << u"About Atlas"_s << true << kMenuItem << true
                                << u"Atlas について"_s;
    QTest::newRow("Quit rule") << u"Quit Atlas"_s << true << kMenuItem << true << u"Atlas を終了"_s;
    QTest::newRow("Hide rule") << u"Hide Atlas"_s << true << kMenuItem << true << u"Atlas を隠す"_s;
    QTest::newRow("Help rule") << u"Atlas Help"_s << true << kMenuItem << true << u"Atlas ヘルプ"_s;
    QTest::newRow("Hide Others from the dictionary")
        << u"Hide Others"_s << true << kMenuItem << true << u"他を隠す"_s;
    QTest::newRow("Help alone from the dictionary")
        << u"Help"_s << true << kMenuItem << true << u"ヘルプ"_s;
    QTest::newRow("no rule without a part")
        << u"About Atlas"_s << false << QString() << false << QString();
    QTest::newRow("lookup for any part") << u"Edit"_s << true << u"NSMenu"_s << true << u"編集"_s;
    QTest::newRow("target equal to source")
        << u"Main Menu"_s << true << u"NSMenu"_s << true << u"Main Menu"_s;
    QTest::newRow("About before Help")
        << u"About Atlas Help"_s << true << kMenuItem << true << u"Atlas Help について"_s;
    QTest::newRow("any Hide title")
        << u"Hide Toolbar"_s << true << kMenuItem << true << u"Toolbar を隠す"_s;
    QTest::newRow("case-sensitive") << u"about atlas"_s << true << kMenuItem << false << QString();
    QTest::newRow("About needs a name") << u"About"_s << true << kMenuItem << false << QString();

    // The edges of the patterns.
    QTest::newRow("About and a space only")
        << u"About "_s << true << kMenuItem << false << QString();
    QTest::newRow("Help needs a name") << u" Help"_s << true << kMenuItem << false << QString();
    QTest::newRow("one-character name")
        << u"A Help"_s << true << kMenuItem << true << u"A ヘルプ"_s;
    QTest::newRow("name keeps its spaces")
        << u"Quit  Atlas "_s << true << kMenuItem << true << u" Atlas  を終了"_s;
    QTest::newRow("line break inside")
        << u"About Atlas\nPro"_s << true << kMenuItem << false << QString();
    QTest::newRow("carriage return inside")
        << u"Atlas\r Help"_s << true << kMenuItem << false << QString();
    QTest::newRow("line separator inside")
        << u"Hide Atlas\u2028Pro"_s << true << kMenuItem << false << QString();
    QTest::newRow("tab is not a line break")
        << u"Quit Atlas\tPro"_s << true << kMenuItem << true << u"Atlas\tPro を終了"_s;
    QTest::newRow("surrogate pair in the name")
        << u"Quit \U0001F600"_s << true << kMenuItem << true << u"\U0001F600 を終了"_s;
    QTest::newRow("Hide Others is excluded only exactly")
        << u"Hide Others Help"_s << true << kMenuItem << true << u"Others Help を隠す"_s;
    QTest::newRow("part compared exactly")
        << u"Quit Atlas"_s << true << u"nsmenuitem"_s << false << QString();
    QTest::newRow("Find and Find… differ") << u"Find…"_s << true << kMenuItem << true << u"検索…"_s;
    QTest::newRow("three dots are not an ellipsis")
        << u"Find..."_s << true << kMenuItem << false << QString();
}

void TestReplacementPass::rulesAndLookup()
{
    QFETCH(QString, srcs);
    QFETCH(bool, hasPart);
    QFETCH(QString, part);
    QFETCH(bool, changes);
    QFETCH(QString, expected);

    const auto before = row(srcs, hasPart ? std::optional(part) : std::nullopt, kTyped);
    const auto result = ReplacementPass::run({before}, BuiltinDictionary::entries());

    QCOMPARE(result.rows.size(), 1u);
    QCOMPARE(result.rows.front().tget, changes ? expected : kTyped);
    QCOMPARE(result.changedRows.size(), changes ? 1u : 0u);
}

void TestReplacementPass::otherKeysCarriedOver()
{
    UnitRecord before = row(u"Quit Atlas"_s, kMenuItem);
    before.from = u"Base.lproj/MainMenu.xib"_s;
    before.name = u"4sb-4s-VLi.title"_s;
    before.note = u"Class = \"NSMenuItem\"; title = \"Quit Atlas\";"_s;
    before.port = 41;

    const UnitRecord after = ReplacementPass::run({before}, {}).rows.front();
    QCOMPARE(after.from, before.from);
    QCOMPARE(after.name, before.name);
    QCOMPARE(after.srcs, before.srcs);
    QCOMPARE(after.note, before.note);
    QCOMPARE(after.part, before.part);
    QCOMPARE(after.port, before.port);
    QCOMPARE(after.tget, u"Atlas を終了"_s);
}

void TestReplacementPass::absentSourceOrTargetStaysAbsent()
{
    const ReplacementDictionary dictionary = BuiltinDictionary::entries();
    QCOMPARE(targetAfter(row(std::nullopt, kMenuItem), dictionary), std::nullopt);
    QCOMPARE(targetAfter(row(u"Not in the list"_s, std::nullopt), dictionary), std::nullopt);
    QCOMPARE(targetAfter(row(u"Not in the list"_s, std::nullopt, QString()), dictionary),
             QString());
    QCOMPARE(targetAfter(row(u""_s, std::nullopt), dictionary), std::nullopt);
}

void TestReplacementPass::untranslatableRowsAreSkipped()
{
    UnitRecord byRule = row(u"Quit Atlas"_s, kMenuItem, kTyped);
    byRule.translatable = false;
    UnitRecord byEntry = row(u"Edit"_s, u"NSMenu"_s);
    byEntry.translatable = false;

    const auto result = ReplacementPass::run({byRule, byEntry}, BuiltinDictionary::entries());
    QCOMPARE(result.rows.at(0).tget, kTyped);
    QCOMPARE(result.rows.at(1).tget, std::nullopt);
    QVERIFY(result.changedRows.empty());
}

void TestReplacementPass::runningTwiceEqualsOnce()
{
    const std::vector<UnitRecord> rows{
        row(u"About Atlas"_s, kMenuItem, kTyped), row(u"Edit"_s, u"NSMenu"_s),
        row(u"Find"_s, kMenuItem, u"探す"_s),     row(u"Unknown"_s, std::nullopt, kTyped),
        row(std::nullopt, std::nullopt),          row(u"Atlas Help"_s, kMenuItem)};
    const ReplacementDictionary dictionary = BuiltinDictionary::entries();

    const auto once = ReplacementPass::run(rows, dictionary);
    const auto twice = ReplacementPass::run(once.rows, dictionary);

    QCOMPARE(once.changedRows, (std::vector<std::size_t>{0, 1, 2, 5}));
    QVERIFY(twice.changedRows.empty());
    for (std::size_t i = 0; i < rows.size(); ++i)
        QCOMPARE(twice.rows.at(i).tget, once.rows.at(i).tget);
}

void TestReplacementPass::firstEntryWins()
{
    ReplacementDictionary dictionary = BuiltinDictionary::entries();
    dictionary.push_back({u"Find"_s, u"探す"_s});
    const UnitRecord find = row(u"Find"_s, kMenuItem);

    QCOMPARE(targetAfter(find, dictionary), u"検索"_s);

    // Once the added entry is shown first, it decides.
    std::rotate(dictionary.rbegin(), dictionary.rbegin() + 1, dictionary.rend());
    QCOMPARE(dictionary.front().tget, u"探す"_s);
    QCOMPARE(targetAfter(find, dictionary), u"探す"_s);

    // The rules come before any entry, even one for the very title.
    const ReplacementDictionary quitEntry{{u"Quit Atlas"_s, u"終了"_s}};
    QCOMPARE(targetAfter(row(u"Quit Atlas"_s, kMenuItem), quitEntry), u"Atlas を終了"_s);
    QCOMPARE(targetAfter(row(u"Quit Atlas"_s, u"NSMenu"_s), quitEntry), u"終了"_s);
}

void TestReplacementPass::tabPrefixedEntriesNeedTheTab()
{
    const ReplacementDictionary dictionary = BuiltinDictionary::entries();
    QCOMPARE(targetAfter(row(u"\tDefault"_s, kMenuItem), dictionary), u"\tデフォルト"_s);
    QCOMPARE(targetAfter(row(u"\tLeft to Right"_s, kMenuItem), dictionary), u"\t左から右"_s);
    QCOMPARE(targetAfter(row(u"Default"_s, kMenuItem), dictionary), std::nullopt);
    QCOMPARE(targetAfter(row(u"Right to Left"_s, kMenuItem), dictionary), std::nullopt);
}

void TestReplacementPass::untitledEntrySetsEmptyTarget()
{
    ReplacementDictionary dictionary = BuiltinDictionary::entries();
    dictionary.push_back({u"untitled"_s, QString()});
    QCOMPARE(targetAfter(row(u"untitled"_s, std::nullopt, kTyped), dictionary), QString());
    QCOMPARE(targetAfter(row(u"Untitled"_s, std::nullopt, kTyped), dictionary), kTyped);
}

void TestReplacementPass::noRows()
{
    const auto result = ReplacementPass::run({}, BuiltinDictionary::entries());
    QVERIFY(result.rows.empty());
    QVERIFY(result.changedRows.empty());
}

void TestReplacementPass::changedRowsAreReported()
{
    const std::vector<UnitRecord> rows{row(u"Edit"_s, u"NSMenu"_s, u"編集"_s),
                                       row(u"Edit"_s, u"NSMenu"_s, QString()),
                                       row(u"Edit"_s, u"NSMenu"_s)};
    const auto result = ReplacementPass::run(rows, BuiltinDictionary::entries());
    QCOMPARE(result.changedRows, (std::vector<std::size_t>{1, 2}));
    for (const UnitRecord &after : result.rows)
        QCOMPARE(after.tget, u"編集"_s);
}

QTEST_GUILESS_MAIN(TestReplacementPass)
#include "tst_replacementpass.moc"

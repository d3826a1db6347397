#include "dictionary/BuiltinDictionary.h"
#include "dictionary/ReplacementPass.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using Text = std::optional<QString>;

const QString kMenuItem = u"NSMenuItem"_s;
const QString kTyped = u"typed by hand"_s;

UnitRecord row(Text srcs, Text part, Text tget = std::nullopt)
{
    UnitRecord record;
    record.srcs = std::move(srcs);
    record.part = std::move(part);
    record.tget = std::move(tget);
    return record;
}

Text targetAfter(const UnitRecord &record, const ReplacementDictionary &dictionary)
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
    void untranslatableRowsAreSkipped();
    void changesReportedAndStable();
    void ownEntries();
    void onlyJapaneseDocuments_data();
    void onlyJapaneseDocuments();
};

void TestReplacementPass::rulesAndLookup_data()
{
    QTest::addColumn<Text>("srcs");
    QTest::addColumn<Text>("part");
    QTest::addColumn<Text>("before");
    QTest::addColumn<Text>("after");
    // A menu item holding a typed target; without `after` the typed target stays.
    const auto menu = [](const char *name, const QString &srcs, const Text &after = kTyped) {
        QTest::newRow(name) << Text(srcs) << Text(kMenuItem) << Text(kTyped) << after;
    };
    const Text none;

    menu("About rule", u"About Atlas"_s, u"Atlas について"_s);
    menu("Quit rule", u"Quit Atlas"_s, u"Atlas を終了"_s);
    menu("Hide rule", u"Hide Toolbar"_s, u"Toolbar を隠す"_s);
    menu("Help rule", u"Atlas Help"_s, u"Atlas ヘルプ"_s);
    menu("Hide Others from the dictionary", u"Hide Others"_s, u"他を隠す"_s);
    menu("Hide Others is excluded only exactly", u"Hide Others Help"_s, u"Others Help を隠す"_s);
    menu("About before Help", u"About Atlas Help"_s, u"Atlas Help について"_s);
    menu("case-sensitive", u"about atlas"_s);
    menu("About needs a name", u"About"_s);
    menu("About and a space only", u"About "_s);
    menu("Help needs a name", u" Help"_s);
    menu("one-character name", u"A Help"_s, u"A ヘルプ"_s);
    menu("name keeps its spaces", u"Quit  Atlas "_s, u" Atlas  を終了"_s);
    menu("line break inside", u"About Atlas\nPro"_s);
    menu("carriage return inside", u"Atlas\r Help"_s);
    menu("line separator inside", u"Hide Atlas\u2028Pro"_s);
    menu("tab is not a line break", u"Quit Atlas\tPro"_s, u"Atlas\tPro を終了"_s);
    menu("surrogate pair in the name", u"Quit \U0001F600"_s, u"\U0001F600 を終了"_s);
    menu("Find and Find… differ", u"Find…"_s, u"検索…"_s);
    menu("three dots are not an ellipsis", u"Find..."_s);
    menu("tab-prefixed entry", u"\tDefault"_s, u"\tデフォルト"_s);
    menu("tab-prefixed entry needs the tab", u"Default"_s);

    QTest::newRow("no rule without a part")
        << Text(u"About Atlas"_s) << none << Text(kTyped) << Text(kTyped);
    QTest::newRow("part compared exactly")
        << Text(u"Quit Atlas"_s) << Text(u"nsmenuitem"_s) << Text(kTyped) << Text(kTyped);
    QTest::newRow("lookup for any part")
        << Text(u"Edit"_s) << Text(u"NSMenu"_s) << Text(kTyped) << Text(u"編集"_s);
    QTest::newRow("absent source") << none << Text(kMenuItem) << none << none;
    QTest::newRow("empty source") << Text(u""_s) << none << none << none;
    QTest::newRow("absent target stays absent")
        << Text(u"Not in the list"_s) << none << none << none;
    QTest::newRow("empty target stays empty")
        << Text(u"Not in the list"_s) << none << Text(u""_s) << Text(u""_s);
}

void TestReplacementPass::rulesAndLookup()
{
    QFETCH(Text, srcs);
    QFETCH(Text, part);
    QFETCH(Text, before);
    QFETCH(Text, after);

    const auto result =
        ReplacementPass::run({row(srcs, part, before)}, BuiltinDictionary::entries());

    QCOMPARE(result.rows.size(), 1u);
    QCOMPARE(result.rows.front().tget, after);
    QCOMPARE(result.changedRows.size(), after != before ? 1u : 0u);
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

void TestReplacementPass::changesReportedAndStable()
{
    // Only rows whose target differs afterwards are reported; a second pass changes nothing.
    const std::vector<UnitRecord> rows{
        row(u"About Atlas"_s, kMenuItem, kTyped), row(u"Edit"_s, u"NSMenu"_s),
        row(u"Find"_s, kMenuItem, u"探す"_s),     row(u"Unknown"_s, std::nullopt, kTyped),
        row(std::nullopt, std::nullopt),          row(u"Atlas Help"_s, kMenuItem),
        row(u"Edit"_s, u"NSMenu"_s, u"編集"_s),   row(u"Edit"_s, u"NSMenu"_s, QString())};
    const ReplacementDictionary dictionary = BuiltinDictionary::entries();

    const auto once = ReplacementPass::run(rows, dictionary);
    const auto twice = ReplacementPass::run(once.rows, dictionary);

    QCOMPARE(once.changedRows, (std::vector<std::size_t>{0, 1, 2, 5, 7}));
    for (const std::size_t edit : {1, 6, 7})
        QCOMPARE(once.rows.at(edit).tget, u"編集"_s);
    // "About Atlas" and "Find" had translations of their own; row 7's empty target did not.
    QCOMPARE(once.replacedTranslations, 2u);
    QCOMPARE(
        ReplacementPass::summary(once),
        u"Replaced %n target(s); 2 of them had another translation."_s.replace(u"%n"_s, u"5"_s));
    QVERIFY(twice.changedRows.empty());
    QVERIFY(ReplacementPass::summary(twice).startsWith(u"Nothing was replaced"_s));
    for (std::size_t i = 0; i < rows.size(); ++i)
        QCOMPARE(twice.rows.at(i).tget, once.rows.at(i).tget);

    const auto empty = ReplacementPass::run({}, dictionary);
    QVERIFY(empty.rows.empty() && empty.changedRows.empty());
}

void TestReplacementPass::ownEntries()
{
    ReplacementDictionary dictionary = BuiltinDictionary::entries();
    dictionary.push_back({u"Find"_s, u"探す"_s});
    dictionary.push_back({u"untitled"_s, QString()});
    const UnitRecord find = row(u"Find"_s, kMenuItem);

    // The first entry of a source wins; once the added entry is shown first, it decides.
    QCOMPARE(targetAfter(find, dictionary), u"検索"_s);
    std::rotate(dictionary.rbegin(), dictionary.rbegin() + 2, dictionary.rend());
    QCOMPARE(dictionary.front().tget, u"探す"_s);
    QCOMPARE(targetAfter(find, dictionary), u"探す"_s);

    // A new entry's empty target is set as empty; its source is compared exactly.
    QCOMPARE(targetAfter(row(u"untitled"_s, std::nullopt, kTyped), dictionary), QString());
    QCOMPARE(targetAfter(row(u"Untitled"_s, std::nullopt, kTyped), dictionary), kTyped);

    // The rules come before any entry, even one for the very title.
    const ReplacementDictionary quitEntry{{u"Quit Atlas"_s, u"終了"_s}};
    QCOMPARE(targetAfter(row(u"Quit Atlas"_s, kMenuItem), quitEntry), u"Atlas を終了"_s);
    QCOMPARE(targetAfter(row(u"Quit Atlas"_s, u"NSMenu"_s), quitEntry), u"終了"_s);
}

void TestReplacementPass::onlyJapaneseDocuments_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<bool>("runs");
    QTest::newRow("ja") << QStringList{u"ja"_s} << true;
    QTest::newRow("ja-JP, ja_JP, JA") << QStringList{u"ja-JP"_s, u"ja_JP"_s, u"JA"_s} << true;
    QTest::newRow("a file without a language beside Japanese")
        << QStringList{QString(), u"ja"_s} << true;
    QTest::newRow("Korean") << QStringList{u"ko"_s} << false;
    QTest::newRow("Japanese and Korean") << QStringList{u"ja"_s, u"ko-KR"_s} << false;
    QTest::newRow("jam is not ja") << QStringList{u"jam"_s} << false;
    QTest::newRow("no language named") << QStringList{QString()} << false;
    QTest::newRow("no files") << QStringList{} << false;
}

void TestReplacementPass::onlyJapaneseDocuments()
{
    QFETCH(QStringList, languages);
    QFETCH(bool, runs);
    std::vector<FileHeader> files;
    for (const QString &language : languages)
        files.push_back(
            {u"a.strings"_s, u"en"_s, language.isEmpty() ? std::nullopt : std::optional(language)});
    const QString refusal = ReplacementPass::refusal(files);
    QCOMPARE(refusal.isEmpty(), runs);
    if (!runs)
        QVERIFY(refusal.endsWith(u"nothing was replaced."_s));
}

QTEST_GUILESS_MAIN(TestReplacementPass)
#include "tst_replacementpass.moc"

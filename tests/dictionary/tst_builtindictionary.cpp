#include "dictionary/BuiltinDictionary.h"
#include "dictionary/MenuTitleRules.h"

#include <QHash>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBuiltinDictionary : public QObject
{
    Q_OBJECT

private slots:
    void countAndEnds();
    void repeatedSources_data();
    void repeatedSources();
    void tellingEntries_data();
    void tellingEntries();
    void sourcesAndTargetsPairOneToOne();
    void ellipsesAreOneCharacter();
    void tabsKept();
    void noApplicationNameTitles();

private:
    const ReplacementDictionary m_list = BuiltinDictionary::entries();
};

void TestBuiltinDictionary::countAndEnds()
{
    QCOMPARE(m_list.size(), 124u);
    QCOMPARE(m_list.at(0).srcs, u"Customize Toolbar\u2026"_s);
    QCOMPARE(m_list.at(1).srcs, u"Find"_s);
    QCOMPARE(m_list.at(2).srcs, u"Lower"_s);
    QCOMPARE(m_list.at(122).srcs, u"Show Substitutions"_s);
    QCOMPARE(m_list.at(123).srcs, u"Enter Full Screen"_s);
}

void TestBuiltinDictionary::repeatedSources_data()
{
    QTest::addColumn<QString>("srcs");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QString>("tget");

    const auto add = [](const QString &srcs, QList<int> positions, const QString &tget) {
        QTest::newRow(qPrintable(srcs)) << srcs << positions << tget;
    };
    add(u"Find"_s, {2, 9}, u"検索"_s);
    add(u"Transformations"_s, {5, 81}, u"変換"_s);
    add(u"Use Default"_s, {7, 29, 77}, u"デフォルト"_s);
    add(u"Speech"_s, {8, 122}, u"スピーチ"_s);
    add(u"Edit"_s, {10, 64}, u"編集"_s);
    add(u"Writing Direction"_s, {13, 31}, u"文章の方向"_s);
    add(u"Substitutions"_s, {14, 26}, u"自動置換"_s);
    add(u"\tLeft to Right"_s, {20, 44}, u"\t左から右"_s);
    add(u"Help"_s, {24, 119}, u"ヘルプ"_s);
    add(u"Text"_s, {25, 86}, u"テキスト"_s);
    add(u"Format"_s, {28, 97}, u"フォーマット"_s);
    add(u"Font"_s, {30, 76}, u"フォント"_s);
    add(u"View"_s, {32, 35}, u"表示"_s);
    add(u"Use None"_s, {39, 82}, u"使用しない"_s);
    add(u"Services"_s, {46, 92}, u"サービス"_s);
    add(u"\tDefault"_s, {47, 70}, u"\tデフォルト"_s);
    add(u"Baseline"_s, {49, 94}, u"ベースライン"_s);
    add(u"\tRight to Left"_s, {55, 96}, u"\t右から左"_s);
    add(u"Window"_s, {59, 75}, u"ウインドウ"_s);
    add(u"File"_s, {79, 87}, u"ファイル"_s);
    add(u"Kern"_s, {95, 111}, u"カーニング"_s);
    add(u"Ligatures"_s, {99, 117}, u"リガチャ"_s);
    add(u"Open Recent"_s, {100, 110}, u"最近使った項目を開く"_s);
}

void TestBuiltinDictionary::repeatedSources()
{
    QFETCH(QString, srcs);
    QFETCH(QList<int>, positions);
    QFETCH(QString, tget);

    QList<int> found;
    for (std::size_t i = 0; i < m_list.size(); ++i) {
        if (m_list.at(i).srcs != srcs)
            continue;
        found.append(static_cast<int>(i) + 1);
        QCOMPARE(m_list.at(i).tget, tget);
    }
    QCOMPARE(found, positions);
}

void TestBuiltinDictionary::tellingEntries_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("srcs");
    QTest::addColumn<QString>("tget");

    QTest::newRow("1") << 1 << u"Customize Toolbar\u2026"_s << u"ツールバーをカスタマイズ\u2026"_s;
    QTest::newRow("15") << 15 << u"Smart Copy/Paste"_s << u"スマートコピー\uFF0Fペースト"_s;
    QTest::newRow("18") << 18 << u"Main Menu"_s << u"Main Menu"_s;
    QTest::newRow("19") << 19 << u"Preferences\u2026"_s << u"環境設定\u2026"_s;
    QTest::newRow("21") << 21 << u"Save As\u2026"_s << u"別名で保存\u2026"_s;
    QTest::newRow("37") << 37 << u"Open\u2026"_s << u"開く\u2026"_s;
    QTest::newRow("54") << 54 << u"Zoom"_s << u"拡大\uFF0F縮小"_s;
    QTest::newRow("62") << 62 << u"Hide Others"_s << u"他を隠す"_s;
    QTest::newRow("68") << 68 << u"Find\u2026"_s << u"検索\u2026"_s;
    QTest::newRow("69") << 69 << u"Find and Replace\u2026"_s << u"検索と置換\u2026"_s;
    QTest::newRow("74") << 74 << u"Print\u2026"_s << u"プリント\u2026"_s;
    QTest::newRow("103") << 103 << u"Save\u2026"_s << u"保存\u2026"_s;
    QTest::newRow("105") << 105 << u"Page Setup\u2026"_s << u"ページ設定\u2026"_s;
    // A few of the standard titles chosen for the open targets.
    QTest::newRow("12") << 12 << u"Redo"_s << u"やり直す"_s;
    QTest::newRow("88") << 88 << u"Undo"_s << u"取り消す"_s;
    QTest::newRow("48") << 48 << u"Minimize"_s << u"しまう"_s;
    QTest::newRow("124") << 124 << u"Enter Full Screen"_s << u"フルスクリーンにする"_s;
}

void TestBuiltinDictionary::tellingEntries()
{
    QFETCH(int, position);
    QFETCH(QString, srcs);
    QFETCH(QString, tget);

    const ReplacementEntry &entry = m_list.at(static_cast<std::size_t>(position - 1));
    QCOMPARE(entry.srcs, srcs);
    QCOMPARE(entry.tget, tget);
}

void TestBuiltinDictionary::sourcesAndTargetsPairOneToOne()
{
    QHash<QString, QString> targetOf;
    QHash<QString, QString> sourceOf;
    for (const ReplacementEntry &entry : m_list) {
        QVERIFY2(!entry.srcs.isEmpty() && !entry.tget.isEmpty(), qPrintable(entry.srcs));
        QCOMPARE(targetOf.value(entry.srcs, entry.tget), entry.tget);
        QCOMPARE(sourceOf.value(entry.tget, entry.srcs), entry.srcs);
        targetOf.insert(entry.srcs, entry.tget);
        sourceOf.insert(entry.tget, entry.srcs);
    }
    QCOMPARE(targetOf.size(), 100);
    QCOMPARE(sourceOf.size(), 100);

    const auto solidusTargets =
        std::count_if(m_list.begin(), m_list.end(),
                      [](const ReplacementEntry &e) { return e.tget.contains(u'\uFF0F'); });
    QCOMPARE(solidusTargets, 2);
    const auto sameAsSource = std::count_if(
        m_list.begin(), m_list.end(), [](const ReplacementEntry &e) { return e.tget == e.srcs; });
    QCOMPARE(sameAsSource, 1);
}

void TestBuiltinDictionary::ellipsesAreOneCharacter()
{
    int ellipses = 0;
    for (const ReplacementEntry &entry : m_list) {
        QVERIFY2(!entry.srcs.contains(u"..."_s), qPrintable(entry.srcs));
        QVERIFY2(!entry.tget.contains(u"..."_s), qPrintable(entry.srcs));
        const bool ends = entry.srcs.endsWith(u'\u2026');
        QCOMPARE(entry.tget.endsWith(u'\u2026'), ends);
        QCOMPARE(entry.srcs.count(u'\u2026'), ends ? 1 : 0);
        ellipses += ends ? 1 : 0;
        // Everything else in a source is ASCII.
        for (const QChar c : entry.srcs)
            QVERIFY2(c.unicode() < 0x80 || c == u'\u2026', qPrintable(entry.srcs));
    }
    QCOMPARE(ellipses, 9);
}

void TestBuiltinDictionary::tabsKept()
{
    QSet<QString> tabbed;
    int tabbedEntries = 0;
    for (const ReplacementEntry &entry : m_list) {
        const bool tab = entry.srcs.startsWith(u'\t');
        QCOMPARE(entry.tget.startsWith(u'\t'), tab);
        if (!tab)
            continue;
        QCOMPARE(entry.srcs.count(u'\t'), 1);
        tabbed.insert(entry.srcs);
        ++tabbedEntries;
    }
    QCOMPARE(tabbed, (QSet<QString>{u"\tLeft to Right"_s, u"\tRight to Left"_s, u"\tDefault"_s}));
    QCOMPARE(tabbedEntries, 6);
}

void TestBuiltinDictionary::noApplicationNameTitles()
{
    // Those titles belong to the rules; an entry for one would never be reached.
    const auto menuItem = MenuTitleRules::menuItemClass();
    for (const ReplacementEntry &entry : m_list)
        QVERIFY2(!MenuTitleRules::translate(entry.srcs, menuItem), qPrintable(entry.srcs));
}

QTEST_GUILESS_MAIN(TestBuiltinDictionary)
#include "tst_builtindictionary.moc"

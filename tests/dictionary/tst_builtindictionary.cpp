// The built-in list: its order at a few telling places, and the properties every entry
// keeps. The rest of the list is data, not behaviour, and is not restated here.
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
    void tellingEntries_data();
    void tellingEntries();
    void structure();

private:
    const ReplacementDictionary m_list = BuiltinDictionary::entries();
};

void TestBuiltinDictionary::tellingEntries_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("srcs");
    QTest::addColumn<QString>("tget");

    QTest::newRow("first") << 1 << u"Customize Toolbar\u2026"_s
                           << u"ツールバーをカスタマイズ\u2026"_s;
    QTest::newRow("first of a repeated source") << 2 << u"Find"_s << u"検索"_s;
    QTest::newRow("full-width solidus")
        << 15 << u"Smart Copy/Paste"_s << u"スマートコピー\uFF0Fペースト"_s;
    QTest::newRow("target equal to source") << 18 << u"Main Menu"_s << u"Main Menu"_s;
    QTest::newRow("tab kept") << 20 << u"\tLeft to Right"_s << u"\t左から右"_s;
    QTest::newRow("the title the Hide rule leaves") << 62 << u"Hide Others"_s << u"他を隠す"_s;
    // Two of the standard titles chosen for the open targets.
    QTest::newRow("Redo") << 12 << u"Redo"_s << u"やり直す"_s;
    QTest::newRow("Minimize") << 48 << u"Minimize"_s << u"しまう"_s;
    QTest::newRow("last") << 124 << u"Enter Full Screen"_s << u"フルスクリーンにする"_s;
}

void TestBuiltinDictionary::tellingEntries()
{
    QFETCH(int, position);
    const ReplacementEntry &entry = m_list.at(static_cast<std::size_t>(position - 1));
    QTEST(entry.srcs, "srcs");
    QTEST(entry.tget, "tget");
}

void TestBuiltinDictionary::structure()
{
    QCOMPARE(m_list.size(), 124u);
    QHash<QString, QString> targetOf;
    QHash<QString, QString> sourceOf;
    QSet<QString> tabbed;
    int ellipses = 0, tabs = 0, solidi = 0, sameAsSource = 0;
    const auto menuItem = MenuTitleRules::menuItemClass();
    for (const ReplacementEntry &entry : m_list) {
        const QByteArray name = entry.srcs.toUtf8();
        const char *srcs = name.constData();
        QVERIFY2(!entry.srcs.isEmpty() && !entry.tget.isEmpty(), srcs);
        // A repeated source always has the same target, and no two sources share one.
        QCOMPARE(targetOf.value(entry.srcs, entry.tget), entry.tget);
        QCOMPARE(sourceOf.value(entry.tget, entry.srcs), entry.srcs);
        targetOf.insert(entry.srcs, entry.tget);
        sourceOf.insert(entry.tget, entry.srcs);

        // An ellipsis is one character, in source and target alike; the rest of a source
        // is ASCII.
        QVERIFY2(!entry.srcs.contains(u"..."_s) && !entry.tget.contains(u"..."_s), srcs);
        const bool ellipsis = entry.srcs.endsWith(u'\u2026');
        QCOMPARE(entry.tget.endsWith(u'\u2026'), ellipsis);
        QCOMPARE(entry.srcs.count(u'\u2026'), ellipsis ? 1 : 0);
        for (const QChar c : entry.srcs)
            QVERIFY2(c.unicode() < 0x80 || c == u'\u2026', srcs);

        // A leading tab is kept in both.
        const bool tab = entry.srcs.startsWith(u'\t');
        QCOMPARE(entry.tget.startsWith(u'\t'), tab);
        QCOMPARE(entry.srcs.count(u'\t'), tab ? 1 : 0);
        if (tab)
            tabbed.insert(entry.srcs);

        // The titles with the application's name belong to the rules; an entry for one
        // would never be reached.
        QVERIFY2(!MenuTitleRules::translate(entry.srcs, menuItem), srcs);

        ellipses += ellipsis ? 1 : 0;
        tabs += tab ? 1 : 0;
        solidi += entry.tget.contains(u'\uFF0F') ? 1 : 0;
        sameAsSource += entry.tget == entry.srcs ? 1 : 0;
    }
    QCOMPARE(targetOf.size(), 100);
    QCOMPARE(sourceOf.size(), 100);
    QCOMPARE(ellipses, 9);
    QCOMPARE(tabs, 6);
    QCOMPARE(tabbed, (QSet<QString>{u"\tLeft to Right"_s, u"\tRight to Left"_s, u"\tDefault"_s}));
    QCOMPARE(solidi, 2);
    QCOMPARE(sameAsSource, 1);
}

QTEST_GUILESS_MAIN(TestBuiltinDictionary)
#include "tst_builtindictionary.moc"

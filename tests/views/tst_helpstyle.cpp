#include "views/HelpStyle.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Kind = HelpStyle::Kind;
Q_DECLARE_METATYPE(HelpStyle::Kind)

class TestHelpStyle : public QObject
{
    Q_OBJECT

private slots:
    void kindOf_data();
    void kindOf();
    void layout();
};

void TestHelpStyle::kindOf_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");

    QTest::newRow("title, even ending with a stop") << 0 << u"Help."_s << Kind::Title;
    QTest::newRow("heading") << 1 << u"Summary"_s << Kind::Heading;
    QTest::newRow("body") << 9 << u"double click or hit return to edit \"Target\", one by one."_s
                          << Kind::Body;
    QTest::newRow("body ending with 。") << 2 << u"書き出したファイルを開きます。"_s << Kind::Body;
    QTest::newRow("ellipsis is no stop") << 5 << u"Export For Localization…"_s << Kind::Heading;
    QTest::newRow("full-width stop is no stop") << 5 << u"開きます．"_s << Kind::Heading;
    QTest::newRow("trailing blank after the stop") << 5 << u"Open. "_s << Kind::Heading;
    QTest::newRow("empty") << 3 << QString() << Kind::Heading;
}

void TestHelpStyle::kindOf()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    QCOMPARE(HelpStyle::kindOf(position, text), kind);
}

void TestHelpStyle::layout()
{
    const HelpStyle::Layout layout = HelpStyle::layout({u"概要"_s, u"まとめ。"_s, u"Last line."_s});
    QCOMPARE(layout.text, u"概要\n\nまとめ。\n\nLast line.\n\n"_s);
    QCOMPARE(layout.paragraphs.size(), 3);
    QCOMPARE(layout.paragraphs.at(0).kind, Kind::Title);
    QCOMPARE(layout.paragraphs.at(1).kind, Kind::Body);
    QCOMPARE(layout.paragraphs.at(2).text, u"Last line.\n\n"_s);
    QVERIFY(HelpStyle::layout({}).text.isEmpty());
}

QTEST_GUILESS_MAIN(TestHelpStyle)
#include "tst_helpstyle.moc"

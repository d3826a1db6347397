#include "document/WordCount.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordCount : public QObject
{
    Q_OBJECT

private slots:
    void words_data();
    void words();
    void totalsFollowTheStatus();
};

void TestWordCount::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");

    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("blanks and punctuation") << u"  … — !? "_s << 0;
    QTest::newRow("English") << u"Open Another Document?"_s << 3;
    QTest::newRow("apostrophe and hyphen") << u"Don't re-open it"_s << 4;
    QTest::newRow("number and specifier") << u"%d%% off 2.5 times"_s << 4;
    QTest::newRow("ellipsis") << u"Save As…"_s << 2;
    // Japanese without spaces: ICU's dictionary finds the words, neither one nor each kana.
    QTest::newRow("Japanese") << u"環境設定を開く"_s << 4; // 環境・設定・を・開く
    QTest::newRow("Chinese") << u"打开文件"_s << 2;
    QTest::newRow("Korean with spaces") << u"환경설정 열기"_s << 2;
    QTest::newRow("mixed") << u"Tarnwick について"_s << 2;
}

void TestWordCount::words()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    const WordCount count;
    QCOMPARE(count.words(text), words);
}

void TestWordCount::totalsFollowTheStatus()
{
    const WordCount count;
    UnitRecord untranslated;
    untranslated.srcs = u"Open the file"_s;
    UnitRecord copied = untranslated; // Xcode's copy of the source is still to translate
    copied.tget = u"Open the file"_s;
    copied.state = u"new"_s;
    UnitRecord toReview = untranslated;
    toReview.tget = u"ファイルを開く"_s;
    toReview.state = u"needs-review-l10n"_s;
    UnitRecord translated;
    translated.srcs = u"Close"_s;
    translated.tget = u"閉じる"_s;
    UnitRecord kept = untranslated;
    kept.translatable = false;

    WordCount::Totals totals;
    for (const UnitRecord *unit : {&untranslated, &copied, &toReview, &translated, &kept})
        WordCount::add(totals, *unit, count.sourceWords(*unit));
    QCOMPARE(totals.toTranslate, 6);
    QCOMPARE(totals.translated, 4);
}

QTEST_GUILESS_MAIN(TestWordCount)
#include "tst_wordcount.moc"

// Each unit check over rows it must flag and rows it must leave alone.
#include "checks/BlankCheck.h"
#include "checks/CheckEngine.h"
#include "checks/EllipsisCheck.h"
#include "checks/FormatCheck.h"
#include "checks/HalfWidthKanaCheck.h"
#include "checks/LineBreakCheck.h"
#include "checks/MarkupCheck.h"
#include "checks/MenuPeriodCheck.h"
#include "checks/PunctuationCheck.h"
#include "checks/UnchangedCheck.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void columns()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("language"); ///< the file's target language; the source is "en"
    QTest::addColumn<bool>("flagged");
    QTest::addColumn<QString>("part"); ///< the class the unit's note names
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QStringList>("terms"); ///< the project's terms kept as they are
}

void row(const char *name, const QString &source, const QString &target, bool flagged,
         const QString &language = u"ja"_s, const QString &part = {}, const QString &id = {},
         const QString &from = {}, const QStringList &terms = {})
{
    QTest::newRow(name) << source << target << language << flagged << part << id << from << terms;
}

/// Runs the check on the current row.
void verify(const UnitCheck &check)
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, language);
    QFETCH(bool, flagged);
    QFETCH(QString, part);
    QFETCH(QString, id);
    QFETCH(QString, from);
    QFETCH(QStringList, terms);
    UnitRecord record;
    if (!from.isEmpty())
        record.from = from;
    record.srcs = source;
    record.tget = target;
    if (!part.isEmpty())
        record.part = part;
    if (!id.isEmpty())
        record.name = id;
    const LanguagePair languages(FileHeader{{}, u"en"_s, language}, PluralCategories(language));
    const QSet<QString> termSet(terms.begin(), terms.end());
    const std::optional<Finding> found =
        check.inspect(CheckedUnit{record, source, target, languages, &termSet});
    QVERIFY2(found.has_value() == flagged, qPrintable(found ? found->message : u"(passes)"_s));
    if (found)
        QVERIFY(!found->message.isEmpty());
}

} // namespace

class TestUnitChecks : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format() { verify(FormatCheck()); }
    void formatMessage_data();
    void formatMessage();
    void blanks_data();
    void blanks() { verify(BlankCheck()); }
    void lineBreaks_data();
    void lineBreaks() { verify(LineBreakCheck()); }
    void ellipsis_data();
    void ellipsis() { verify(EllipsisCheck()); }
    void punctuation_data();
    void punctuation() { verify(PunctuationCheck()); }
    void markup_data();
    void markup() { verify(MarkupCheck()); }
    void unchanged_data();
    void unchanged() { verify(UnchangedCheck()); }
    void halfWidthKana_data();
    void halfWidthKana() { verify(HalfWidthKanaCheck()); }
    void menuPeriod_data();
    void menuPeriod() { verify(MenuPeriodCheck()); }
};

void TestUnitChecks::format_data()
{
    columns();
    row("object read as an int", u"Hello %@"_s, u"こんにちは %d"_s, true);
    row("specifier dropped", u"%d items"_s, u"項目"_s, true);
    row("specifier added", u"Items"_s, u"%d 件"_s, true);
    row("reordered without positions", u"%@ has %d"_s, u"%d 件 %@"_s, true);
    row("position changes its type", u"%1$@ has %2$d"_s, u"%2$@ に %1$d"_s, true);
    row("int widened", u"%d"_s, u"%ld"_s, true);
    row("C string for an object", u"%@"_s, u"%s"_s, true);
    row("variable renamed", u"%#@files@"_s, u"%#@file@"_s, true);
    row("star width dropped", u"%*d"_s, u"%d"_s, true);
    row("one of two repeats dropped", u"%@ and %@"_s, u"%@"_s, true);
    row("same", u"%@ items"_s, u"%@ 件"_s, false);
    row("percent before a blank", u"100 % done"_s, u"100 % 完了"_s, false);
    row("percent before a blank in the target only", u"50% off"_s, u"50 % de réduction"_s, false,
        u"fr"_s);
    row("literal percent", u"%d%%"_s, u"%d %%"_s, false);
    row("percent ending the text", u"100%"_s, u"100 %"_s, false, u"fr"_s);
    row("percent before punctuation", u"Battery 100%!"_s, u"バッテリー 100%！"_s, false);
    row("reordered with positions", u"%@ has %d"_s, u"%2$d 件 %1$@"_s, false);
    row("numbered and unnumbered alike", u"%1$@"_s, u"%@"_s, false);
    row("numbered in the source only", u"%1$lld of %2$@"_s, u"%lld / %@"_s, false);
    row("long and long long", u"%ld files"_s, u"%lld 件"_s, false);
    row("i for d", u"%i"_s, u"%d"_s, false);
    row("width and precision", u"%.2f MB"_s, u"%5.1f MB"_s, false);
    row("flags", u"%+d"_s, u"%'d"_s, false);
    row("variable kept", u"%#@files@"_s, u"%#@files@"_s, false);
    const QString one = u"%d files|==|plural.one"_s;
    row("count spelt out where one means 1", u"%d file"_s, u"Eine Datei"_s, false, u"de"_s, {},
        one);
    row("count dropped where one means 1, 21…", u"%d file"_s, u"Один файл"_s, true, u"ru"_s, {},
        one);
    row("count dropped in other", u"%d files"_s, u"Dateien"_s, true, u"de"_s, {},
        u"%d files|==|plural.other"_s);
    // Each class of false alarm next to its true twin.
    row("lone percent signs Xcode numbered", u"Between 50%1$ and 150%2$"_s,
        u"Entre 50%1$ et 150%2$"_s, false, u"fr"_s);
    row("numbered specifiers dropped", u"Between %1$@ and %2$@"_s, u"Entre %1$@"_s, true, u"fr"_s);
    row("harmless size on a double", u"%lf km"_s, u"%f km"_s, true);
    row("old spelling of long", u"%D items"_s, u"%ld 件"_s, false);
    row("old spellings read", u"%U of %O"_s, u"%lu / %@"_s, true);
    row("placeholder kept, moved", u"Open ${applicationName}"_s, u"${applicationName}を開く"_s,
        false);
    row("placeholder dropped", u"Open ${applicationName}"_s, u"アプリを開く"_s, true);
    row("placeholder renamed", u"Start ${workout}"_s, u"${training} starten"_s, true, u"de"_s);
    row("escaped percent kept", u"%d%% done"_s, u"%d %% fait"_s, false, u"fr"_s);
    row("escaped percent left lone", u"%d%% done"_s, u"%d % fait"_s, true, u"fr"_s);
    row("trailing lone percent", u"%d%%"_s, u"%d%"_s, true);
    row("lone percent in plain text", u"100%"_s, u"100%"_s, false, u"de"_s);
    const QString oneIn = u"%1$d files in %2$@|==|plural.one"_s;
    row("count spelt out, folder kept", u"%1$d file in %2$@"_s, u"Eine Datei in %2$@"_s, false,
        u"de"_s, {}, oneIn);
    row("count spelt out, folder dropped", u"%1$d file in %2$@"_s, u"Eine Datei"_s, true, u"de"_s,
        {}, oneIn);
    row("one variant drops an object, not a count", u"%@ file"_s, u"Eine Datei"_s, true, u"de"_s,
        {}, one);
}

void TestUnitChecks::formatMessage_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("warning");
    QTest::newRow("lacks") << u"%d of %@"_s << u"%d"_s
                           << u"The target lacks %@, which the source has."_s << false;
    QTest::newRow("has") << u"Done"_s << u"%@ 完了"_s
                         << u"The target has %@, which the source lacks."_s << false;
    QTest::newRow("instead") << u"%2$@ %1$d"_s << u"%2$d %1$@"_s
                             << u"The target has %2$d, %1$@ where the source has %2$@, %1$d."_s
                             << false;
    QTest::newRow("order") << u"%@: %d"_s << u"%d: %@"_s
                           << u"The target changes the order of the format specifiers without "
                              "numbering them; write them with positions, such as %1$@ and %2$d."_s
                           << false;
    QTest::newRow("long double size on a double")
        << u"%.1lf km"_s << u"%.1f km"_s
        << u"The target writes %.1f where the source has %.1lf; "
           "both print alike."_s
        << true;
    QTest::newRow("hex digits' case") << u"#%06x"_s << u"#%06X"_s
                                      << u"The target writes %06X where the source has %06x; "
                                         "both print alike."_s
                                      << true;
    QTest::newRow("placeholder dropped")
        << u"Open ${applicationName}"_s << u"開く"_s
        << u"The target lacks ${applicationName}, which the source has."_s << false;
    QTest::newRow("percent sign no longer escaped")
        << u"%d%% done"_s << u"%d% fait"_s
        << u"The target has a lone % where the source writes %%; write %% for a percent sign in "
           "a format string."_s
        << false;
    QTest::newRow("trailing percent sign")
        << u"Battery %d%%"_s << u"Batterie %d%"_s
        << u"The target ends with a lone %; write %% for a percent sign in a format string."_s
        << false;
    QTest::newRow("long list cut short")
        << u"%1$@ %2$@ %3$@ %4$@ %5$@ %6$@ %7$@"_s << u"x"_s
        << u"The target lacks %1$@, %2$@, %3$@, %4$@, %5$@, …, which the source has."_s << false;
}

void TestUnitChecks::formatMessage()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, message);
    const UnitRecord record;
    const LanguagePair languages;
    QFETCH(bool, warning);
    const std::optional<Finding> found =
        FormatCheck().inspect(CheckedUnit{record, source, target, languages});
    QVERIFY(found);
    QCOMPARE(found->message, message);
    QCOMPARE(found->severity.value_or(Problem::Severity::Error),
             warning ? Problem::Severity::Warning : Problem::Severity::Error);
}

void TestUnitChecks::blanks_data()
{
    columns();
    row("trailing blank added", u"Name"_s, u"名前 "_s, true);
    row("leading blank added", u"Name"_s, u"\t名前"_s, true);
    row("trailing blank dropped", u"Name: "_s, u"名前："_s, true);
    row("same blanks", u" of "_s, u" / "_s, false);
    row("line breaks are not blanks", u"Name"_s, u"名前\n"_s, false);
    row("a line separator is no blank", u"Name"_s, u"名前\u2028"_s, false);
}

void TestUnitChecks::lineBreaks_data()
{
    columns();
    row("break dropped", u"One\nTwo"_s, u"一 二"_s, true);
    row("break added", u"One two"_s, u"一\n二"_s, true);
    row("same breaks", u"One\nTwo"_s, u"一\n二"_s, false);
    row("CR LF is one break", u"One\r\nTwo"_s, u"一\n二"_s, false);
    row("line separator for a line feed", u"One.\nTwo."_s, u"Um. \u2028Dois."_s, false, u"pt"_s);
    row("line separator added", u"One. Two."_s, u"Um. \u2028Dois."_s, true, u"pt"_s);
}

void TestUnitChecks::ellipsis_data()
{
    columns();
    row("unicode ellipsis dropped", u"Open…"_s, u"開く"_s, true);
    row("three dots dropped", u"Save As..."_s, u"別名で保存"_s, true);
    row("kept", u"Open…"_s, u"開く…"_s, false);
    row("three dots for one", u"Open…"_s, u"開く..."_s, false);
    row("Japanese dots", u"Loading..."_s, u"読み込み中・・・"_s, false);
    row("no ellipsis in the source", u"Open"_s, u"開く"_s, false);
}

void TestUnitChecks::punctuation_data()
{
    columns();
    row("full stop dropped", u"Could not connect."_s, u"接続できません"_s, true);
    row("question mark dropped", u"Delete?"_s, u"Supprimer"_s, true, u"fr"_s);
    row("full stop added", u"Settings"_s, u"設定。"_s, true);
    row("full-width stop in Chinese", u"Done."_s, u"完成。"_s, false, u"zh-Hans"_s);
    row("full-width stop", u"Could not connect."_s, u"接続できません。"_s, false);
    row("full-width colon", u"Name:"_s, u"名前："_s, false);
    row("another mark", u"Done."_s, u"¡Hecho!"_s, false, u"es"_s);
    row("inside closing quotes", u"Tap \"Done.\""_s, u"「完了。」をタップ。"_s, false);
    row("ellipsis left to its check", u"Open..."_s, u"開く"_s, false);
    row("none on either side", u"Settings"_s, u"設定"_s, false);
    row("Arabic question mark", u"Delete?"_s, u"حذف؟"_s, false, u"ar"_s);
    row("Arabic question mark dropped", u"Delete?"_s, u"حذف"_s, true, u"ar"_s);
    row("Greek question mark", u"Delete?"_s, u"Διαγραφή;"_s, false, u"el"_s);
    row("semicolon is no question mark outside Greek", u"Delete?"_s, u"Löschen;"_s, true, u"de"_s);
    row("Devanagari full stop", u"Saved."_s, u"सहेजा गया।"_s, false, u"hi"_s);
    row("Armenian question mark on the word", u"Delete?"_s, u"Ջնջե՞լ"_s, false, u"hy"_s);
    row("Armenian full stop", u"Saved."_s, u"Պահված է։"_s, false, u"hy"_s);
    row("full-width marks in Korean", u"Done."_s, u"완료．"_s, false, u"ko"_s);
    row("Spanish opening and closing marks", u"Delete?"_s, u"¿Eliminar?"_s, false, u"es"_s);
    row("Spanish closing mark dropped", u"Delete?"_s, u"¿Eliminar"_s, true, u"es"_s);
    row("abbreviation dot", u"Lv."_s, u"レベル"_s, false);
    row("common abbreviation", u"Max."_s, u"最大"_s, false);
    row("abbreviation without vowels", u"Hdg."_s, u"Азим"_s, false, u"ru"_s);
    row("sentence ending in an acronym", u"Import it into GSAK."_s, u"GSAK に読み込む"_s, true);
    row("sentence ending in a short word", u"Done."_s, u"完了"_s, true);
    row("developer key", u"SOME_ALERT_BODY"_s, u"警告の本文です。"_s, false);
    row("dotted key", u"settings.alert.body"_s, u"警告の本文です。"_s, false);
    row("words joined by an underscore in a sentence", u"Use snake_case names"_s,
        u"snake_case の名前を使います。"_s, true);
}

void TestUnitChecks::markup_data()
{
    columns();
    row("tag dropped", u"<b>Bold</b> text"_s, u"太字のテキスト"_s, true);
    row("tag added", u"<b>Bold</b>"_s, u"<b>太字</b><br>"_s, true);
    row("link dropped", u"See <a href=\"x\">help</a>"_s, u"ヘルプを参照"_s, true);
    row("not closed in order", u"<b><i>x</i></b>"_s, u"<b><i>x</b></i>"_s, true);
    row("kept, moved", u"Read <b>this</b> first"_s, u"<b>これ</b>を先に読む"_s, false);
    row("link kept", u"See <a href=\"x\">help</a>"_s, u"<a href=\"x\">ヘルプ</a>を参照"_s, false);
    row("void tag", u"One<br>Two"_s, u"一<br>二"_s, false);
    row("angle brackets as text", u"Tap <Start> to begin"_s, u"<開始> をタップ"_s, false);
    row("comparison", u"a < b"_s, u"a < b"_s, false);
    row("many tags, one lacking", u"<b>a</b>"_s.repeated(50), u"<b>a</b>"_s.repeated(49), true);
    row("many tags, one more", u"<i>a</i>"_s.repeated(50), u"<i>a</i>"_s.repeated(50) + u"<br>"_s,
        true);
    row("many angle brackets as text", u"<"_s.repeated(1000) + u"b>"_s,
        u"<"_s.repeated(1000) + u"b>"_s, false);
}

void TestUnitChecks::unchanged_data()
{
    columns();
    row("copied", u"Open"_s, u"Open"_s, true);
    row("translated", u"Open"_s, u"開く"_s, false);
    row("no letters", u"%d / %d"_s, u"%d / %d"_s, false);
    row("acronym", u"OK"_s, u"OK"_s, false);
    row("unit", u"km"_s, u"km"_s, false);
    row("a variable reference alone", u"%#@lineCount@"_s, u"%#@lineCount@"_s, false);
    row("same language, other region", u"Color"_s, u"Color"_s, false, u"en-GB"_s);
    row("target language unknown", u"Open"_s, u"Open"_s, false, u""_s);
    const QString plist = u"App/en.lproj/InfoPlist.strings"_s;
    row("Info.plist name key", u"Widgy"_s, u"Widgy"_s, false, u"es"_s, {}, u"CFBundleName"_s,
        plist);
    row("Info.plist key that is no name", u"Take photos"_s, u"Take photos"_s, true, u"es"_s, {},
        u"NSCameraUsageDescription"_s, plist);
    row("same name in a strings file", u"Widgy"_s, u"Widgy"_s, true, u"es"_s, {}, u"CFBundleName"_s,
        u"App/en.lproj/Localizable.strings"_s);
    row("e-mail address", u"help@example.org"_s, u"help@example.org"_s, false, u"de"_s);
    row("web address", u"https://example.org/help"_s, u"https://example.org/help"_s, false,
        u"de"_s);
    row("domain name", u"geocaching.com"_s, u"geocaching.com"_s, false, u"de"_s);
    row("words beside an address", u"Write to help@example.org"_s, u"Write to help@example.org"_s,
        true, u"de"_s);
    row("copyright line", u"Copyright © 2022 Tarn Ltd. All rights reserved."_s,
        u"Copyright © 2022 Tarn Ltd. All rights reserved."_s, false, u"de"_s);
    row("copyright without the word", u"(c) 2013 Robot Media SL"_s, u"(c) 2013 Robot Media SL"_s,
        false, u"de"_s);
    row("names in camel case", u"iCloud ProMotion YCbCr Base32"_s,
        u"iCloud ProMotion YCbCr Base32"_s, false, u"de"_s);
    row("a name beside a word", u"Display P3"_s, u"Display P3"_s, true, u"de"_s);
    row("a project term", u"Nightscout"_s, u"Nightscout"_s, false, u"ja"_s, {}, {}, {},
        {u"Nightscout"_s});
    row("words that are all terms", u"Dexcom Share"_s, u"Dexcom Share"_s, false, u"ja"_s, {}, {},
        {}, {u"Dexcom"_s, u"Share"_s});
    row("a term beside a word", u"Setup Omnipod"_s, u"Setup Omnipod"_s, true, u"ja"_s, {}, {}, {},
        {u"Omnipod"_s});
}

void TestUnitChecks::halfWidthKana_data()
{
    columns();
    row("half-width", u"Camera"_s, u"ｶﾒﾗ"_s, true);
    row("half-width sound mark", u"Bag"_s, u"ﾊﾞｯｸﾞ"_s, true);
    row("full-width", u"Camera"_s, u"カメラ"_s, false);
    row("other language", u"Camera"_s, u"ｶﾒﾗ"_s, false, u"en"_s);
}

void TestUnitChecks::menuPeriod_data()
{
    columns();
    const QString menu = u"NSMenuItem"_s;
    row("menu title with a stop", u"Quit"_s, u"終了。"_s, true, u"ja"_s, menu);
    row("menu title", u"Quit"_s, u"終了"_s, false, u"ja"_s, menu);
    row("not a menu item", u"Done."_s, u"完了。"_s, false, u"ja"_s, u"NSTextField"_s);
    row("other language", u"Quit."_s, u"Beenden."_s, false, u"de"_s, menu);
}

QTEST_GUILESS_MAIN(TestUnitChecks)
#include "tst_unitchecks.moc"

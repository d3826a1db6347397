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
}

void row(const char *name, const QString &source, const QString &target, bool flagged,
         const QString &language = u"ja"_s, const QString &part = {}, const QString &id = {})
{
    QTest::newRow(name) << source << target << language << flagged << part << id;
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
    UnitRecord record;
    record.srcs = source;
    record.tget = target;
    if (!part.isEmpty())
        record.part = part;
    if (!id.isEmpty())
        record.name = id;
    const LanguagePair languages(FileHeader{{}, u"en"_s, language}, PluralCategories(language));
    const std::optional<QString> message =
        check.inspect(CheckedUnit{record, source, target, languages});
    QVERIFY2(message.has_value() == flagged, qPrintable(message.value_or(u"(passes)"_s)));
    if (message)
        QVERIFY(!message->isEmpty());
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
    void untranslatedUnitsAreNotChecked();
    void onlyRunsTheNamedChecks();
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
}

void TestUnitChecks::formatMessage_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::newRow("lacks") << u"%d of %@"_s << u"%d"_s
                           << u"The target lacks %@, which the source has."_s;
    QTest::newRow("has") << u"Done"_s << u"%@ 完了"_s
                         << u"The target has %@, which the source lacks."_s;
    QTest::newRow("instead") << u"%2$@ %1$d"_s << u"%2$d %1$@"_s
                             << u"The target has %2$d, %1$@ where the source has %2$@, %1$d."_s;
    QTest::newRow("order") << u"%@: %d"_s << u"%d: %@"_s
                           << u"The target changes the order of the format specifiers without "
                              "numbering them; write them with positions, such as %1$@ and %2$d."_s;
}

void TestUnitChecks::formatMessage()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, message);
    const UnitRecord record;
    const LanguagePair languages;
    QCOMPARE(FormatCheck().inspect(CheckedUnit{record, source, target, languages}).value_or(u""_s),
             message);
}

void TestUnitChecks::blanks_data()
{
    columns();
    row("trailing blank added", u"Name"_s, u"名前 "_s, true);
    row("leading blank added", u"Name"_s, u"\t名前"_s, true);
    row("trailing blank dropped", u"Name: "_s, u"名前："_s, true);
    row("same blanks", u" of "_s, u" / "_s, false);
    row("line breaks are not blanks", u"Name"_s, u"名前\n"_s, false);
}

void TestUnitChecks::lineBreaks_data()
{
    columns();
    row("break dropped", u"One\nTwo"_s, u"一 二"_s, true);
    row("break added", u"One two"_s, u"一\n二"_s, true);
    row("same breaks", u"One\nTwo"_s, u"一\n二"_s, false);
    row("CR LF is one break", u"One\r\nTwo"_s, u"一\n二"_s, false);
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

void TestUnitChecks::untranslatedUnitsAreNotChecked()
{
    const auto unit = [](std::optional<QString> target, std::optional<QString> state,
                         bool translatable = true) {
        UnitRecord record;
        record.srcs = u"%@ items."_s;
        record.tget = std::move(target);
        record.state = std::move(state);
        record.translatable = translatable;
        record.file = 0;
        return record;
    };
    const std::vector<UnitRecord> units{
        unit(std::nullopt, std::nullopt),        unit(u""_s, std::nullopt),
        unit(u"%@ items."_s, u"new"_s),          unit(u"件"_s, std::nullopt, false),
        unit(u"件。"_s, u"needs-review-l10n"_s), unit(u"%@ 件。"_s, u"translated"_s)};
    const CheckEngine engine({FileHeader{{}, u"en"_s, u"ja"_s}});
    const std::vector<Problem> problems = engine.check(units);
    QCOMPARE(problems.size(), 1u);
    QCOMPARE(problems[0].row, 4u); // a target waiting for review is still checked
    QCOMPARE(problems[0].check, u"format"_s);
    QCOMPARE(problems[0].severity, Problem::Severity::Error);
}

void TestUnitChecks::onlyRunsTheNamedChecks()
{
    UnitRecord record;
    record.srcs = u"%@ items."_s;
    record.tget = u"件"_s;
    record.file = 0;
    const std::vector<FileHeader> files{FileHeader{{}, u"en"_s, u"ja"_s}};
    const auto checks = [&](const QStringList &only) {
        QStringList found;
        for (const Problem &problem : CheckEngine(files, only).check({&record, 1}))
            found.append(problem.check);
        return found;
    };
    QCOMPARE(checks({}), QStringList({u"format"_s, u"punctuation"_s}));
    QCOMPARE(checks({u"punctuation"_s}), QStringList({u"punctuation"_s}));
}

QTEST_GUILESS_MAIN(TestUnitChecks)
#include "tst_unitchecks.moc"

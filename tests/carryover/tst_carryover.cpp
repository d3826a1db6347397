#include "document/DocumentTests.h"
#include "document/ExportText.h"
#include "carryover/CarryOver.h"
#include "files/DocumentFile.h"
#include "xliff/StateAttribute.h"
#include "splice/TargetDiff.h"
#include "document/TranslationStatus.h"
#include "splice/XliffWriter.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

ReadResult parse(const QByteArray &bytes)
{
    ParseState state;
    return XliffReader(state).read(bytes);
}

QByteArray xliff(const QStringList &files, const QString &language = u"ja"_s)
{
    return exportText(files, language);
}

/// Every target with text removed, with its line, as an export made before any
/// translation was imported reads.
QByteArray withoutTargets(const QByteArray &bytes)
{
    static const QRegularExpression target(
        uR"(\r?\n[ \t]*<target(?![^>]*state="new")(?:\s[^>]*)?(?<!/)>(?!\s*</target>).*?</target>)"_s,
        QRegularExpression::DotMatchesEverythingOption);
    return QString::fromUtf8(bytes).remove(target).toUtf8();
}

QString stateText(const std::optional<QString> &state)
{
    return state.value_or(u"-"_s);
}

} // namespace

class TestCarryOver : public QObject
{
    Q_OBJECT

private slots:
    void corpusTargetsComeBack_data();
    void corpusTargetsComeBack();
    void matching_data();
    void matching();
    void otherLanguageRefused();
    void languagesOfEveryFile_data();
    void languagesOfEveryFile();
    void writtenStates_data();
    void writtenStates();
};

void TestCarryOver::corpusTargetsComeBack_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : corpusFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestCarryOver::corpusTargetsComeBack()
{
    QFETCH(QString, path);
    const QByteArray original = DocumentFile::read(path).bytes;
    const ReadResult earlier = parse(original);
    const QByteArray stripped = withoutTargets(original);
    ReadResult document = parse(stripped);
    QVERIFY(document.complete);
    QCOMPARE(document.units.size(), earlier.units.size());

    const std::vector<UnitRecord> before = document.units;
    const bool statesUsed = StateAttribute::usedIn(stripped);
    const CarryOver::Result carried =
        CarryOver::carry(document.units, document.files, earlier, {false, statesUsed});
    // An export of the development language names no target language: nothing to carry.
    if (!FileHeader::targetLanguageOf(earlier.files)) {
        QVERIFY(carried.error.contains(u"names no target language"_s));
        return;
    }
    QVERIFY(carried.error.isEmpty());
    CarryOver::apply(document.units, carried.changes);
    const SpliceResult saved = XliffWriter::splice(stripped, document.units);
    QVERIFY2(saved.bytes, qPrintable(saved.errorString));
    QVERIFY(saved.unwritten.empty());

    // Every unit the original had translated has its target back, exactly; the others at
    // most a suggestion to review; units not to translate are left alone.
    const std::vector<UnitRecord> back = readUnits(*saved.bytes);
    QCOMPARE(back.size(), earlier.units.size());
    qsizetype translated = 0;
    for (size_t i = 0; i < back.size(); ++i) {
        if (!before[i].translatable || TranslationStatus::isUntranslated(earlier.units[i])) {
            QVERIFY(document.units[i].tget == before[i].tget ||
                    document.units[i].state == StateAttribute::needsReview);
            continue;
        }
        ++translated;
        QVERIFY2(back[i].tget == earlier.units[i].tget,
                 qPrintable(back[i].name.value_or(u"-"_s) + u' ' + back[i].tget.value_or(u"-"_s)));
    }
    QCOMPARE(carried.counts.exact, translated);
    if (!StateAttribute::usedIn(original))
        QVERIFY(TargetDiff::compare(*saved.bytes, original).onlyTargets);
}

void TestCarryOver::matching_data()
{
    QTest::addColumn<QStringList>("earlier");
    QTest::addColumn<QStringList>("document");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QStringList>("targets"); ///< each row's target afterwards, "-" for none
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<QList<int>>("counts"); ///< exact, to review, not found, several targets

    const QString open = u"a#open|Open|<target>開く</target>"_s;
    QTest::newRow("exact") << QStringList{open} << QStringList{u"a#open|Open|-"_s} << false
                           << QStringList{u"開く"_s} << QStringList{u"-"_s}
                           << QList<int>{1, 0, 0, 0};
    QTest::newRow("changed source")
        << QStringList{open} << QStringList{u"a#open|Open…|-"_s} << false << QStringList{u"-"_s}
        << QStringList{u"-"_s} << QList<int>{0, 0, 1, 0};
    QTest::newRow("changed source, text found elsewhere")
        << QStringList{open + u"#file|Open File|<target>ファイルを開く</target>"_s}
        << QStringList{u"a#open|Open File|-"_s} << false << QStringList{u"ファイルを開く"_s}
        << QStringList{u"needs-review-l10n"_s} << QList<int>{0, 1, 0, 0};
    QTest::newRow("repeated id across files")
        << QStringList{u"a#t|Title|<target>甲</target>"_s, u"b#t|Title|<target>乙</target>"_s}
        << QStringList{u"a#t|Title|-"_s, u"b#t|Title|-"_s} << false << QStringList{u"甲"_s, u"乙"_s}
        << QStringList{u"-"_s, u"-"_s} << QList<int>{2, 0, 0, 0};
    const QStringList saves{u"a#x|Save|<target>保存</target>"_s,
                            u"b#y|Save|<target>セーブ</target>#z|Save|<target>セーブ</target>"_s};
    QTest::newRow("same text, same original first")
        << saves << QStringList{u"a#new|Save|-"_s} << false << QStringList{u"保存"_s}
        << QStringList{u"needs-review-l10n"_s} << QList<int>{0, 1, 0, 0};
    QTest::newRow("same text, most frequent")
        << saves << QStringList{u"c#new|Save|-"_s} << false << QStringList{u"セーブ"_s}
        << QStringList{u"needs-review-l10n"_s} << QList<int>{0, 1, 0, 1};
    QTest::newRow("untranslated earlier targets give nothing")
        << QStringList{u"a#open|Open|<target state=\"new\">Open</target>"
                       "#o2|Open|<target></target>"_s}
        << QStringList{u"a#open|Open|-"_s} << false << QStringList{u"-"_s} << QStringList{u"-"_s}
        << QList<int>{0, 0, 1, 0};
    QTest::newRow("state new replaced")
        << QStringList{open} << QStringList{u"a#open|Open|<target state=\"new\">Open</target>"_s}
        << false << QStringList{u"開く"_s} << QStringList{u"translated"_s}
        << QList<int>{1, 0, 0, 0};
    const QStringList translated{u"a#open|Open|<target>ひらく</target>"_s};
    QTest::newRow("translated kept")
        << QStringList{open} << translated << false << QStringList{u"ひらく"_s}
        << QStringList{u"-"_s} << QList<int>{0, 0, 0, 0};
    QTest::newRow("translated overwritten")
        << QStringList{open} << translated << true << QStringList{u"開く"_s} << QStringList{u"-"_s}
        << QList<int>{1, 0, 0, 0};
    QTest::newRow("translated never overwritten by a suggestion")
        << QStringList{u"a#other|Open|<target>開く</target>"_s} << translated << true
        << QStringList{u"ひらく"_s} << QStringList{u"-"_s} << QList<int>{0, 0, 0, 0};
    QTest::newRow("blanks kept, exact")
        << QStringList{u"a#n|%lld items |<target> %lld 件 </target>"_s}
        << QStringList{u"a#n|%lld items |-"_s} << false << QStringList{u" %lld 件 "_s}
        << QStringList{u"-"_s} << QList<int>{1, 0, 0, 0};
    QTest::newRow("blanks kept, suggested")
        << QStringList{u"a#n|Name: |<target>名前： </target>"_s} << QStringList{u"a#m|Name: |-"_s}
        << false << QStringList{u"名前： "_s} << QStringList{u"needs-review-l10n"_s}
        << QList<int>{0, 1, 0, 0};
    QTest::newRow("earlier mark for review kept")
        << QStringList{u"a#open|Open|<target state=\"needs-review-l10n\">開く</target>"_s}
        << QStringList{u"a#open|Open|<target state=\"new\">Open</target>"_s} << false
        << QStringList{u"開く"_s} << QStringList{u"needs-review-l10n"_s} << QList<int>{1, 0, 0, 0};
    QTest::newRow("earlier mark for review kept without states")
        << QStringList{u"a#open|Open|<target state=\"needs-review-l10n\">開く</target>"_s}
        << QStringList{u"a#open|Open|-"_s} << false << QStringList{u"開く"_s}
        << QStringList{u"needs-review-l10n"_s} << QList<int>{1, 0, 0, 0};
    QTest::newRow("a tie is no suggestion")
        << QStringList{u"b#x|Save|<target>保存</target>#y|Save|<target>セーブ</target>"_s}
        << QStringList{u"c#new|Save|-"_s} << false << QStringList{u"-"_s} << QStringList{u"-"_s}
        << QList<int>{0, 0, 1, 0};
    QTest::newRow("a copy of the source never wins")
        << QStringList{u"b#x|Save|<target>Save</target>#y|Save|<target>Save</target>"
                       "#z|Save|<target>保存</target>"_s}
        << QStringList{u"c#new|Save|-"_s} << false << QStringList{u"保存"_s}
        << QStringList{u"needs-review-l10n"_s} << QList<int>{0, 1, 0, 0};
    QTest::newRow("copies of the source alone give nothing")
        << QStringList{u"b#x|Save|<target>Save</target>"_s} << QStringList{u"c#new|Save|-"_s}
        << false << QStringList{u"-"_s} << QStringList{u"-"_s} << QList<int>{0, 0, 1, 0};
}

void TestCarryOver::matching()
{
    QFETCH(QStringList, earlier);
    QFETCH(QStringList, document);
    QFETCH(bool, overwrite);
    QFETCH(QList<int>, counts);
    const QByteArray documentBytes = xliff(document);
    ReadResult opened = parse(documentBytes);
    QVERIFY(opened.complete);
    const CarryOver::Result result =
        CarryOver::carry(opened.units, opened.files, parse(xliff(earlier)),
                         {overwrite, StateAttribute::usedIn(documentBytes)});
    QVERIFY(result.error.isEmpty());
    CarryOver::apply(opened.units, result.changes);
    QStringList targets;
    QStringList states;
    for (const UnitRecord &unit : opened.units) {
        targets.append(unit.tget.value_or(u"-"_s));
        states.append(stateText(unit.state));
    }
    QTEST(targets, "targets");
    QTEST(states, "states");
    QCOMPARE((QList<qsizetype>{result.counts.exact, result.counts.review, result.counts.notFound,
                               result.counts.severalTargets}),
             (QList<qsizetype>{counts[0], counts[1], counts[2], counts[3]}));
}

void TestCarryOver::otherLanguageRefused()
{
    const ReadResult opened = parse(xliff({u"a#open|Open|-"_s}, u"pt_BR"_s));
    const auto carry = [&](const QString &language) {
        return CarryOver::carry(opened.units, opened.files,
                                parse(xliff({u"a#open|Open|<target>Abrir</target>"_s}, language)),
                                {});
    };
    const CarryOver::Result refused = carry(u"de"_s);
    QVERIFY(refused.error.contains(u"\"de\""_s));
    QVERIFY(refused.changes.empty());
    QCOMPARE(carry(u"pt-BR"_s).changes.size(), size_t(1));
}

void TestCarryOver::languagesOfEveryFile_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QByteArray>("earlier");
    QTest::addColumn<QString>("error"); ///< a part of the message; empty: carried

    const auto file = [](const QString &original, const QString &language) {
        const QString attribute =
            language.isNull() ? QString() : u" target-language=\"%1\""_s.arg(language);
        return u"<file original=\"%1\" source-language=\"en\"%2><body><trans-unit id=\"t\">"
               "<source>Open</source><target>開く</target></trans-unit></body></file>"_s.arg(
                   original, attribute);
    };
    const auto xliffOf = [](const QStringList &files) {
        return (u"<xliff version=\"1.2\">"_s + files.join(QString()) + u"</xliff>"_s).toUtf8();
    };
    const QByteArray japanese = xliffOf({file(u"a"_s, u"ja"_s), file(u"b"_s, u"ja"_s)});
    QTest::newRow("same language in every file") << japanese << japanese << QString();
    QTest::newRow("second earlier file in another language")
        << japanese << xliffOf({file(u"a"_s, u"ja"_s), file(u"b"_s, u"de"_s)}) << u"\"de\""_s;
    QTest::newRow("second document file in another language")
        << xliffOf({file(u"a"_s, u"ja"_s), file(u"b"_s, u"fr"_s)}) << japanese << u"\"fr\""_s;
    QTest::newRow("earlier file without a language")
        << japanese << xliffOf({file(u"a"_s, u"ja"_s), file(u"b"_s, QString())})
        << u"\"b\" names no target language"_s;
    QTest::newRow("earlier text that is no XLIFF")
        << japanese << QByteArray("<html><body>Open</body></html>") << u"not an XLIFF"_s;
}

void TestCarryOver::languagesOfEveryFile()
{
    QFETCH(QByteArray, document);
    QFETCH(QByteArray, earlier);
    QFETCH(QString, error);
    const ReadResult opened = parse(document);
    QVERIFY(opened.complete);
    const CarryOver::Result result =
        CarryOver::carry(opened.units, opened.files, parse(earlier), {});
    if (error.isEmpty())
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    else
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
}

void TestCarryOver::writtenStates_data()
{
    QTest::addColumn<QStringList>("document");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("tget");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("expected"); ///< the unit's target as written

    const QString fresh = u"a#open|Open|<target state=\"new\">Open</target>"_s;
    QTest::newRow("suggestion in a file with states")
        << QStringList{fresh} << 0 << u"開く"_s << u"needs-review-l10n"_s
        << u"<target state=\"needs-review-l10n\">開く</target>"_s;
    QTest::newRow("exact in a file with states")
        << QStringList{fresh} << 0 << u"開く"_s << u"translated"_s
        << u"<target state=\"translated\">開く</target>"_s;
    QTest::newRow("new target in a file with states")
        << QStringList{fresh + u"#close|Close|-"_s} << 1 << u"閉じる"_s << u"needs-review-l10n"_s
        << u"</source>\n        <target state=\"needs-review-l10n\">閉じる</target>\n"_s;
    // Nothing else would tell which units need review.
    QTest::newRow("suggestion in a file without states")
        << QStringList{u"a#open|Open|-"_s} << 0 << u"開く"_s << u"needs-review-l10n"_s
        << u"</source>\n        <target state=\"needs-review-l10n\">開く</target>\n"_s;
    QTest::newRow("exact in a file without states")
        << QStringList{u"a#open|Open|-"_s} << 0 << u"開く"_s << QString()
        << u"</source>\n        <target>開く</target>\n"_s;
    QTest::newRow("blanks written")
        << QStringList{u"a#open|Open |-"_s} << 0 << u"開く "_s << QString()
        << u"</source>\n        <target>開く </target>\n"_s;
    QTest::newRow("confirmed, text unchanged")
        << QStringList{u"a#open|Open|<target state=\"needs-review-l10n\">開く</target>"_s} << 0
        << u"開く"_s << u"translated"_s << u"<target state=\"translated\">開く</target>"_s;
}

void TestCarryOver::writtenStates()
{
    QFETCH(QStringList, document);
    QFETCH(int, row);
    QFETCH(QString, state);
    QFETCH(QString, expected);
    const QByteArray original = xliff(document);
    std::vector<UnitRecord> rows = readUnits(original);
    QFETCH(QString, tget);
    CarryOver::apply(
        rows, {{size_t(row), tget, state.isNull() ? std::nullopt : std::optional<QString>(state)}});
    const SpliceResult saved = XliffWriter::splice(original, rows);
    QVERIFY(saved.unwritten.empty());
    QVERIFY2(saved.text()->contains(expected), qPrintable(*saved.text()));
    const bool marked = StateAttribute::usedIn(original) || state == StateAttribute::needsReview;
    const QString text = *saved.text();
    QCOMPARE(text.count(u"state="_s), marked ? text.count(u"<target"_s) : 0);
    QVERIFY(TargetDiff::compare(*saved.bytes, original).onlyTargets);
    // Saving again without edits changes nothing.
    QCOMPARE(XliffWriter::splice(*saved.bytes, readUnits(*saved.bytes)).bytes, saved.bytes);
}

QTEST_GUILESS_MAIN(TestCarryOver)
#include "tst_carryover.moc"

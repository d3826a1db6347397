// What the engine runs the checks on: translated units only, the checks named, and the
// values as the file holds them.
#include "checks/CheckEngine.h"
#include "xliff/ParseState.h"
#include "xliff/XliffReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCheckEngine : public QObject
{
    Q_OBJECT

private slots:
    void untranslatedUnitsAreNotChecked();
    void onlyRunsTheNamedChecks();
    void blanksOfTheFile();
};

void TestCheckEngine::untranslatedUnitsAreNotChecked()
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

void TestCheckEngine::onlyRunsTheNamedChecks()
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

void TestCheckEngine::blanksOfTheFile()
{
    ParseState state;
    const ReadResult read = XliffReader(state).read(
        "<xliff version=\"1.2\"><file original=\"a\" source-language=\"en\" "
        "target-language=\"ja\"><body>"
        "<trans-unit id=\"1\"><source>Name: </source><target>名前：</target></trans-unit>"
        "<trans-unit id=\"2\"><source> of </source><target> / </target></trans-unit>"
        "</body></file></xliff>");
    QVERIFY(read.complete);
    const std::vector<Problem> problems = CheckEngine(read.files, {u"blanks"_s}).check(read.units);
    QCOMPARE(problems.size(), 1u);
    QCOMPARE(problems[0].row, 0u);
}

QTEST_GUILESS_MAIN(TestCheckEngine)
#include "tst_checkengine.moc"

// The window's problem index follows the document: a load checks it all, an edit its row.
#include "app/ProblemIndex.h"
#include "app/UnitTableModel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

UnitRecord unit(const QString &name, const QString &source, std::optional<QString> target)
{
    UnitRecord record;
    record.from = u"App/en.lproj/Localizable.strings"_s;
    record.name = name;
    record.srcs = source;
    record.tget = std::move(target);
    record.file = 0;
    return record;
}

/// Row 0 has a format error, row 1 a warning, rows 2 and 3 are a Russian plural string
/// with only `one` translated.
void load(UnitTableModel &model)
{
    const QString one = u"%d files|==|plural.one"_s;
    model.setRows({unit(u"a"_s, u"%@ items"_s, u"%d штук"_s), unit(u"b"_s, u"Done."_s, u"Готово"_s),
                   unit(one, u"%d file"_s, u"%d файл"_s),
                   unit(u"%d files|==|plural.other"_s, u"%d files"_s, std::nullopt)},
                  {FileHeader{{}, u"en"_s, u"ru"_s}});
}

} // namespace

class TestProblemIndex : public QObject
{
    Q_OBJECT

private slots:
    void loadChecksEveryRow();
    void editsUpdateTheirRowAndTheirPluralGroup();
};

void TestProblemIndex::loadChecksEveryRow()
{
    UnitTableModel model;
    ProblemIndex index(&model);
    QSignalSpy reset(&index, &ProblemIndex::reset);
    load(model);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(index.errorCount(), 2);
    QCOMPARE(index.warningCount(), 1);
    QVERIFY(index.hasErrors(0));
    QVERIFY(index.hasProblems(1) && !index.hasErrors(1));
    QVERIFY(index.messages(2).startsWith(u"The plural forms lack few, many, other"_s));
    QVERIFY(!index.hasProblems(3) && !index.hasProblems(99));
}

void TestProblemIndex::editsUpdateTheirRowAndTheirPluralGroup()
{
    UnitTableModel model;
    load(model);
    ProblemIndex index(&model);
    QSignalSpy changed(&index, &ProblemIndex::problemsChanged);
    QVERIFY(model.setData(model.index(0, UnitTableModel::column(UnitTableModel::Column::Target)),
                          u"%@ штук"_s));
    QCOMPARE(changed.size(), 1);
    QVERIFY(changed.first().first().value<QList<int>>().contains(0));
    QVERIFY(!index.hasProblems(0));
    QCOMPARE(index.errorCount(), 1);
    model.applyChanges({{3, u"%d файлов"_s, std::nullopt}});
    QVERIFY(index.messages(2).startsWith(u"The plural forms lack few, many;"_s));
    model.applyChanges({{2, std::nullopt, std::nullopt}, {3, std::nullopt, std::nullopt}});
    QCOMPARE(index.errorCount(), 0); // nothing of the group translated: not a problem yet
    QCOMPARE(index.warningCount(), 1);
}

QTEST_MAIN(TestProblemIndex)
#include "tst_problemindex.moc"

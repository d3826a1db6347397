#include "app/workbench/UnitTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Column = UnitTableModel::Column;
using Target = std::optional<QString>;

UnitRecord unit(const QString &name, Target tget, bool translatable = true)
{
    UnitRecord record;
    record.from = u"App/en.lproj/Localizable.strings"_s;
    record.name = name;
    record.srcs = u"Source of "_s + name;
    record.tget = std::move(tget);
    record.translatable = translatable;
    return record;
}

QModelIndex cell(const UnitTableModel &model, int row, Column column)
{
    return model.index(row, UnitTableModel::column(column));
}

} // namespace

class TestUnitTableModel : public QObject
{
    Q_OBJECT

private slots:
    void modelTesterThroughLoadsAndEdits();
    void absentAndEmptyTargetsStayApart();
    void committingAnEditor_data();
    void committingAnEditor();
    void onlyTheTargetIsEditable();
    void applyChangesIsOneBatchedChange();
    void notTranslatableRowsAreDimmedAndStillEditable();
    void lineBreaksShowOnOneLineButEditWhole();
};

void TestUnitTableModel::modelTesterThroughLoadsAndEdits()
{
    UnitTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows({unit(u"a"_s, u"A"_s), unit(u"b"_s, std::nullopt)});
    QVERIFY(model.setData(cell(model, 1, Column::Target), u"B"_s));
    model.applyChanges({{0, u"x"_s, std::nullopt}, {1, std::nullopt, std::nullopt}});
    model.setRows({});
    model.setRows({unit(u"c"_s, std::nullopt)});
    QCOMPARE(model.rowCount(), 1);
}

void TestUnitTableModel::absentAndEmptyTargetsStayApart()
{
    UnitTableModel model;
    model.setRows({unit(u"empty"_s, QString()), unit(u"absent"_s, std::nullopt)});
    QVERIFY(model.rows()[0].tget.has_value());
    QVERIFY(!model.rows()[1].tget.has_value());
    QVERIFY(!cell(model, 1, Column::Target).data().isValid());
    QCOMPARE(cell(model, 0, Column::Target).data(Qt::EditRole).toString(), QString());
}

void TestUnitTableModel::committingAnEditor_data()
{
    QTest::addColumn<Target>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Target>("after");
    QTest::addColumn<bool>("announced");

    QTest::newRow("absent, nothing typed: stays absent")
        << Target() << QString() << Target() << false;
    QTest::newRow("absent, text typed") << Target() << u"新規"_s << Target(u"新規"_s) << true;
    QTest::newRow("same text again: no change")
        << Target(u"同じ"_s) << u"同じ"_s << Target(u"同じ"_s) << false;
    QTest::newRow("text cleared: empty target kept")
        << Target(u"旧"_s) << QString() << Target(QString()) << true;
    QTest::newRow("empty target typed into")
        << Target(QString()) << u"$1 \\ %@"_s << Target(u"$1 \\ %@"_s) << true;
}

void TestUnitTableModel::committingAnEditor()
{
    QFETCH(Target, before);
    QFETCH(QString, typed);
    QFETCH(Target, after);
    QFETCH(bool, announced);

    UnitTableModel model;
    model.setRows({unit(u"row"_s, before)});
    QSignalSpy changed(&model, &UnitTableModel::unitsChanged);
    QSignalSpy cells(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(cell(model, 0, Column::Target), typed));
    QCOMPARE(model.rows()[0].tget, after);
    QCOMPARE(changed.size(), announced ? 1 : 0);
    QCOMPARE(cells.size(), announced ? 1 : 0);
}

void TestUnitTableModel::onlyTheTargetIsEditable()
{
    UnitTableModel model;
    model.setRows({unit(u"row"_s, u"t"_s)});
    for (int column = 0; column < model.columnCount(); ++column) {
        const bool editable = model.flags(model.index(0, column)) & Qt::ItemIsEditable;
        QCOMPARE(editable, column == UnitTableModel::column(Column::Target));
        if (column != UnitTableModel::column(Column::Target))
            QVERIFY(!model.setData(model.index(0, column), u"x"_s));
    }
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    QVERIFY(!model.setData(model.index(5, 3), u"x"_s));
    QCOMPARE(model.rows()[0].name, u"row"_s);
}

void TestUnitTableModel::applyChangesIsOneBatchedChange()
{
    UnitTableModel model;
    std::vector<UnitRecord> rows;
    for (int i = 0; i < 500; ++i)
        rows.push_back(unit(QString::number(i), std::nullopt));
    model.setRows(rows);

    QSignalSpy cells(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy changed(&model, &UnitTableModel::unitsChanged);
    QSignalSpy targets(&model, &UnitTableModel::targetsChanged);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    std::vector<TargetChange> changes;
    for (std::size_t row = 0; row < 500; ++row)
        changes.push_back({row, u"訳"_s, std::nullopt});
    changes.push_back({9999, u"out of range"_s, std::nullopt});
    model.applyChanges(changes);
    QCOMPARE(cells.size(), 1);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(resets.size(), 0);
    QCOMPARE(targets.first().at(0).value<QList<int>>().size(), 500);
    const auto topLeft = cells.first().at(0).value<QModelIndex>();
    const auto bottomRight = cells.first().at(1).value<QModelIndex>();
    QCOMPARE(topLeft, cell(model, 0, Column::Target));
    QCOMPARE(bottomRight, cell(model, 499, Column::State));
    QCOMPARE(model.rows()[499].tget, u"訳"_s);

    // The same values again change nothing and say nothing.
    model.applyChanges(changes);
    QCOMPARE(changed.size(), 1);
}

void TestUnitTableModel::notTranslatableRowsAreDimmedAndStillEditable()
{
    UnitTableModel model;
    model.setRows({unit(u"fixed"_s, u"keep"_s, false), unit(u"free"_s, u"go"_s)});
    const QModelIndex fixedTarget = cell(model, 0, Column::Target);
    QVERIFY(fixedTarget.data(Qt::ForegroundRole).isValid());
    QVERIFY(!cell(model, 1, Column::Target).data(Qt::ForegroundRole).isValid());
    const QString tip = fixedTarget.data(Qt::ToolTipRole).toString();
    QVERIFY(tip.contains(u"not to be translated"_s));
    QVERIFY(tip.contains(u"keep"_s));
    QVERIFY(model.flags(fixedTarget) & Qt::ItemIsEditable);
    QVERIFY(model.setData(fixedTarget, u"changed"_s));
    QCOMPARE(model.rows()[0].tget, u"changed"_s);
}

void TestUnitTableModel::lineBreaksShowOnOneLineButEditWhole()
{
    UnitTableModel model;
    model.setRows({unit(u"multi"_s, u"first\nsecond\r\nthird"_s)});
    const QModelIndex target = cell(model, 0, Column::Target);
    QCOMPARE(target.data().toString(), u"first second third"_s);
    QCOMPARE(target.data(Qt::EditRole).toString(), u"first\nsecond\r\nthird"_s);
    QCOMPARE(target.data(Qt::ToolTipRole).toString(), u"first\nsecond\r\nthird"_s);
}

QTEST_MAIN(TestUnitTableModel)
#include "tst_unittablemodel.moc"

// The window's problem index follows the document: a load checks it all, an edit its row;
// the table, the detail pane, the filter and the status bar show what it found.
#include "AppHarness.h"

#include "app/recovery/RecoveryController.h"
#include "app/workbench/DetailPane.h"
#include "app/workbench/FilterBar.h"
#include "app/workbench/ProblemIndex.h"
#include "app/workbench/ProblemStatus.h"
#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitTableView.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>

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

const QByteArray document = R"(<?xml version="1.0" encoding="UTF-8"?>
<xliff xmlns="urn:oasis:names:tc:xliff:document:1.2" version="1.2">
  <file original="a.strings" source-language="en" target-language="ja" datatype="plaintext">
    <body>
      <trans-unit id="a"><source>%@ items</source><target>%@ 件</target></trans-unit>
      <trans-unit id="b"><source>Open</source><target>開く</target></trans-unit>
    </body>
  </file>
</xliff>
)";

} // namespace

class TestProblemIndex : public QObject
{
    Q_OBJECT

private slots:
    void loadChecksEveryRow();
    void editsUpdateTheirRowAndTheirPluralGroup();
    void windowMarksAnEditedRow();
    void detailPaneAcceptsAWarning();
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

void TestProblemIndex::windowMarksAnEditedRow()
{
    AppHarness::initSettings();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.xliff"_s);
    QVERIFY(writeFile(path, document));
    AppHarness app;
    QVERIFY(app.delegate.openFile(path));
    MainWindow &window = app.window;
    QAbstractItemModel &shown = *window.table()->model();
    const QModelIndex target =
        shown.index(0, UnitTableModel::column(UnitTableModel::Column::Target));
    QVERIFY(shown.data(target, Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(window.problemStatus()->text().isEmpty());

    window.table()->setCurrentIndex(target);
    QVERIFY(app.editTarget(0, u"%d 件"_s));
    QVERIFY(!shown.data(target, Qt::DecorationRole).value<QIcon>().isNull());
    const QString lacks = u"The target has %d where the source has %@."_s;
    QVERIFY(shown.data(target, Qt::ToolTipRole).toString().startsWith(lacks));
    QCOMPARE(window.detailPane()->problemsView()->text(), lacks);
    QCOMPARE(window.problemStatus()->text(), u"1 error(s), 0 warning(s)"_s);

    QComboBox &status = *window.filterBar()->statusChoice();
    status.setCurrentIndex(status.findData(int(UnitFilter::Status::WithProblems)));
    QCOMPARE(shown.rowCount(), 1);

    // The problem does not hold the save back; the status bar says it remains.
    app.delegate.save();
    QVERIFY(!app.edited());
    QCOMPARE(window.statusBar()->currentMessage(), u"Saved. 1 error(s) remain."_s);
}

void TestProblemIndex::detailPaneAcceptsAWarning()
{
    AppHarness::initSettings();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.xliff"_s);
    QByteArray warned = document;
    warned.replace("<source>Open</source><target>開く</target>",
                   "<source>Done.</source><target>完了</target>");
    QVERIFY(writeFile(path, warned));
    const QString store =
        ProblemIndex::acceptedFileFor(RecoveryController::defaultDataFolder(), path);
    QFile::remove(store);
    {
        AppHarness app;
        QVERIFY(app.delegate.openFile(path));
        MainWindow &window = app.window;
        QAbstractItemModel &shown = *window.table()->model();
        const QModelIndex target =
            shown.index(1, UnitTableModel::column(UnitTableModel::Column::Target));
        window.table()->setCurrentIndex(target);
        QCOMPARE(window.problemStatus()->text(), u"0 error(s), 1 warning(s)"_s);
        QPushButton &accept = *window.detailPane()->acceptButton();
        QVERIFY(accept.isVisibleTo(&window));
        accept.click();
        QVERIFY(shown.data(target, Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(window.detailPane()->problemsView()->text().endsWith(u"(accepted)"_s));
        QVERIFY(!accept.isVisibleTo(&window));
        QVERIFY(window.problemStatus()->text().isEmpty());
    }
    // Kept outside the export, for the next time it is opened.
    QCOMPARE(fileBytes(path), warned);
    QVERIFY(QFile::exists(store));
    AppHarness again;
    QVERIFY(again.delegate.openFile(path));
    QVERIFY(again.window.problemStatus()->text().isEmpty());

    // A changed source asks again.
    warned.replace("<source>Done.</source>", "<source>All done.</source>");
    QVERIFY(writeFile(path, warned));
    AppHarness changed;
    QVERIFY(changed.delegate.openFile(path));
    QCOMPARE(changed.window.problemStatus()->text(), u"0 error(s), 1 warning(s)"_s);
    QFile::remove(store);
}

QTEST_MAIN(TestProblemIndex)
#include "tst_problemindex.moc"

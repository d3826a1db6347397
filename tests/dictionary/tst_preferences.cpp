#include "hardening/TestFiles.h"

#include "app/preferences/DictionaryController.h"
#include "app/preferences/DictionaryModel.h"
#include "app/preferences/PreferencesWindow.h"
#include "dictionary/BuiltinDictionary.h"
#include "dictionary/DictionaryStore.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// One launch of the dictionary side of the application: model, controller and window.
struct Launch
{
    explicit Launch(const QString &storePath)
        : controller(&model, DictionaryStore(storePath)),
          tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest)
    {
        controller.attach(&window);
    }

    DictionaryModel model;
    DictionaryController controller;
    PreferencesWindow window;
    QAbstractItemModelTester tester;
};

QList<int> selectedRows(const QTableView *grid)
{
    QList<int> rows;
    for (const QModelIndex &index : grid->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void modelChecksArguments();
    void modelEditsInPlace();
    void modelRemovesScatteredRows();
    void fillInstallsBuiltinListOnce_data();
    void fillInstallsBuiltinListOnce();
    void addSelectsAndScrolls();
    void removeSelectedRows();
    void buttonsCarryTheirTags();
    void editsSurviveRestart();
    void unreadableStoreIsReported();
    void saveFailureReportedOnce();
    void updateCheckWritesSetting();
    void escapeEndsAnEditThenCloses();

private:
    QString storePath() const { return m_dir.filePath(u"dictionary.json"_s); }

    QTemporaryDir m_dir;
};

void TestPreferences::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QVERIFY2(QSettings().fileName().contains(u".qttest"_s), qPrintable(QSettings().fileName()));
}

void TestPreferences::init()
{
    QFile::remove(storePath());
    QSettings().clear();
}

void TestPreferences::modelChecksArguments()
{
    DictionaryModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setEntries(BuiltinDictionary::entries());

    QCOMPARE(model.rowCount(), 124);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.flags({}), Qt::NoItemFlags);
    QVERIFY(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!model.setData({}, u"x"_s));
    QVERIFY(!model.setData(model.index(0, 0), u"x"_s, Qt::DisplayRole));
    QCOMPARE(model.data(model.index(19, 0)).toString(), u"\tLeft to Right"_s);
}

void TestPreferences::modelEditsInPlace()
{
    DictionaryModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setEntries(BuiltinDictionary::entries());
    QSignalSpy dataChanged(&model, &DictionaryModel::dataChanged);
    QSignalSpy changed(&model, &DictionaryModel::entriesChanged);

    // A built-in entry is edited like any other.
    const QModelIndex target = model.index(1, 1);
    QVERIFY(model.setData(target, u"探す"_s));
    QCOMPARE(model.entries().at(1), (ReplacementEntry{u"Find"_s, u"探す"_s}));
    QCOMPARE(dataChanged.size(), 1);
    QCOMPARE(dataChanged.at(0).at(0).toModelIndex(), target);
    QCOMPARE(dataChanged.at(0).at(1).toModelIndex(), target);
    QCOMPARE(changed.size(), 1);

    // Writing the same text changes nothing.
    QVERIFY(model.setData(target, u"探す"_s));
    QCOMPARE(dataChanged.size(), 1);
    QCOMPARE(changed.size(), 1);
}

void TestPreferences::modelRemovesScatteredRows()
{
    DictionaryModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    ReplacementDictionary entries;
    for (int i = 0; i < 8; ++i)
        entries.push_back({QString::number(i), QString()});
    model.setEntries(entries);
    QSignalSpy changed(&model, &DictionaryModel::entriesChanged);

    model.removeEntries({5, 1, 2, 2, 99, -1, 7});
    QStringList left;
    for (const ReplacementEntry &entry : model.entries())
        left.append(entry.srcs);
    QCOMPARE(left, (QStringList{u"0"_s, u"3"_s, u"4"_s, u"6"_s}));
    QCOMPARE(changed.size(), 1);

    model.removeEntries({42});
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(changed.size(), 1);
}

void TestPreferences::fillInstallsBuiltinListOnce_data()
{
    QTest::addColumn<std::optional<ReplacementDictionary>>("stored");
    QTest::newRow("nothing stored") << std::optional<ReplacementDictionary>();
    QTest::newRow("emptied at the last launch") << std::optional(ReplacementDictionary{});
    QTest::newRow("own entries kept")
        << std::optional(ReplacementDictionary{{u"Find"_s, u"探す"_s}, {u"Edit"_s, u"編集"_s}});
}

void TestPreferences::fillInstallsBuiltinListOnce()
{
    QFETCH(std::optional<ReplacementDictionary>, stored);
    if (stored)
        QCOMPARE(DictionaryStore(storePath()).save(*stored), std::nullopt);
    const bool installs = !stored || stored->empty();
    const ReplacementDictionary expected = installs ? BuiltinDictionary::entries() : *stored;

    Launch launch(storePath());
    QCOMPARE(launch.controller.restore().status,
             stored ? DictionaryLoad::Status::Loaded : DictionaryLoad::Status::Missing);
    QSignalSpy resets(&launch.model, &DictionaryModel::modelReset);
    QSignalSpy inserts(&launch.model, &DictionaryModel::rowsInserted);
    launch.controller.fill();
    launch.controller.fill();

    QCOMPARE(launch.model.entries(), expected);
    QCOMPARE(launch.controller.dictionary(), expected);
    QCOMPARE(resets.size(), installs ? 1 : 0); // in one step, and only once
    QCOMPARE(inserts.size(), 0);
    QVERIFY(launch.window.grid()->selectionModel()->selectedIndexes().isEmpty());
}

void TestPreferences::addSelectsAndScrolls()
{
    Launch launch(storePath());
    launch.controller.fill();
    QTableView *grid = launch.window.grid();
    launch.window.resize(400, 300);
    launch.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&launch.window));
    grid->selectRow(3);
    grid->scrollToTop();

    launch.controller.plus(0);
    QCOMPARE(launch.model.rowCount(), 125);
    QCOMPARE(launch.model.entries().back(), (ReplacementEntry{u"untitled"_s, QString()}));
    QCOMPARE(selectedRows(grid), QList<int>{124});
    QCOMPARE(grid->currentIndex().row(), 124);
    QVERIFY(grid->verticalScrollBar()->value() > 0);
    QVERIFY(grid->viewport()->rect().contains(grid->visualRect(launch.model.index(124, 0))));

    // A second add gives a second entry, even of the same text, and moves the selection.
    launch.controller.plus(0);
    QCOMPARE(launch.model.entries().at(125), launch.model.entries().at(124));
    QCOMPARE(selectedRows(grid), QList<int>{125});
}

void TestPreferences::removeSelectedRows()
{
    Launch launch(storePath());
    launch.controller.fill();
    QSignalSpy changed(&launch.model, &DictionaryModel::entriesChanged);
    launch.controller.plus(1); // nothing selected: nothing removed
    QCOMPARE(changed.size(), 0);

    const auto rows = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    for (const int row : {6, 28, 76}) // the three "Use Default" entries
        launch.window.grid()->selectionModel()->select(launch.model.index(row, 0), rows);
    launch.controller.plus(1);

    ReplacementDictionary expected = BuiltinDictionary::entries();
    for (const int row : {76, 28, 6})
        expected.erase(expected.begin() + row);
    QCOMPARE(launch.model.entries(), expected);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(DictionaryStore(storePath()).read().entries, expected);
}

void TestPreferences::buttonsCarryTheirTags()
{
    Launch launch(storePath());
    QSignalSpy requests(&launch.window, &PreferencesWindow::plusRequested);
    QTest::mouseClick(launch.window.addButton(), Qt::LeftButton);
    QTest::mouseClick(launch.window.addButton(), Qt::LeftButton);
    QCOMPARE(launch.model.rowCount(), 2);
    // The second entry is selected after the add; the remove button takes it away.
    QTest::mouseClick(launch.window.removeButton(), Qt::LeftButton);
    QCOMPARE(launch.model.rowCount(), 1);
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests.at(0).at(0).toInt(), 0);
    QCOMPARE(requests.at(2).at(0).toInt(), 1);
}

void TestPreferences::editsSurviveRestart()
{
    {
        Launch first(storePath());
        first.controller.restore();
        first.controller.fill();
        QVERIFY(first.model.setData(first.model.index(0, 1), u"ツールバー…"_s));
        first.controller.plus(0);
        QVERIFY(first.model.setData(first.model.index(124, 0), u"Atlas"_s));
    }
    Launch second(storePath());
    QCOMPARE(second.controller.restore().status, DictionaryLoad::Status::Loaded);
    second.controller.fill();
    QCOMPARE(second.model.rowCount(), 125);
    QCOMPARE(second.model.entries().front().tget, u"ツールバー…"_s);
    QCOMPARE(second.model.entries().back(), (ReplacementEntry{u"Atlas"_s, QString()}));
}

void TestPreferences::unreadableStoreIsReported()
{
    QVERIFY(TestFiles::write(storePath(), "{\"entries\": ["));
    Launch launch(storePath());
    QSignalSpy problems(&launch.controller, &DictionaryController::problem);
    const DictionaryLoad load = launch.controller.restore();
    launch.controller.fill();

    QCOMPARE(problems.size(), 1);
    QVERIFY(problems.at(0).at(0).toString().contains(QFileInfo(load.movedTo).fileName()));
    QCOMPARE(TestFiles::read(load.movedTo), "{\"entries\": ["_ba);
    QCOMPARE(launch.model.entries(), BuiltinDictionary::entries());
    QCOMPARE(DictionaryStore(storePath()).read().entries, BuiltinDictionary::entries());
}

void TestPreferences::saveFailureReportedOnce()
{
    const QString blocker = m_dir.filePath(u"blocker"_s);
    QVERIFY(TestFiles::write(blocker, {}));
    Launch launch(blocker + u"/dictionary.json"_s);
    QSignalSpy problems(&launch.controller, &DictionaryController::problem);
    launch.controller.plus(0);
    launch.controller.plus(0);
    QCOMPARE(problems.size(), 1);
    QCOMPARE(launch.model.rowCount(), 2);
}

void TestPreferences::updateCheckWritesSetting()
{
    const QString key = PreferencesWindow::updateCheckKey();
    QCOMPARE(key, u"NU"_s);
    {
        PreferencesWindow window;
        QVERIFY(!window.updateCheckBox()->isChecked());
        QTest::mouseClick(window.updateCheckBox(), Qt::LeftButton);
        QCOMPARE(QSettings().value(key).toInt(), 1);
        QCOMPARE(QSettings().value(key).typeId(), QMetaType::Int);
        window.updateCheckBox()->click();
        QCOMPARE(QSettings().value(key).toInt(), 0);
    }
    QSettings().setValue(key, 7);
    PreferencesWindow window;
    QVERIFY(window.updateCheckBox()->isChecked());
    QSettings().setValue(key, 0);
    window.show(); // read again each time the window is shown
    QVERIFY(!window.updateCheckBox()->isChecked());
}

void TestPreferences::escapeEndsAnEditThenCloses()
{
    Launch launch(storePath());
    launch.controller.fill();
    PreferencesWindow &window = launch.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTableView *grid = window.grid();
    grid->setFocus();
    grid->setCurrentIndex(launch.model.index(0, 1));
    const QString before = launch.model.index(0, 1).data().toString();
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && grid->isAncestorOf(editor));
    QTest::keyClicks(editor, u"x"_s);
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QCOMPARE(launch.model.index(0, 1).data().toString(), before);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"Tarnwick"_s);
    QApplication::setApplicationName(u"tarnwick-dictionary-tests"_s);
    TestPreferences test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_preferences.moc"

#include "AppHarness.h"

#include "app/workbench/DetailPane.h"
#include "app/workbench/FilterBar.h"
#include "app/workbench/ProblemIndex.h"
#include "app/workbench/TargetEditor.h"
#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitNavigator.h"
#include "app/workbench/UnitTableView.h"
#include "app/workbench/Workbench.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace {

const QString elytra = QStringLiteral(TARNWICK_TEST_DATA "/corpus/elytra-ja-xcode15-mixed.xliff");
// In elytra's file order: units 8, 9 and 11 are the first untranslated ones.
constexpr int eligible = 8;
constexpr int ineligible = 9;
constexpr int loading = 11;

QByteArray unitsDocument(const QByteArray &units)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff version=\"1.2\"><file "
           "original=\"a.strings\" source-language=\"en\" target-language=\"ja\"><body>\n" +
           units + "</body></file></xliff>\n";
}

/// The window with a document open, active, the table holding the keyboard.
struct KeyboardApp : AppHarness
{
    explicit KeyboardApp(const QString &path)
    {
        delegate.openFile(path);
        window.activateWindow();
        QTest::qWaitForWindowActive(&window);
        table().setFocus();
    }

    UnitTableView &table() { return *window.table(); }
    TargetEditor &pane() { return *window.detailPane()->targetEditor(); }
    QUndoStack &history() { return delegate.undoStack(); }
    /// The document row of the current unit.
    int current() { return window.shown()->mapToSource(table().currentIndex()).row(); }
    QModelIndexList selected() { return table().selectionModel()->selectedRows(); }
    std::optional<QString> target(int row) { return bank().rows()[std::size_t(row)].tget; }
    /// Keys go where the focus is, as they do from a keyboard.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window, Qt::Key(key), modifiers);
    }
    void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void goTo(int documentRow)
    {
        window.navigator()->select(
            window.shown()->mapFromSource(bank().index(documentRow, 0)).row());
    }
};

} // namespace

class TestKeyboardFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void init() { QVERIFY(m_dir.isValid()); }

    void aMoveLeavesOnlyTheNewUnitSelected_data();
    void aMoveLeavesOnlyTheNewUnitSelected();
    void commandsOnTheSelectionSayHowMany();
    void firstNextUntranslatedStopsAtTheFirstUnit();
    void typingReturnAndF2EditTheTarget();
    void confirmAndStepFromAnywhere();
    void problemsFindAndFocusKeys();
    void tabOrderAndUndoInThePane();
    void filtersAndFileOrderKeepTheCurrentUnit();
    void keysReachTheTableAfterSavesAndDialogs();
    void replaceInShownTargets();

private:
    /// A file of its own for each window: the journal of one window's edits would offer them
    /// back to the next window on the same path.
    QString copyOfElytra() { return copyFile(elytra, fresh(u"elytra"_s)); }
    QString fresh(const QString &name)
    {
        return m_dir.filePath(u"%1-%2.xliff"_s.arg(name).arg(++m_files));
    }

    QTemporaryDir m_dir;
    int m_files = 0;
};

void TestKeyboardFlow::aMoveLeavesOnlyTheNewUnitSelected_data()
{
    QTest::addColumn<bool>("inPane");
    QTest::addColumn<int>("key");
    // Translate "Eligible", move on by a key, then Copy Source to Target (Ctrl+B): the
    // translator keeps the next unit's name as it is, and the unit just translated must
    // keep its translation.
    QTest::newRow("Ctrl+Return in the table's editor") << false << int(Qt::Key_Return);
    QTest::newRow("Ctrl+Return in the pane") << true << int(Qt::Key_Return);
    QTest::newRow("Ctrl+J in the table's editor") << false << int(Qt::Key_J);
    QTest::newRow("Ctrl+J in the pane") << true << int(Qt::Key_J);
    QTest::newRow("Ctrl+Down in the table's editor") << false << int(Qt::Key_Down);
    QTest::newRow("Ctrl+Down in the pane") << true << int(Qt::Key_Down);
}

void TestKeyboardFlow::aMoveLeavesOnlyTheNewUnitSelected()
{
    QFETCH(bool, inPane);
    QFETCH(int, key);
    KeyboardApp app(copyOfElytra());
    app.goTo(eligible);
    if (inPane) {
        app.pane().setFocus();
    } else {
        app.press(Qt::Key_Return);
        QVERIFY(app.table().viewport()->findChild<QLineEdit *>());
    }
    app.type(u"taisho"_s);
    app.press(key, Qt::ControlModifier);
    QCOMPARE(app.target(eligible), u"taisho"_s);
    QCOMPARE(app.current(), ineligible);
    QCOMPARE(app.selected().size(), 1);

    app.press(Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(app.target(ineligible), u"Ineligible"_s);
    QCOMPARE(app.target(eligible), u"taisho"_s);
    QCOMPARE(app.history().undoText(), u"Copy Source to Target"_s);
    app.press(Qt::Key_Backspace, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(app.target(ineligible), QString());
    QCOMPARE(app.target(eligible), u"taisho"_s);
}

void TestKeyboardFlow::commandsOnTheSelectionSayHowMany()
{
    KeyboardApp app(copyOfElytra());
    app.goTo(eligible);
    // Shift+Down twice: Eligible, Ineligible and the translated unit between them and Loading.
    app.press(Qt::Key_Down, Qt::ShiftModifier);
    app.press(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(app.selected().size(), 3);
    app.press(Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(app.history().undoText(), u"Copy Source to Target (3 Units)"_s);
    QCOMPARE(app.target(eligible), u"Eligible"_s);
    QCOMPARE(app.target(ineligible), u"Ineligible"_s);
    app.press(Qt::Key_Backspace, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(app.history().undoText(), u"Clear Target (3 Units)"_s);
    // One unit: the plain name.
    app.press(Qt::Key_Down);
    app.press(Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(app.history().undoText(), u"Copy Source to Target"_s);
}

void TestKeyboardFlow::firstNextUntranslatedStopsAtTheFirstUnit()
{
    const QString path = fresh(u"first"_s);
    QVERIFY(
        writeFile(path, unitsDocument("<trans-unit id=\"a\"><source>A</source></trans-unit>\n"
                                      "<trans-unit id=\"b\"><source>B</source></trans-unit>\n")));
    KeyboardApp app(path);
    QVERIFY(app.table().hasFocus());
    QVERIFY(!app.table().currentIndex().isValid());
    app.press(Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(app.current(), 0);

    KeyboardApp real(copyOfElytra());
    real.press(Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(real.current(), eligible);
}

void TestKeyboardFlow::typingReturnAndF2EditTheTarget()
{
    KeyboardApp app(copyOfElytra());
    app.goTo(eligible);
    // The current cell is the ID's: typing still goes to the target, starting with the key.
    app.table().selectionModel()->setCurrentIndex(
        app.table().currentIndex().siblingAtColumn(int(UnitTableModel::Column::Id)),
        QItemSelectionModel::NoUpdate);
    app.type(u"taisho"_s);
    app.press(Qt::Key_Return);
    QCOMPARE(app.target(eligible), u"taisho"_s);
    QCOMPARE(app.current(), ineligible);

    for (const int key : {int(Qt::Key_F2), int(Qt::Key_Return)}) {
        app.press(key);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QVERIFY(app.table().viewport()->isAncestorOf(editor));
        app.press(Qt::Key_Escape);
        QVERIFY(app.table().hasFocus());
    }
    QCOMPARE(app.target(ineligible), std::nullopt);
    QCOMPARE(app.history().count(), 1);
}

void TestKeyboardFlow::confirmAndStepFromAnywhere()
{
    const QString path = fresh(u"states"_s);
    QVERIFY(
        writeFile(path, unitsDocument("<trans-unit id=\"a\"><source>A</source><target "
                                      "state=\"needs-review-l10n\">あ</target></trans-unit>\n"
                                      "<trans-unit id=\"b\"><source>B</source><target "
                                      "state=\"translated\">い</target></trans-unit>\n"
                                      "<trans-unit id=\"c\"><source>C</source><target "
                                      "state=\"new\">C</target></trans-unit>\n"
                                      "<trans-unit id=\"d\"><source>D</source></trans-unit>\n")));
    KeyboardApp app(path);
    app.goTo(0);
    // From the table: the unit to review is confirmed, and the next untranslated one is c.
    app.press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(app.bank().rows()[0].state, u"translated"_s);
    QCOMPARE(app.current(), 2);
    // From the find field too; a unit with only Xcode's copy of the source is confirmed.
    app.window.filterBar()->findField()->setFocus();
    app.press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(app.bank().rows()[2].state, u"translated"_s);
    QCOMPARE(app.current(), 3);

    // Ctrl+Up and Ctrl+Down from the pane's editor commit what was typed there.
    app.pane().setFocus();
    app.type(u"de"_s);
    app.press(Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(app.target(3), u"de"_s);
    QCOMPARE(app.current(), 2);
    QVERIFY(app.pane().hasFocus());
    app.press(Qt::Key_Down, Qt::ControlModifier);
    app.press(Qt::Key_Down, Qt::ControlModifier); // the last unit: it stays
    QCOMPARE(app.current(), 3);
    QCOMPARE(app.selected().size(), 1);
}

void TestKeyboardFlow::problemsFindAndFocusKeys()
{
    KeyboardApp app(copyOfElytra());
    ProblemIndex &problems = *app.window.problems();
    // F8 and Shift+F8 go to the units the checks flag, in the table's order.
    app.press(Qt::Key_F8);
    const int first = app.current();
    QVERIFY(first >= 0);
    QVERIFY(problems.hasProblems(first));
    app.press(Qt::Key_F8);
    QVERIFY(app.current() > first);
    QVERIFY(problems.hasProblems(app.current()));
    app.press(Qt::Key_F8, Qt::ShiftModifier);
    QCOMPARE(app.current(), first);

    // F3 with nothing to find puts the cursor in the find field; then it walks the matches.
    app.press(Qt::Key_F3);
    QLineEdit *find = app.window.filterBar()->findField();
    QVERIFY(find->hasFocus());
    app.type(u"Month"_s);
    app.press(Qt::Key_Return);
    QCOMPARE(app.current(), 1);
    app.press(Qt::Key_F3);
    QCOMPARE(app.current(), 2);
    app.press(Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(app.current(), 1);

    // F6 moves between the table and the target editor.
    QVERIFY(app.table().hasFocus());
    app.press(Qt::Key_F6);
    QVERIFY(app.pane().hasFocus());
    app.press(Qt::Key_F6);
    QVERIFY(app.table().hasFocus());
}

void TestKeyboardFlow::tabOrderAndUndoInThePane()
{
    KeyboardApp app(copyOfElytra());
    app.goTo(eligible);
    FilterBar &bar = *app.window.filterBar();
    bar.findField()->setFocus();
    const QList<QWidget *> order{bar.statusChoice(), bar.fileChoice(), &app.table(), &app.pane()};
    for (QWidget *next : order) {
        app.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // Ctrl+B from the pane, then Ctrl+Z there: the editor has no typing of its own to take
    // back, so the document's change is undone.
    app.press(Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(app.target(eligible), u"Eligible"_s);
    QCOMPARE(app.pane().toPlainText(), u"Eligible"_s);
    app.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(app.target(eligible), std::nullopt);
    QCOMPARE(app.pane().toPlainText(), QString());
    // Typing is the editor's to undo first.
    app.type(u"teki"_s);
    app.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(app.pane().toPlainText(), QString());
    QCOMPARE(app.history().index(), 0);
}

void TestKeyboardFlow::filtersAndFileOrderKeepTheCurrentUnit()
{
    KeyboardApp app(copyOfElytra());
    FilterBar &bar = *app.window.filterBar();
    QComboBox &status = *bar.statusChoice();
    status.setCurrentIndex(status.findData(int(UnitFilter::Status::Untranslated)));
    app.goTo(loading);
    // A sort, a filter that hides the unit, Show All and File Order: it comes back current.
    app.table().sortByColumn(int(UnitTableModel::Column::Source), Qt::DescendingOrder);
    QCOMPARE(app.current(), loading);
    status.setCurrentIndex(status.findData(int(UnitFilter::Status::Translated)));
    QCOMPARE(app.current(), -1);
    bar.clear();
    QCOMPARE(app.current(), loading);
    app.window.workbench()->sortByFileOrder();
    QCOMPARE(app.current(), loading);
    QCOMPARE(app.selected().size(), 1);
    const QRect shown = app.table().visualRect(app.table().currentIndex());
    QVERIFY(app.table().viewport()->rect().intersects(shown));
}

void TestKeyboardFlow::keysReachTheTableAfterSavesAndDialogs()
{
    const QString path = copyOfElytra();
    KeyboardApp app(path);
    app.goTo(eligible);
    app.press(Qt::Key_Return);
    app.type(u"taisho"_s);
    // Ctrl+S from the cell's editor commits, saves, and gives the keys back to the table.
    app.press(Qt::Key_S, Qt::ControlModifier);
    QTRY_VERIFY(app.table().hasFocus());
    QVERIFY(fileBytes(path).contains("<target>taisho</target>"));
    app.press(Qt::Key_Down);
    QCOMPARE(app.current(), ineligible);

    // A dialog, closed by Escape: the table again.
    app.window.findChild<QAction *>(u"actionFillFromEarlier"_s)->trigger();
    QDialog *dialog = app.window.findChild<QDialog *>(u"carryOverDialog"_s);
    QTRY_VERIFY(dialog->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(app.table().hasFocus());
    app.press(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(app.current(), ineligible + 1);
}

void TestKeyboardFlow::replaceInShownTargets()
{
    KeyboardApp app(copyOfElytra());
    // Only the units shown: those that mention "Month" (2, 3 and 6 Month: "ヶ月").
    app.window.filterBar()->findField()->setText(u"Month"_s);
    app.press(Qt::Key_H, Qt::ControlModifier);
    auto *find = app.window.findChild<QLineEdit *>(u"replaceFind"_s);
    QTRY_VERIFY(find->hasFocus());
    find->setText(u"ヶ月"_s);
    app.window.findChild<QLineEdit *>(u"replaceWith"_s)->setText(u"か月"_s);
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(app.target(1), u"2か月"_s);
    QCOMPARE(app.target(3), u"6か月"_s);
    QCOMPARE(app.history().count(), 1);
    QCOMPARE(app.history().undoText(), u"Replace in Targets"_s);
    app.history().undo();
    QCOMPARE(app.target(1), u"2ヶ月"_s);
}

QTEST_MAIN(TestKeyboardFlow)
#include "tst_keyboardflow.moc"

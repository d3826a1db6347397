#include "AppHarness.h"

#include "app/workbench/DetailPane.h"
#include "app/workbench/FilterBar.h"
#include "app/workbench/ProgressStatus.h"
#include "app/workbench/TargetEditor.h"
#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitNavigator.h"
#include "app/workbench/UnitTableView.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>

namespace {

const QString elytra = QStringLiteral(TARNWICK_TEST_DATA "/corpus/elytra-ja-xcode15-mixed.xliff");
const QString vienna = QStringLiteral(TARNWICK_TEST_DATA "/corpus/vienna-en-xcode11-macos.xliff");
const QString yetiStrings = u"Yeti/SupportingFiles/Localizations/en.lproj/Localizable.strings"_s;

QAction *action(const AppHarness &app, const QString &name)
{
    return app.window.findChild<QAction *>(name);
}

/// Sets the filter bar the way a user does: typing, then picking from the two lists.
void chooseFilter(AppHarness &app, const QString &text, UnitFilter::Status status,
                  const QString &file)
{
    FilterBar &bar = *app.window.filterBar();
    bar.findField()->setText(text);
    bar.statusChoice()->setCurrentIndex(bar.statusChoice()->findData(int(status)));
    bar.fileChoice()->setCurrentIndex(file.isEmpty() ? 0 : bar.fileChoice()->findData(file));
}

/// Targets and states, the parts of a record that edits change.
QList<std::pair<std::optional<QString>, std::optional<QString>>>
targets(const UnitTableModel &units)
{
    QList<std::pair<std::optional<QString>, std::optional<QString>>> all;
    for (const UnitRecord &unit : units.rows())
        all.append({unit.tget, unit.state});
    return all;
}

QByteArray unitsDocument(const QByteArray &units)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff version=\"1.2\"><file "
           "original=\"a.strings\" source-language=\"en\" target-language=\"ja\"><body>\n" +
           units + "</body></file></xliff>\n";
}

} // namespace

class TestWorkbench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void init() { QVERIFY(m_dir.isValid()); }

    void filterCountsOnACorpusExport_data();
    void filterCountsOnACorpusExport();
    void filterAndSortNeverChangeWhatIsSavedOrFilled();
    void navigationWrapsAndSkipsTranslatedUnits();
    void undoRestoresExactRecords();
    void keyboardOnlyTranslation();
    void typingIsCommittedBeforeASave_data();
    void typingIsCommittedBeforeASave();
    void targetsAFileCannotHoldAreRefused();
    void layoutIsKeptAcrossLaunches();

private:
    QString copyOf(const QString &from, const QString &name)
    {
        return copyFile(from, m_dir.filePath(name));
    }
    /// Vienna's export made one into Japanese, which the replacement dictionary fills.
    QString japaneseVienna(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        writeFile(path,
                  fileBytes(vienna).replace("target-language=\"en\"", "target-language=\"ja\""));
        return path;
    }

    QTemporaryDir m_dir;
};

void TestWorkbench::filterCountsOnACorpusExport_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("shown");

    // Counted with an independent XML parser over the same file.
    using S = UnitFilter::Status;
    QTest::newRow("everything") << QString() << int(S::All) << QString() << 678;
    QTest::newRow("untranslated") << QString() << int(S::Untranslated) << QString() << 238;
    QTest::newRow("translated") << QString() << int(S::Translated) << QString() << 440;
    QTest::newRow("not to translate") << QString() << int(S::NotToTranslate) << QString() << 1;
    QTest::newRow("one file") << QString() << int(S::All) << yetiStrings << 436;
    QTest::newRow("untranslated of one file")
        << QString() << int(S::Untranslated) << yetiStrings << 123;
    QTest::newRow("text ignores case") << u"SETTINGS"_s << int(S::All) << QString() << 13;
    QTest::newRow("text, status, file") << u"feed"_s << int(S::Untranslated) << yetiStrings << 18;
    QTest::newRow("text, translated") << u"feed"_s << int(S::Translated) << QString() << 48;
    QTest::newRow("nothing") << u"no such text anywhere"_s << int(S::All) << QString() << 0;
}

void TestWorkbench::filterCountsOnACorpusExport()
{
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(QString, file);
    QFETCH(int, shown);

    AppHarness app;
    QAbstractItemModelTester tester(app.window.shown(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(app.delegate.openFile(elytra));
    QCOMPARE(app.bank().rowCount(), 678);
    chooseFilter(app, text, UnitFilter::Status(status), file);
    QCOMPARE(app.window.shown()->rowCount(), shown);

    QLabel *count = app.window.progress()->shownLabel();
    QCOMPARE(count->isVisibleTo(&app.window), shown != 678);
    if (shown != 678)
        QCOMPARE(count->text(), u"%1 of 678 units"_s.arg(shown));

    // Sorting the shown rows keeps the same set.
    app.window.table()->sortByColumn(UnitTableModel::column(UnitTableModel::Column::Source),
                                     Qt::DescendingOrder);
    QCOMPARE(app.window.shown()->rowCount(), shown);
}

void TestWorkbench::filterAndSortNeverChangeWhatIsSavedOrFilled()
{
    // The same work done twice: once with every row shown in file order, once with a
    // filter that hides nearly all of them and the table sorted.
    QByteArray saved[2];
    japaneseVienna(u"vienna-original.xliff"_s);
    for (int hidden = 0; hidden < 2; ++hidden) {
        AppHarness app;
        const QString path = japaneseVienna(u"vienna-%1.xliff"_s.arg(hidden));
        QVERIFY(app.delegate.openFile(path));
        const int all = app.bank().rowCount();
        if (hidden) {
            app.window.table()->sortByColumn(UnitTableModel::column(UnitTableModel::Column::Id),
                                             Qt::DescendingOrder);
            chooseFilter(app, u"Activity"_s, UnitFilter::Status::All, QString());
            QVERIFY(app.window.shown()->rowCount() > 0);
            QVERIFY(app.window.shown()->rowCount() < all / 50);
        }
        const auto before = targets(app.bank());
        app.delegate.pset();
        QVERIFY(targets(app.bank()) != before);
        // An edit of a row that may be hidden goes through the document's own rows.
        QVERIFY(app.editTarget(all - 1, u"最後"_s));
        app.delegate.save();
        QVERIFY(app.alerts().isEmpty());
        saved[hidden] = fileBytes(path);
    }
    QVERIFY(saved[0] != fileBytes(m_dir.filePath(u"vienna-original.xliff"_s)));
    QVERIFY(saved[0].contains("最後"));
    QCOMPARE(saved[1], saved[0]);
}

void TestWorkbench::navigationWrapsAndSkipsTranslatedUnits()
{
    const QString path = m_dir.filePath(u"states.xliff"_s);
    QVERIFY(writeFile(
        path,
        unitsDocument(
            "<trans-unit id=\"a\"><source>A</source><target "
            "state=\"translated\">あ</target></trans-unit>\n"
            "<trans-unit id=\"b\"><source>B</source></trans-unit>\n"
            "<trans-unit id=\"c\"><source>C</source><target state=\"new\">C</target></trans-unit>\n"
            "<trans-unit id=\"d\"><source>D</source><target>で</target></trans-unit>\n"
            "<trans-unit id=\"e\"><source>E</source><target "
            "state=\"needs-review-l10n\">え</target></trans-unit>\n"
            "<trans-unit id=\"f\" translate=\"no\"><source>F</source></trans-unit>\n")));
    AppHarness app;
    QVERIFY(app.delegate.openFile(path));
    UnitTableView &table = *app.window.table();
    UnitNavigator &go = *app.window.navigator();
    const auto current = [&] { return table.currentIndex().row(); };

    go.select(3);
    go.nextUntranslated();
    QCOMPARE(current(), 1); // past e, past f (not to translate), wrapped to b
    go.nextUntranslated();
    QCOMPARE(current(), 2);
    go.previousUntranslated();
    QCOMPARE(current(), 1);
    go.previousUntranslated();
    QCOMPARE(current(), 2); // wrapped backwards
    go.nextToReview();
    QCOMPARE(current(), 4);

    // Within a filter the walk follows what is shown.
    chooseFilter(app, QString(), UnitFilter::Status::Translated, QString());
    QCOMPARE(app.window.shown()->rowCount(), 2);
    go.select(0);
    QSignalSpy notFound(&go, &UnitNavigator::notFound);
    go.nextUntranslated();
    QCOMPARE(notFound.size(), 1);
    QCOMPARE(current(), 0);
}

void TestWorkbench::undoRestoresExactRecords()
{
    AppHarness app;
    const QString path = japaneseVienna(u"undo.xliff"_s);
    QVERIFY(app.delegate.openFile(path));
    QUndoStack &history = app.delegate.undoStack();
    QVERIFY(!app.edited());
    const auto loaded = targets(app.bank());

    QVERIFY(app.editTarget(0, u"一"_s));
    const auto typed = targets(app.bank());
    app.window.table()->selectRow(2);
    action(app, u"actionClearTarget"_s)->trigger();
    QCOMPARE(app.bank().rows()[2].tget, QString());
    action(app, u"actionCopySource"_s)->trigger();
    QCOMPARE(app.bank().rows()[2].tget, app.bank().rows()[2].srcs);
    const auto copied = targets(app.bank());
    app.delegate.pset();
    const auto filled = targets(app.bank());
    QVERIFY(filled != copied);
    QCOMPARE(history.count(), 4); // each action one step, the whole pass one more

    history.undo();
    QCOMPARE(targets(app.bank()), copied);
    history.undo();
    history.undo();
    QCOMPARE(targets(app.bank()), typed);
    history.undo();
    QCOMPARE(targets(app.bank()), loaded);
    QVERIFY(!app.edited()); // back where the file was loaded
    history.redo();
    QVERIFY(app.edited());
    for (int i = 0; i < 3; ++i)
        history.redo();
    QCOMPARE(targets(app.bank()), filled);

    // Undoing past a save marks the document edited; redoing to it clears the mark.
    app.delegate.save();
    QVERIFY(!app.edited());
    history.undo();
    QVERIFY(app.edited());
    history.redo();
    QVERIFY(!app.edited());

    QVERIFY(app.delegate.read(path));
    QCOMPARE(history.count(), 0);
}

void TestWorkbench::keyboardOnlyTranslation()
{
    const QString path = m_dir.filePath(u"keys.xliff"_s);
    QVERIFY(writeFile(
        path,
        unitsDocument("<trans-unit id=\"one\"><source>One apple</source></trans-unit>\n"
                      "<trans-unit id=\"two\"><source>Two</source></trans-unit>\n"
                      "<trans-unit id=\"three\"><source>Three apples</source></trans-unit>\n"
                      "<trans-unit id=\"four\"><source>Four apples</source></trans-unit>\n")));
    AppHarness app;
    QVERIFY(app.delegate.openFile(path));
    app.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.window));

    // Ctrl+F, type, Return: the table has the first unit found.
    QTest::keySequence(&app.window, QKeySequence::Find);
    QLineEdit *find = app.window.filterBar()->findField();
    QVERIFY(find->hasFocus());
    QTest::keyClicks(find, u"apple"_s);
    QCOMPARE(app.window.shown()->rowCount(), 3);
    QTest::keyClick(find, Qt::Key_Return);
    UnitTableView *table = app.window.table();
    QVERIFY(table->hasFocus());
    QCOMPARE(table->currentIndex().row(), 0);

    // Return edits, Return commits and moves on.
    QTest::keyClick(table, Qt::Key_Return);
    auto *editor = table->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    QTest::keyClicks(editor, u"ringo hitotsu"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(app.bank().rows()[0].tget, u"ringo hitotsu"_s);
    QCOMPARE(table->currentIndex().row(), 1);

    // The detail pane edits the same unit: Ctrl+Return commits, then goes to the next
    // untranslated one.
    TargetEditor *pane = app.window.detailPane()->targetEditor();
    QCOMPARE(app.window.detailPane()->sourceView()->toPlainText(), u"Three apples"_s);
    pane->setFocus();
    QTest::keyClicks(pane, u"ringo mittsu"_s);
    QTest::keyClick(pane, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(app.bank().rows()[2].tget, u"ringo mittsu"_s);
    QCOMPARE(table->currentIndex().row(), 2); // shown row 2 is "Four apples"
    QCOMPARE(app.window.detailPane()->sourceView()->toPlainText(), u"Four apples"_s);
    QCOMPARE(app.delegate.undoStack().count(), 2);
    QCoreApplication::processEvents(); // the count is taken once per burst of changes
    QVERIFY(app.window.progress()->documentBar()->text().startsWith(u"2 of 4"_s));

    // Undo by its key gives the typed target back.
    QTest::keySequence(&app.window, QKeySequence::Undo);
    QCOMPARE(app.bank().rows()[2].tget, std::nullopt);

    // Escape in the find field shows every unit again.
    find->setFocus();
    QTest::keyClick(find, Qt::Key_Escape);
    QCOMPARE(app.window.shown()->rowCount(), 4);
}

void TestWorkbench::typingIsCommittedBeforeASave_data()
{
    QTest::addColumn<bool>("inPane");
    QTest::newRow("table's editor") << false;
    QTest::newRow("detail pane") << true;
}

void TestWorkbench::typingIsCommittedBeforeASave()
{
    // Editors start from the file's own target, blanks kept; Ctrl+S commits the typing.
    QFETCH(bool, inPane);
    const QString path = m_dir.filePath(u"typing.xliff"_s);
    QVERIFY(writeFile(path, unitsDocument("<trans-unit id=\"n\"><source>Name: </source>"
                                          "<target>名前: </target></trans-unit>\n")));
    AppHarness app;
    QVERIFY(app.delegate.openFile(path));
    app.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.window));
    app.window.navigator()->select(0);
    QCOMPARE(app.window.detailPane()->sourceView()->toPlainText(), u"Name: "_s);
    QWidget *editor = app.window.detailPane()->targetEditor();
    if (!inPane) {
        app.window.table()->setFocus();
        QTest::keyClick(app.window.table(), Qt::Key_Return);
        editor = app.window.table()->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
    }
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, u"Taro"_s);
    QTest::keySequence(&app.window, QKeySequence::Save);
    QCoreApplication::processEvents();
    QVERIFY2(fileBytes(path).contains("<target>名前: Taro</target>"), fileBytes(path).constData());
    QVERIFY(!app.edited());
    QVERIFY(app.editTarget(0, u"名前: Taro"_s));
    QVERIFY(!app.edited());
}

void TestWorkbench::targetsAFileCannotHoldAreRefused()
{
    const QString path = m_dir.filePath(u"control.xliff"_s);
    QVERIFY(writeFile(path, unitsDocument("<trans-unit id=\"one\"><source>One</source>"
                                          "<target>一</target></trans-unit>\n")));
    AppHarness app;
    QVERIFY(app.delegate.openFile(path));
    QVERIFY(!app.editTarget(0, u"a\u0001b"_s));
    QVERIFY(!app.editTarget(0, QString(QChar(0xD800))));
    QCOMPARE(app.bank().rows()[0].tget, u"一"_s);
    QVERIFY(!app.edited());
    QCOMPARE(app.alerts().size(), 2);
    QVERIFY(app.alerts().last()->informativeText().contains(u"U+D800"_s));
    // A tab, a line break and a character beyond the BMP are text like any other.
    QVERIFY(app.editTarget(0, u"a\tb\nc 😀"_s));
    QCOMPARE(app.bank().rows()[0].tget, u"a\tb\nc 😀"_s);
}

void TestWorkbench::layoutIsKeptAcrossLaunches()
{
    const int column = UnitTableModel::column(UnitTableModel::Column::Source);
    QList<int> split;
    {
        AppHarness app;
        app.window.resize(900, 500);
        app.window.table()->setColumnWidth(column, 333);
        app.window.splitter()->setSizes({200, 250});
        split = app.window.splitter()->sizes();
        app.window.close();
    }
    AppHarness app;
    QCOMPARE(app.window.size(), QSize(900, 500));
    QCOMPARE(app.window.table()->columnWidth(column), 333);
    QCOMPARE(app.window.splitter()->sizes(), split);
}

QTEST_MAIN(TestWorkbench)
#include "tst_workbench.moc"

// The translation memory in the window: matches as the current unit changes, Ctrl+N taking
// one as one undo step, the offer of a committed target to the units with the same source,
// and a save giving the memory its translated units.
#include "AppHarness.h"
#include "app/memory/MemoryAssistant.h"
#include "app/memory/MemoryBrowser.h"
#include "app/memory/MemoryPanel.h"
#include "app/memory/MemoryService.h"
#include "app/memory/PretranslateFlow.h"
#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitTableView.h"
#include "document/ExportText.h"
#include "hardening/TestFiles.h"
#include "memory/MemoryStore.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

MemoryPanel *panelOf(AppHarness &app)
{
    return app.window.findChild<MemoryPanel *>();
}

void makeCurrent(AppHarness &app, int row)
{
    const int target = UnitTableModel::column(UnitTableModel::Column::Target);
    app.window.table()->setCurrentIndex(app.window.shown()->index(row, target));
}

qsizetype entriesOf(const QString &project)
{
    MemoryStore store(MemoryStore::defaultPath());
    if (!store.open())
        return -1;
    qsizetype count = 0;
    store.forEach({{}, {}, project, {}}, [&count](MemoryEntry &&) { ++count; });
    return count;
}

} // namespace

class TestMemoryAssistant : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void matchesAndCtrlN();
    void sameSourceOffer();
    void saveFillsTheMemory();
    void pretranslateFromTheEditMenu();
    void searchAndDeleteEntries();
    void closingKeepsWhatWasSaved();

private:
    QString writeDocument();
    QTemporaryDir m_dir;
};

void TestMemoryAssistant::initTestCase()
{
    AppHarness::initSettings();
}

void TestMemoryAssistant::init()
{
    // Each test starts from a memory holding one entry of another project.
    const QString path = MemoryStore::defaultPath();
    for (const QString &suffix : {u""_s, u"-wal"_s, u"-shm"_s})
        QFile::remove(path + suffix);
    MemoryStore store(path);
    QVERIFY(store.open());
    QVERIFY(store.add({{u"Save the document?"_s, u"書類を保存しますか？"_s, u"en"_s, u"ja-JP"_s,
                        u"Doc.strings"_s, u"save"_s, u"Older"_s, 1600000000, 0}}));
}

QString TestMemoryAssistant::writeDocument()
{
    const QString path = m_dir.filePath(u"Loop.xcloc/ja.xliff"_s);
    QDir().mkpath(QFileInfo(path).absolutePath());
    TestFiles::write(path, exportText({u"MainMenu.xib#a|Open Recent|-#b|Save the document|-#"
                                       "c|Cancel|<target>キャンセル</target>#d|Cancel|-#"
                                       "e|Cancel|<target/>#f|Cancel|-"_s},
                                      u"ja"_s));
    return path;
}

void TestMemoryAssistant::matchesAndCtrlN()
{
    {
        MemoryStore store(MemoryStore::defaultPath());
        QVERIFY(store.open());
        QVERIFY(store.add({{u"Save the document?"_s, u"書類を保存しますか？"_s, u"en"_s,
                            u"ja-JP"_s, u"Doc.strings"_s, u"save"_s, u"Oldest"_s, 1500000000, 0}}));
    }
    AppHarness app;
    QVERIFY(QTest::qWaitForWindowActive(&app.window));
    QVERIFY(app.delegate.openFile(writeDocument()));
    MemoryPanel *panel = panelOf(app);
    QVERIFY(panel);
    makeCurrent(app, 1);
    // One edit in eighteen characters: 94. The same translation from two projects is
    // shown once, from the more recent.
    QTRY_COMPARE(panel->matches().size(), std::size_t(1));
    QCOMPARE(panel->matches()[0].score, 94);
    QCOMPARE(panel->list()->topLevelItem(0)->text(1), u"94 %"_s);
    QVERIFY(panel->matches()[0].origin.startsWith(u"Older · Doc.strings"_s));

    const int steps = app.delegate.undoStack().count();
    QTest::keyClick(&app.window, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(app.bank().record(1)->tget, std::optional(u"書類を保存しますか？"_s));
    QCOMPARE(app.delegate.undoStack().count(), steps + 1);
    // Ctrl+2 has no match to take.
    QTest::keyClick(&app.window, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(app.delegate.undoStack().count(), steps + 1);
    app.delegate.undoStack().undo();
    QCOMPARE(app.bank().record(1)->tget, std::nullopt);

    // Moving on shows the next unit's matches: none for "Open Recent".
    makeCurrent(app, 0);
    QTRY_COMPARE(panel->matches().size(), std::size_t(0));
}

void TestMemoryAssistant::sameSourceOffer()
{
    AppHarness app;
    QVERIFY(QTest::qWaitForWindowActive(&app.window));
    QVERIFY(app.delegate.openFile(writeDocument()));
    MemoryPanel *panel = panelOf(app);
    makeCurrent(app, 3);
    // The document's own translation of the same source comes first.
    QVERIFY(!panel->matches().empty());
    QCOMPARE(panel->matches()[0].target, u"キャンセル"_s);
    QVERIFY(panel->matches()[0].origin.startsWith(u"this document"_s));
    QVERIFY(!panel->offerButton()->isVisibleTo(&app.window));

    QVERIFY(app.editTarget(3, u"取消"_s));
    QVERIFY(panel->offerButton()->isVisibleTo(&app.window));
    QVERIFY2(panel->offerButton()->text().startsWith(u"Use for 2 other unit"_s),
             qPrintable(panel->offerButton()->text()));
    // Never filled without being asked: the others are still untranslated.
    QCOMPARE(app.bank().record(5)->tget, std::nullopt);
    const int steps = app.delegate.undoStack().count();
    QTest::keyClick(&app.window, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(app.bank().record(4)->tget, std::optional(u"取消"_s));
    QCOMPARE(app.bank().record(5)->tget, std::optional(u"取消"_s));
    QCOMPARE(app.bank().record(2)->tget, std::optional(u"キャンセル"_s));
    QCOMPARE(app.delegate.undoStack().count(), steps + 1);
    QVERIFY(!panel->offerButton()->isVisibleTo(&app.window));
    app.delegate.undoStack().undo();
    QCOMPARE(app.bank().record(4)->tget, std::optional(QString()));
    QCOMPARE(app.bank().record(5)->tget, std::nullopt);
}

void TestMemoryAssistant::saveFillsTheMemory()
{
    AppHarness app;
    const QString path = writeDocument();
    QVERIFY(app.delegate.openFile(path));
    QVERIFY(app.editTarget(0, u"最近使った項目を開く"_s));
    app.delegate.save();
    QTRY_VERIFY(!app.edited());
    // The translated units, "Cancel" and the one just typed; the untranslated stay out.
    QTRY_COMPARE(entriesOf(u"Loop"_s), 2);
}

QAction *menuItem(AppHarness &app, const QString &text)
{
    for (QAction *menu : app.window.menuBar()->actions()) {
        for (QAction *action : menu->menu() ? menu->menu()->actions() : QList<QAction *>()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

void TestMemoryAssistant::pretranslateFromTheEditMenu()
{
    AppHarness app;
    QVERIFY(app.delegate.openFile(writeDocument()));
    QAction *item = menuItem(app, u"Pre-translate From Memory…"_s);
    QVERIFY(item);
    item->trigger();
    auto *flow = app.window.findChild<PretranslateFlow *>();
    QVERIFY(flow && flow->dialog()->isVisible());
    QCOMPARE(flow->dialog()->intValue(), 100);
    flow->dialog()->setIntValue(90);
    flow->dialog()->accept();
    // "Save the document" takes the 94 % match, marked for review; nothing else is near.
    QTRY_VERIFY(flow->message());
    QCOMPARE(flow->message()->text(),
             u"0 exact, 1 fuzzy, 4 not found. The filled units are marked Needs Review."_s);
    QCOMPARE(app.bank().record(1)->tget, std::optional(u"書類を保存しますか？"_s));
    QCOMPARE(app.bank().record(1)->state, std::optional(u"needs-review-l10n"_s));
    QCOMPARE(app.bank().record(0)->tget, std::nullopt);
    app.delegate.undoStack().undo();
    QCOMPARE(app.bank().record(1)->tget, std::nullopt);
}

void TestMemoryAssistant::searchAndDeleteEntries()
{
    AppHarness app;
    QAction *item = menuItem(app, u"Search Memory…"_s);
    QVERIFY(item);
    item->trigger();
    auto *browser = app.window.findChild<MemoryBrowser *>();
    QVERIFY(browser && browser->isVisible());
    // A concordance over targets: two non-ASCII characters.
    browser->searchField()->setText(u"保存"_s); // as typed: the search follows a pause
    QTRY_COMPARE(browser->table()->rowCount(), 1);
    QCOMPARE(browser->table()->item(0, 0)->text(), u"Save the document?"_s);
    QCOMPARE(browser->table()->item(0, 2)->text(), u"en → ja-JP"_s);
    QTableWidget *table = browser->table();
    table->selectionModel()->select(table->model()->index(0, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(browser->deleteButton()->isEnabled());
    QTest::mouseClick(browser->deleteButton(), Qt::LeftButton);
    QTRY_COMPARE(browser->table()->rowCount(), 0);
    QCOMPARE(entriesOf(u"Older"_s), 0);
}

void TestMemoryAssistant::closingKeepsWhatWasSaved()
{
    // The window closes right after a save: the lookup still queued is dropped, the
    // entries the save gave are written before the memory's thread ends.
    const QString path = m_dir.filePath(u"closing.sqlite"_s);
    {
        MemoryService service(path);
        service.lookup(u"en"_s, {u"Cancel"_s, {}, {}, u"ja"_s, 70, 5});
        service.remember({{u"Cancel"_s, u"キャンセル"_s, u"en"_s, u"ja"_s, u"Main.strings"_s,
                           u"1"_s, u"Loop"_s, 1000, 0}});
    }
    MemoryStore store(path);
    QVERIFY(store.open());
    qsizetype count = 0;
    QVERIFY(store.forEach({}, [&count](MemoryEntry &&) { ++count; }));
    QCOMPARE(count, 1);
}

QTEST_MAIN(TestMemoryAssistant)
#include "tst_memoryassistant.moc"

#include "AppHarness.h"

#include "app/ConfirmSheet.h"
#include "app/PickerSheet.h"
#include "app/UnitTableView.h"

#include <QFileOpenEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QString sample(const QTemporaryDir &dir, const QString &relative)
{
    return copyFixture(u"two-files.xliff"_s, dir.filePath(relative));
}

} // namespace

class TestOpenFlows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void init() { QVERIFY(m_dir.isValid()); }

    void openWithNoRowsLoadsAtOnceAndClean();
    void openWithRowsAsksFirstEvenWhenClean();
    void confirmingLoadsThePendingPath();
    void decliningKeepsDocumentEditsAndMark();
    void unreadableFileLeavesTableEmpty();
    void folderScan_data();
    void folderScan();
    void upperCaseExtensionIsScannedAsFolder();
    void pickerListKeepsEarlierPaths();
    void pickerOpensMarkedEditedDirectOpenClean();
    void pickerWithoutSelectionStays();
    void cancellingPickerKeepsEarlierDocument();
    void returnKeyEditsTheTarget();
    void multiLineTargetKeepsItsLines();
    void openRequestsFromDropAndFileOpenEvent();
    void loadsAreRememberedInRecentDocuments();

private:
    QTemporaryDir m_dir;
};

void TestOpenFlows::openWithNoRowsLoadsAtOnceAndClean()
{
    AppHarness app;
    const QString path = sample(m_dir, u"first.xliff"_s);
    QVERIFY(app.delegate.openFile(path));
    QCOMPARE(app.bank().rowCount(), 3);
    QCOMPARE(app.bank().rows()[2].from, u"Demo/en.lproj/Localizable.strings"_s);
    QVERIFY(!app.edited());
    QCOMPARE(app.document().documentPath, path);
    QVERIFY(app.window.windowTitle().contains(u"first.xliff[*]"_s));
    QVERIFY(!app.delegate.confOver()->isVisible());
}

void TestOpenFlows::openWithRowsAsksFirstEvenWhenClean()
{
    AppHarness app;
    QVERIFY(app.delegate.openFile(sample(m_dir, u"first.xliff"_s)));
    const QString second = copyFixture(u"two-units.xliff"_s, m_dir.filePath(u"second.xliff"_s));
    QVERIFY(!app.delegate.openFile(second));
    QVERIFY(app.delegate.confOver()->isVisible());
    QVERIFY(app.delegate.confOver()->isModal());
    QCOMPARE(app.document().activeSheet.data(), app.delegate.confOver());
    QCOMPARE(app.document().pendingPath, second);
    QCOMPARE(app.bank().rowCount(), 3);
}

void TestOpenFlows::confirmingLoadsThePendingPath()
{
    AppHarness app;
    QVERIFY(app.delegate.openFile(sample(m_dir, u"first.xliff"_s)));
    QVERIFY(app.editTarget(0, u"開く"_s));
    const QString second = copyFixture(u"two-units.xliff"_s, m_dir.filePath(u"second.xliff"_s));
    app.delegate.openFile(second);

    app.delegate.confOver()->confirmButton()->click();
    QVERIFY(!app.delegate.confOver()->isVisible());
    QCOMPARE(app.bank().rowCount(), 2);
    QCOMPARE(app.bank().rows()[0].name, u"Placed"_s);
    QCOMPARE(app.document().documentPath, second);
    QVERIFY(!app.document().pendingPath);
    QVERIFY(!app.document().activeSheet);
    QVERIFY(!app.edited());
}

void TestOpenFlows::decliningKeepsDocumentEditsAndMark()
{
    AppHarness app;
    const QString first = sample(m_dir, u"first.xliff"_s);
    QVERIFY(app.delegate.openFile(first));
    QVERIFY(app.editTarget(0, u"開く"_s));
    QVERIFY(app.edited());
    const QString second = copyFixture(u"two-units.xliff"_s, m_dir.filePath(u"second.xliff"_s));
    app.delegate.openFile(second);

    app.delegate.confOver()->cancelButton()->click();
    QVERIFY(!app.delegate.confOver()->isVisible());
    QVERIFY(!app.document().activeSheet);
    QVERIFY(app.edited());
    QCOMPARE(app.bank().rowCount(), 3);
    QCOMPARE(app.bank().rows()[0].tget, u"開く"_s);
    QCOMPARE(app.document().documentPath, first);
    // The declined path waits until the next deferred open replaces it.
    QCOMPARE(app.document().pendingPath, second);
}

void TestOpenFlows::unreadableFileLeavesTableEmpty()
{
    AppHarness app;
    const QString broken = m_dir.filePath(u"broken.xliff"_s);
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<xliff><file><body><trans-unit id=\"a\">");
    file.close();
    QVERIFY(app.delegate.openFile(broken));
    QCOMPARE(app.bank().rowCount(), 0);
    QVERIFY(!app.edited());
    QCOMPARE(app.document().documentPath, broken);
    // The user hears why the table stayed empty: the file, and where the XML breaks.
    QCOMPARE(app.alerts().size(), 1);
    const QMessageBox *alert = app.alerts().first();
    QCOMPARE(alert->text(), u"Could Not Open"_s);
    QVERIFY2(alert->informativeText().contains(u"broken.xliff"_s),
             qPrintable(alert->informativeText()));
    QVERIFY2(alert->informativeText().contains(u"line 1, column 39"_s),
             qPrintable(alert->informativeText()));
}

void TestOpenFlows::folderScan_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("notFound");
    QTest::addColumn<bool>("picker");
    QTest::addColumn<int>("rows");

    QTest::newRow("none") << QStringList{u"readme.txt"_s} << true << false << 0;
    QTest::newRow("one, deep") << QStringList{u"ja.xcloc/Localized Contents/ja.xliff"_s} << false
                               << false << 3;
    QTest::newRow("several") << QStringList{u"a/ja.xliff"_s, u"b/de.xliff"_s} << false << true << 0;
}

void TestOpenFlows::folderScan()
{
    QFETCH(QStringList, files);
    QFETCH(bool, notFound);
    QFETCH(bool, picker);
    QFETCH(int, rows);

    QTemporaryDir dir;
    for (const QString &file : files)
        QVERIFY(!sample(dir, u"Export/"_s + file).isEmpty());
    AppHarness app;
    QVERIFY(app.delegate.openFile(dir.filePath(u"Export"_s)));

    QCOMPARE(app.bank().rowCount(), rows);
    QVERIFY(!app.edited());
    QCOMPARE(app.delegate.more()->isVisible(), picker);
    const QList<QMessageBox *> alerts = app.alerts();
    QCOMPARE(alerts.size(), notFound ? 1 : 0);
    if (notFound) {
        QCOMPARE(alerts.first()->text(), u"Not Found"_s);
        QCOMPARE(alerts.first()->informativeText(), u"No appropriate files found"_s);
    }
    if (picker) {
        const QString root = dir.filePath(u"Export"_s);
        QCOMPARE(app.delegate.xtra()->stringList(),
                 QStringList({root + u"/a/ja.xliff"_s, root + u"/b/de.xliff"_s}));
        QCOMPARE(app.document().activeSheet.data(), app.delegate.more());
    }
}

void TestOpenFlows::upperCaseExtensionIsScannedAsFolder()
{
    AppHarness app;
    QVERIFY(app.delegate.openFile(sample(m_dir, u"first.xliff"_s)));
    QVERIFY(app.editTarget(0, u"開く"_s));
    const QString upper = copyFixture(u"two-files.xliff"_s, m_dir.filePath(u"upper.XLIFF"_s));
    app.delegate.ride(); // nothing pending yet: does nothing
    app.delegate.read(upper);
    QCOMPARE(app.alerts().size(), 1);
    QCOMPARE(app.alerts().first()->text(), u"Not Found"_s);
    // The open document stays; the mark is cleared all the same.
    QCOMPARE(app.bank().rows()[0].tget, u"開く"_s);
    QVERIFY(!app.edited());
}

void TestOpenFlows::pickerListKeepsEarlierPaths()
{
    QTemporaryDir dir;
    sample(dir, u"A/one.xliff"_s);
    sample(dir, u"A/two.xliff"_s);
    sample(dir, u"B/three.xliff"_s);
    sample(dir, u"B/four.xliff"_s);
    AppHarness app;
    app.delegate.openFile(dir.filePath(u"A"_s));
    app.delegate.more()->cancelButton()->click();
    QVERIFY(!app.delegate.more()->isVisible());
    app.delegate.openFile(dir.filePath(u"B"_s));

    const QStringList listed = app.delegate.xtra()->stringList();
    QCOMPARE(listed.size(), 4);
    QCOMPARE(listed.at(0), dir.filePath(u"A"_s) + u"/one.xliff"_s);
    QCOMPARE(listed.at(2), dir.filePath(u"B"_s) + u"/four.xliff"_s);
    // The first path of the new scan is the one offered.
    QCOMPARE(app.delegate.more()->selectedRow(), 2);
}

void TestOpenFlows::pickerOpensMarkedEditedDirectOpenClean()
{
    QTemporaryDir dir;
    sample(dir, u"A/one.xliff"_s);
    const QString two = sample(dir, u"A/two.xliff"_s);
    AppHarness app;
    app.delegate.openFile(dir.filePath(u"A"_s));
    app.delegate.more()->selectRow(1);
    app.delegate.more()->confirmButton()->click();
    QVERIFY(!app.delegate.more()->isVisible());
    QVERIFY(!app.document().activeSheet);
    QCOMPARE(app.document().documentPath, dir.filePath(u"A"_s) + u"/two.xliff"_s);
    QCOMPARE(app.bank().rowCount(), 3);
    QVERIFY(app.edited());

    AppHarness direct;
    QVERIFY(direct.delegate.openFile(two));
    QVERIFY(!direct.edited());
}

void TestOpenFlows::pickerWithoutSelectionStays()
{
    QTemporaryDir dir;
    sample(dir, u"A/one.xliff"_s);
    sample(dir, u"A/two.xliff"_s);
    AppHarness app;
    app.delegate.openFile(dir.filePath(u"A"_s));
    app.delegate.more()->list()->selectionModel()->clearSelection();
    app.delegate.more()->confirmButton()->click();
    QVERIFY(app.delegate.more()->isVisible());
    QCOMPARE(app.bank().rowCount(), 0);
    QVERIFY(!app.document().documentPath);
}

void TestOpenFlows::cancellingPickerKeepsEarlierDocument()
{
    QTemporaryDir dir;
    sample(dir, u"A/one.xliff"_s);
    sample(dir, u"A/two.xliff"_s);
    const QString first = sample(dir, u"first.xliff"_s);
    AppHarness app;
    QVERIFY(app.delegate.openFile(first));
    QVERIFY(app.editTarget(0, u"開く"_s));
    app.delegate.read(dir.filePath(u"A"_s));
    QVERIFY(app.delegate.more()->isVisible());
    QTest::keyClick(app.delegate.more(), Qt::Key_Escape);
    QVERIFY(!app.delegate.more()->isVisible());
    QVERIFY(!app.document().activeSheet);
    QCOMPARE(app.document().documentPath, first);
    QCOMPARE(app.bank().rows()[0].tget, u"開く"_s);
    QVERIFY(!app.edited());
}

void TestOpenFlows::returnKeyEditsTheTarget()
{
    AppHarness app;
    QVERIFY(app.delegate.openFile(sample(m_dir, u"first.xliff"_s)));
    UnitTableView *table = app.window.table();
    table->setFocus();
    table->setCurrentIndex(app.bank().index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(table->currentIndex().column(),
             UnitTableModel::column(UnitTableModel::Column::Target));
    auto *editor = table->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QTest::keyClicks(editor, u"Hiraku"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    // The item delegate commits the editor through a queued call.
    QCoreApplication::processEvents();
    QCOMPARE(app.bank().rows()[0].tget, u"Hiraku"_s);
    QVERIFY(app.edited());
}

void TestOpenFlows::multiLineTargetKeepsItsLines()
{
    const QString path = m_dir.filePath(u"lines.xliff"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<xliff><file original=\"a\"><body><trans-unit id=\"w\" xml:space=\"preserve\">"
               "<source>Welcome!\nTap to start.</source><target>Willkommen!\nTippen.</target>"
               "</trans-unit></body></file></xliff>");
    file.close();
    AppHarness app;
    QVERIFY(app.delegate.openFile(path));
    UnitTableView *table = app.window.table();
    table->setFocus();
    table->setCurrentIndex(app.bank().index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    auto *editor = table->viewport()->findChild<QPlainTextEdit *>();
    QVERIFY(editor);
    QCOMPARE(editor->toPlainText(), u"Willkommen!\nTippen."_s);
    QVERIFY(editor->height() > table->rowHeight(0));
    // Shift+Return starts a line; Return alone commits.
    QTest::keyClicks(editor, u"Hallo"_s);
    QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(editor, u"Welt"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(app.bank().rows()[0].tget, u"Hallo\nWelt"_s);
    QVERIFY(app.edited());
}

void TestOpenFlows::openRequestsFromDropAndFileOpenEvent()
{
    AppHarness app;
    const QString first = sample(m_dir, u"first.xliff"_s);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(first)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app.window, &drop);
    QCOMPARE(app.document().documentPath, first);
    QCOMPARE(app.bank().rowCount(), 3);

    // The platform's file-open event goes through the same flow, so it asks first.
    qApp->installEventFilter(&app.delegate);
    const QString second = sample(m_dir, u"second.xliff"_s);
    QFileOpenEvent open(second);
    QApplication::sendEvent(qApp, &open);
    qApp->removeEventFilter(&app.delegate);
    QVERIFY(app.delegate.confOver()->isVisible());
    QCOMPARE(app.document().pendingPath, second);
}

void TestOpenFlows::loadsAreRememberedInRecentDocuments()
{
    AppHarness app;
    app.delegate.recentDocuments().clear();
    const QString first = sample(m_dir, u"first.xliff"_s);
    app.delegate.openFile(first);
    QCOMPARE(app.delegate.recentDocuments().paths(), QStringList{first});

    auto *clear = app.window.findChild<QAction *>(u"actionClearRecent"_s);
    auto *menu = app.window.findChild<QMenu *>(u"menuRecent"_s);
    QVERIFY(clear && menu);
    emit menu->aboutToShow();
    clear = app.window.findChild<QAction *>(u"actionClearRecent"_s);
    QVERIFY(clear->isEnabled());
    QCOMPARE(menu->actions().first()->toolTip(), first);
    clear->trigger();
    QVERIFY(app.delegate.recentDocuments().paths().isEmpty());
}

QTEST_MAIN(TestOpenFlows)
#include "tst_openflows.moc"

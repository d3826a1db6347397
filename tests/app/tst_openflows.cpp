#include "AppHarness.h"

#include "app/flows/ConfirmSheet.h"
#include "app/flows/PickerSheet.h"
#include "app/workbench/UnitTableView.h"

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

/// A folder below `dir` holding a copy of the sample under each name.
QString exportFolder(const QTemporaryDir &dir, const QString &folder, const QStringList &names)
{
    for (const QString &name : names)
        sample(dir, folder + u'/' + name);
    return dir.filePath(folder);
}

const int targetColumn = UnitTableModel::column(UnitTableModel::Column::Target);

/// How the user leaves the picker.
enum class Answer
{
    Choose,
    NoChoice,
    Escape
};

} // namespace

Q_DECLARE_METATYPE(Answer)

class TestOpenFlows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void init() { QVERIFY(m_dir.isValid()); }

    void replacingTheDocument_data();
    void replacingTheDocument();
    void unreadableFileLeavesTableEmpty();
    void folderScan_data();
    void folderScan();
    void picker_data();
    void picker();
    void keyboardEditing_data();
    void keyboardEditing();
    void openRequestsFromDropAndFileOpenEvent();
    void loadsAreRememberedInRecentDocuments();

private:
    QTemporaryDir m_dir;
};

void TestOpenFlows::replacingTheDocument_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("clean, confirmed") << false << true;
    QTest::newRow("edited, confirmed") << true << true;
    QTest::newRow("edited, declined") << true << false;
}

void TestOpenFlows::replacingTheDocument()
{
    QFETCH(bool, edit);
    QFETCH(bool, confirm);

    // With no rows the file loads at once and clean.
    AppHarness app;
    const QString first = sample(m_dir, u"first.xliff"_s);
    QVERIFY(app.delegate.openFile(first));
    QCOMPARE(app.bank().rowCount(), 3);
    QCOMPARE(app.bank().rows()[2].from, u"Demo/en.lproj/Localizable.strings"_s);
    QVERIFY(!app.edited());
    QCOMPARE(app.document().documentPath, first);
    QVERIFY(app.window.windowTitle().contains(u"first.xliff[*]"_s));
    if (edit)
        QVERIFY(app.editTarget(0, u"開く"_s));

    // With rows it asks first, edited or not.
    ConfirmSheet *sheet = app.delegate.confOver();
    QVERIFY(!sheet->isVisible());
    const QString second = copyFixture(u"two-units.xliff"_s, m_dir.filePath(u"second.xliff"_s));
    QVERIFY(!app.delegate.openFile(second));
    QVERIFY(sheet->isVisible());
    QVERIFY(sheet->isModal());
    QCOMPARE(app.document().activeSheet.data(), sheet);
    QCOMPARE(app.document().pendingPath, second);
    QCOMPARE(app.bank().rowCount(), 3);

    (confirm ? sheet->confirmButton() : sheet->cancelButton())->click();
    QVERIFY(!sheet->isVisible());
    QVERIFY(!app.document().activeSheet);
    if (confirm) {
        QCOMPARE(app.bank().rowCount(), 2);
        QCOMPARE(app.bank().rows()[0].name, u"Placed"_s);
        QCOMPARE(app.document().documentPath, second);
        QVERIFY(!app.document().pendingPath);
        QVERIFY(!app.edited());
        return;
    }
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
    QVERIFY(writeFile(broken, "<xliff><file><body><trans-unit id=\"a\">"));
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
    QTest::addColumn<QString>("read");   // below the folder; empty: the folder itself
    QTest::addColumn<QString>("loaded"); // empty: nothing found

    QTest::newRow("nothing found") << QStringList{u"readme.txt"_s} << QString() << QString();
    QTest::newRow("upper-case extension is scanned as a folder")
        << QStringList{u"ja.XLIFF"_s} << u"ja.XLIFF"_s << QString();
    QTest::newRow("one found, deep") << QStringList{u"ja.xcloc/Localized Contents/ja.xliff"_s}
                                     << QString() << u"ja.xcloc/Localized Contents/ja.xliff"_s;
}

// Reading a path that is not a ".xliff" file, with an edited document open.
void TestOpenFlows::folderScan()
{
    QFETCH(QStringList, files);
    QFETCH(QString, read);
    QFETCH(QString, loaded);

    QTemporaryDir dir;
    const QString root = exportFolder(dir, u"Export"_s, files);
    const QString first = sample(dir, u"first.xliff"_s);
    AppHarness app;
    QVERIFY(app.delegate.openFile(first));
    QVERIFY(app.editTarget(0, u"開く"_s));
    app.delegate.ride(); // nothing pending yet: does nothing
    app.delegate.read(read.isEmpty() ? root : root + u'/' + read);

    // The mark is cleared whatever the scan finds.
    QVERIFY(!app.edited());
    QVERIFY(!app.delegate.more()->isVisible());
    if (!loaded.isEmpty()) {
        QVERIFY(app.alerts().isEmpty());
        QCOMPARE(app.document().documentPath, root + u'/' + loaded);
        QCOMPARE(app.bank().rowCount(), 3);
        QVERIFY(!app.bank().rows()[0].tget);
        return;
    }
    QCOMPARE(app.alerts().size(), 1);
    QCOMPARE(app.alerts().first()->text(), u"Not Found"_s);
    QCOMPARE(app.alerts().first()->informativeText(), u"No appropriate files found"_s);
    // The open document stays.
    QCOMPARE(app.document().documentPath, first);
    QCOMPARE(app.bank().rows()[0].tget, u"開く"_s);
}

void TestOpenFlows::picker_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::newRow("a path chosen") << Answer::Choose;
    QTest::newRow("confirmed without a choice") << Answer::NoChoice;
    QTest::newRow("escaped") << Answer::Escape;
}

// Two scans that each find several files, with an edited document open.
void TestOpenFlows::picker()
{
    QFETCH(Answer, answer);

    QTemporaryDir dir;
    const QString a = exportFolder(dir, u"A"_s, {u"one.xliff"_s, u"two.xliff"_s});
    const QString b = exportFolder(dir, u"B"_s, {u"three.xliff"_s, u"four.xliff"_s});
    const QString first = sample(dir, u"first.xliff"_s);
    AppHarness app;
    QVERIFY(app.delegate.openFile(first));
    QVERIFY(app.editTarget(0, u"開く"_s));
    PickerSheet *picker = app.delegate.more();
    app.delegate.read(a);
    QVERIFY(picker->isVisible());
    picker->cancelButton()->click();
    QVERIFY(!picker->isVisible());
    app.delegate.read(b);
    QVERIFY(picker->isVisible());
    QCOMPARE(app.document().activeSheet.data(), picker);
    // The list keeps the earlier scan; the first path of the new one is offered.
    QCOMPARE(app.delegate.xtra()->stringList(),
             QStringList({a + u"/one.xliff"_s, a + u"/two.xliff"_s, b + u"/four.xliff"_s,
                          b + u"/three.xliff"_s}));
    QCOMPARE(picker->selectedRow(), 2);

    if (answer == Answer::Escape) {
        QTest::keyClick(picker, Qt::Key_Escape);
    } else {
        if (answer == Answer::Choose)
            picker->selectRow(3);
        else
            picker->list()->selectionModel()->clearSelection();
        picker->confirmButton()->click();
    }
    const bool stays = answer == Answer::NoChoice;
    QCOMPARE(picker->isVisible(), stays);
    QCOMPARE(app.document().activeSheet.data(), stays ? picker : nullptr);
    if (answer == Answer::Choose) {
        // A file opened from the picker is marked edited, unlike one opened directly.
        QCOMPARE(app.document().documentPath, b + u"/three.xliff"_s);
        QCOMPARE(app.bank().rowCount(), 3);
        QVERIFY(!app.bank().rows()[0].tget);
        QVERIFY(app.edited());
        return;
    }
    QCOMPARE(app.document().documentPath, first);
    QCOMPARE(app.bank().rows()[0].tget, u"開く"_s);
    QVERIFY(!app.edited());
}

void TestOpenFlows::keyboardEditing_data()
{
    QTest::addColumn<QByteArray>("target"); // the unit's target element, if any
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("typed"); // joined by Shift+Return
    QTest::addColumn<QString>("committed");

    QTest::newRow("one line") << QByteArray() << QString() << QStringList{u"Hiraku"_s}
                              << u"Hiraku"_s;
    QTest::newRow("target spanning lines")
        << QByteArray("<target>Willkommen!\nTippen.</target>") << u"Willkommen!\nTippen."_s
        << QStringList{u"Hallo"_s, u"Welt"_s} << u"Hallo\nWelt"_s;
}

// Return on a row edits its target; Return in the editor commits, Shift+Return starts a line.
// A target that spans lines gets an editor that shows them all.
void TestOpenFlows::keyboardEditing()
{
    QFETCH(QByteArray, target);
    QFETCH(QString, shown);
    QFETCH(QStringList, typed);
    QFETCH(QString, committed);

    const QString path = m_dir.filePath(u"keys.xliff"_s);
    QVERIFY(writeFile(path, "<xliff><file original=\"a\"><body><trans-unit id=\"w\" "
                            "xml:space=\"preserve\"><source>Welcome!\nTap to start.</source>" +
                                target + "</trans-unit></body></file></xliff>"));
    AppHarness app;
    QVERIFY(app.delegate.openFile(path));
    const bool multiLine = shown.contains(u'\n');
    UnitTableView *table = app.window.table();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(table->currentIndex().column(), targetColumn);
    QWidget *editor = multiLine
                          ? static_cast<QWidget *>(table->viewport()->findChild<QPlainTextEdit *>())
                          : table->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->property(multiLine ? "plainText" : "text").toString(), shown);
    if (multiLine)
        QVERIFY(editor->height() > table->rowHeight(0));

    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (i > 0)
            QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(editor, typed.at(i));
    }
    QTest::keyClick(editor, Qt::Key_Return);
    // The item delegate commits the editor through a queued call.
    QCoreApplication::processEvents();
    QCOMPARE(app.bank().rows()[0].tget, committed);
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

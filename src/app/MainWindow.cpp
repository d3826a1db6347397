#include "app/MainWindow.h"

#include "app/AppDelegate.h"
#include "app/ConfirmSheet.h"
#include "app/PickerSheet.h"
#include "app/RecoveryController.h"
#include "app/UnitTableModel.h"
#include "app/UnitTableView.h"
#include "app/preferences/DictionaryController.h"
#include "app/preferences/DictionaryModel.h"
#include "app/preferences/PreferencesWindow.h"
#include "views/HelpWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStringListModel>

using namespace Qt::StringLiterals;

namespace {

QList<QString> localPaths(const QMimeData *mime)
{
    QList<QString> paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

MainWindow::MainWindow(AppDelegate &delegate, QWidget *parent)
    : QMainWindow(parent), m_delegate(delegate)
{
    setObjectName(u"mainWindow"_s);
    setWindowTitle(QCoreApplication::applicationName() + u"[*]"_s);
    setAcceptDrops(true);
    resize(1100, 680);

    m_units = new UnitTableModel(this);
    m_table = new UnitTableView(this);
    m_table->setModel(m_units);
    m_table->applyColumnWidths();
    setCentralWidget(m_table);

    m_found = new QStringListModel(this);

    m_delegate.setBank(m_units);
    m_delegate.setXtra(m_found);
    m_delegate.setWindow(this);
    buildDictionary();
    m_delegate.setHelpWindow(new HelpWindow(this));
    buildSheets();
    buildRecovery();
    buildMenus();
}

void MainWindow::buildDictionary()
{
    auto *model = new DictionaryModel(this);
    auto *controller = new DictionaryController(model, DictionaryStore(), this);
    auto *preferences = new PreferencesWindow(this);
    controller->attach(preferences);
    m_delegate.setCtrl(model);
    m_delegate.setGrid(preferences->grid());
    m_delegate.setDictionary(controller);
    m_delegate.setPreferencesWindow(preferences);
}

void MainWindow::buildSheets()
{
    auto *confOver = new ConfirmSheet(
        tr("Open Another Document?"),
        tr("The table already shows a document. Opening another one replaces it; changes "
           "that have not been saved are lost."),
        tr("Open"), this);
    confOver->setObjectName(u"confOver"_s);
    connect(confOver, &ConfirmSheet::confirmed, &m_delegate, &AppDelegate::ride);
    connect(confOver, &QDialog::rejected, &m_delegate, &AppDelegate::miss);

    auto *confTerm = new ConfirmSheet(
        tr("Quit Without Saving?"),
        tr("The document has changes that have not been saved. They are lost if you quit."),
        tr("Quit"), this);
    confTerm->setObjectName(u"confTerm"_s);
    connect(confTerm, &ConfirmSheet::confirmed, &m_delegate, &AppDelegate::confTermDone);
    connect(confTerm, &QDialog::rejected, &m_delegate, &AppDelegate::miss);

    auto *more = new PickerSheet(m_found, this);
    more->setObjectName(u"more"_s);
    connect(more, &PickerSheet::confirmed, &m_delegate, &AppDelegate::pass);
    connect(more, &QDialog::rejected, &m_delegate, &AppDelegate::miss);

    m_delegate.setConfOver(confOver);
    m_delegate.setConfTerm(confTerm);
    m_delegate.setMore(more);
}

void MainWindow::buildRecovery()
{
    auto *recovery =
        new RecoveryController(m_delegate, RecoveryController::defaultDataFolder(), this);
    connect(&m_delegate, &AppDelegate::documentRead, recovery, &RecoveryController::documentRead);
    connect(&m_delegate, &AppDelegate::aboutToWrite, recovery, &RecoveryController::aboutToWrite);
    connect(&m_delegate, &AppDelegate::documentWritten, recovery,
            &RecoveryController::documentWritten);
    // The window closes once nothing is left unsaved: saved, or discarded on the way out.
    connect(this, &MainWindow::closed, recovery, &RecoveryController::discarded);
}

void MainWindow::buildMenus()
{
    buildFileMenu();
    buildEditMenu();
    buildHelpMenu();
}

void MainWindow::buildFileMenu()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));

    QAction *open = file->addAction(tr("&Open…"), this, [this] { chooseToOpen(false); });
    open->setObjectName(u"actionOpen"_s);
    open->setShortcut(QKeySequence::Open);
    QAction *openFolder =
        file->addAction(tr("Open &Folder…"), this, [this] { chooseToOpen(true); });
    openFolder->setObjectName(u"actionOpenFolder"_s);

    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(u"menuRecent"_s);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::rebuildRecentMenu);
    rebuildRecentMenu();

    file->addSeparator();
    QAction *save = file->addAction(tr("&Save"), &m_delegate, &AppDelegate::save);
    save->setObjectName(u"actionSave"_s);
    save->setShortcut(QKeySequence::Save);
    QAction *saveAs = file->addAction(tr("Save &As…"), &m_delegate, &AppDelegate::dupe);
    saveAs->setObjectName(u"actionSaveAs"_s);
    saveAs->setShortcut(QKeySequence::SaveAs);

    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setObjectName(u"actionQuit"_s);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
}

void MainWindow::buildEditMenu()
{
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));

    QAction *undo = m_delegate.undoStack().createUndoAction(this, tr("&Undo"));
    undo->setObjectName(u"actionUndo"_s);
    undo->setShortcut(QKeySequence::Undo);
    edit->addAction(undo);
    QAction *redo = m_delegate.undoStack().createRedoAction(this, tr("&Redo"));
    redo->setObjectName(u"actionRedo"_s);
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(redo);
    edit->addSeparator();

    QAction *copy = edit->addAction(tr("&Copy"), this, &MainWindow::copySelection);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(copy);
    QAction *selectAll = edit->addAction(tr("Select &All"), m_table, &QTableView::selectAll);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(selectAll);

    edit->addSeparator();
    QAction *replace =
        edit->addAction(tr("Replace With Replacement Dictionary"), &m_delegate, &AppDelegate::pset);
    replace->setObjectName(u"actionReplace"_s);

    edit->addSeparator();
    QAction *preferences =
        edit->addAction(tr("Preferences…"), &m_delegate, &AppDelegate::showPreferences);
    preferences->setObjectName(u"actionPreferences"_s);
    preferences->setShortcut(QKeySequence::Preferences);
    preferences->setMenuRole(QAction::PreferencesRole);
}

void MainWindow::buildHelpMenu()
{
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    QAction *manual = help->addAction(tr("Tarnwick Help"), &m_delegate, &AppDelegate::showHelp);
    manual->setObjectName(u"actionHelp"_s);
    manual->setShortcut(QKeySequence::HelpContents);
    QAction *about = help->addAction(tr("About Tarnwick"), this, &MainWindow::showAbout);
    about->setMenuRole(QAction::AboutRole);
}

void MainWindow::rebuildRecentMenu()
{
    m_recentMenu->clear();
    const QStringList paths = m_delegate.recentDocuments().paths();
    for (const QString &path : paths) {
        QAction *entry = m_recentMenu->addAction(QDir::toNativeSeparators(path), &m_delegate,
                                                 [this, path] { m_delegate.openFile(path); });
        entry->setToolTip(path);
    }
    if (!paths.isEmpty())
        m_recentMenu->addSeparator();
    // The entries are rebuilt each time the menu opens, not here: clearing the menu now
    // would delete the action that is being triggered.
    QAction *clear = m_recentMenu->addAction(tr("Clear Menu"), this,
                                             [this] { m_delegate.recentDocuments().clear(); });
    clear->setObjectName(u"actionClearRecent"_s);
    clear->setEnabled(!paths.isEmpty());
}

void MainWindow::chooseToOpen(bool folder)
{
    auto *dialog = new QFileDialog(this, folder ? tr("Open Folder") : tr("Open"));
    dialog->setFileMode(folder ? QFileDialog::Directory : QFileDialog::ExistingFile);
    if (!folder)
        dialog->setNameFilters({tr("XLIFF files (*.xliff)"), tr("All files (*)")});
    const std::optional<QString> &current = m_delegate.state().document.documentPath;
    if (current)
        dialog->setDirectory(QFileInfo(*current).absolutePath());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, &m_delegate,
            [this](const QString &path) { m_delegate.openFile(path); });
    dialog->open();
}

void MainWindow::copySelection()
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    QStringList lines;
    for (const QModelIndex &row : rows) {
        QStringList cells;
        for (int column = 0; column < m_units->columnCount(); ++column)
            cells.append(row.siblingAtColumn(column).data(Qt::EditRole).toString());
        lines.append(cells.join(u'\t'));
    }
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines.join(u'\n'));
}

void MainWindow::showAbout()
{
    auto *about = new QMessageBox(QMessageBox::Information, tr("About Tarnwick"),
                                  tr("Tarnwick %1").arg(QCoreApplication::applicationVersion()),
                                  QMessageBox::Ok, this);
    about->setInformativeText(tr("An editor for the XLIFF files that Xcode exports."));
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::WindowModal);
    about->open();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Unsaved changes are confirmed through the quit question before the window goes.
    if (m_delegate.shouldTerminate() != AppDelegate::TerminateReply::Now) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QString> paths = localPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // One document at a time: the first dropped path is the one opened.
    m_delegate.openFile(paths.first());
}

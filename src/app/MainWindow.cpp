#include "app/MainWindow.h"

#include "app/AppDelegate.h"
#include "app/CarryOverFlow.h"
#include "app/ConfirmSheet.h"
#include "app/FilterBar.h"
#include "app/PickerSheet.h"
#include "app/ProblemIndex.h"
#include "app/ProblemStatus.h"
#include "app/ProgressStatus.h"
#include "app/RecoveryController.h"
#include "app/UnitNavigator.h"
#include "app/UnitTableModel.h"
#include "app/UnitTableView.h"
#include "app/Workbench.h"
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
#include <QSettings>
#include <QStatusBar>
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

    buildWorkbench();
    m_found = new QStringListModel(this);

    m_delegate.setBank(m_units);
    m_delegate.setXtra(m_found);
    m_delegate.setWindow(this);
    buildDictionary();
    m_delegate.setHelpWindow(new HelpWindow(this));
    buildSheets();
    buildRecovery();
    buildMenus();
    connectWorkbench();
    restoreLayout();
}

UnitTableView *MainWindow::table() const
{
    return m_workbench->table();
}

UnitFilterProxy *MainWindow::shown() const
{
    return m_workbench->shown();
}

FilterBar *MainWindow::filterBar() const
{
    return m_workbench->filterBar();
}

DetailPane *MainWindow::detailPane() const
{
    return m_workbench->detailPane();
}

UnitNavigator *MainWindow::navigator() const
{
    return m_workbench->navigator();
}

QSplitter *MainWindow::splitter() const
{
    return m_workbench->splitter();
}

void MainWindow::buildWorkbench()
{
    m_units = new UnitTableModel(this);
    // Made before the workbench's filter so that a load is checked before the filter asks
    // about it.
    m_problems = new ProblemIndex(m_units, this);
    m_units->setProblems(m_problems);
    m_workbench = new Workbench(*m_units, *m_problems, this);
    setCentralWidget(m_workbench);

    m_problemStatus = new ProblemStatus(*m_problems, this);
    statusBar()->addPermanentWidget(m_problemStatus);
    m_progress = new ProgressStatus(*m_units, *m_workbench->shown(), this);
    statusBar()->addPermanentWidget(m_progress);
}

void MainWindow::connectWorkbench()
{
    connect(m_workbench->filterBar(), &FilterBar::filterChanged, m_progress,
            &ProgressStatus::updateShown);
    connect(m_units, &QAbstractItemModel::modelReset, m_progress, &ProgressStatus::update);
    connect(m_units, &UnitTableModel::targetsChanged, m_progress, &ProgressStatus::scheduleUpdate);
    connect(m_units, &UnitTableModel::commitRefused, this, &MainWindow::showRefusal);
    connect(m_workbench, &Workbench::message, this,
            [this](const QString &message) { statusBar()->showMessage(message, 5000); });
    connect(&m_delegate, &AppDelegate::saved, this, [this] {
        if (const QString remaining = m_problemStatus->afterSave(); !remaining.isEmpty())
            statusBar()->showMessage(remaining, 8000);
    });
}

void MainWindow::restoreLayout()
{
    restoreGeometry(QSettings().value(u"window/geometry"_s).toByteArray());
    m_workbench->restoreLayout();
}

void MainWindow::saveLayout() const
{
    QSettings().setValue(u"window/geometry"_s, saveGeometry());
    m_workbench->saveLayout();
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
    m_recovery = new RecoveryController(m_delegate, RecoveryController::defaultDataFolder(), this);
    connect(&m_delegate, &AppDelegate::documentRead, m_recovery, &RecoveryController::documentRead);
    connect(&m_delegate, &AppDelegate::aboutToWrite, m_recovery, &RecoveryController::aboutToWrite);
    connect(&m_delegate, &AppDelegate::documentWritten, m_recovery,
            &RecoveryController::documentWritten);
    // The window closes once nothing is left unsaved: saved, or discarded on the way out.
    connect(this, &MainWindow::closed, m_recovery, &RecoveryController::discarded);
}

void MainWindow::buildMenus()
{
    buildFileMenu();
    buildEditMenu();
    buildViewMenu();
    buildGoMenu();
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
    QAction *save = file->addAction(tr("&Save"), this, [this] {
        commitTyping();
        m_delegate.save();
    });
    save->setObjectName(u"actionSave"_s);
    save->setShortcut(QKeySequence::Save);
    QAction *saveAs = file->addAction(tr("Save &As…"), this, [this] {
        commitTyping();
        m_delegate.dupe();
    });
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

    UnitTableView *table = m_workbench->table();
    QAction *copy = edit->addAction(tr("&Copy"), this, [this] {
        if (const QString text = m_workbench->selectionText(); !text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table->addAction(copy);
    QAction *selectAll = edit->addAction(tr("Select &All"), table, &QTableView::selectAll);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table->addAction(selectAll);

    edit->addSeparator();
    QAction *find = edit->addAction(tr("&Find…"), m_workbench->filterBar(), &FilterBar::focusFind);
    find->setObjectName(u"actionFind"_s);
    find->setShortcut(QKeySequence::Find);
    QAction *copySource = edit->addAction(tr("Copy &Source to Target"), this, [this] {
        m_delegate.copySources(m_workbench->selectedRows());
    });
    copySource->setObjectName(u"actionCopySource"_s);
    copySource->setShortcut(Qt::CTRL | Qt::Key_B);
    QAction *clearTarget = edit->addAction(tr("C&lear Target"), this, [this] {
        m_delegate.clearTargets(m_workbench->selectedRows());
    });
    clearTarget->setObjectName(u"actionClearTarget"_s);
    clearTarget->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Backspace);

    edit->addSeparator();
    QAction *replace =
        edit->addAction(tr("Replace With Replacement Dictionary"), &m_delegate, &AppDelegate::pset);
    replace->setObjectName(u"actionReplace"_s);

    auto *carryOver = new CarryOverFlow(m_delegate, this);
    carryOver->setObjectName(u"carryOverFlow"_s);
    edit->addAction(carryOver->action());

    edit->addSeparator();
    QAction *preferences =
        edit->addAction(tr("Preferences…"), &m_delegate, &AppDelegate::showPreferences);
    preferences->setObjectName(u"actionPreferences"_s);
    preferences->setShortcut(QKeySequence::Preferences);
    preferences->setMenuRole(QAction::PreferencesRole);
}

void MainWindow::buildViewMenu()
{
    QMenu *view = menuBar()->addMenu(tr("&View"));
    QAction *fileOrder =
        view->addAction(tr("Sort in &File Order"), m_workbench, &Workbench::sortByFileOrder);
    fileOrder->setObjectName(u"actionFileOrder"_s);
    QAction *showAll =
        view->addAction(tr("Show &All Units"), m_workbench->filterBar(), &FilterBar::clear);
    showAll->setObjectName(u"actionShowAll"_s);
    showAll->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
}

void MainWindow::buildGoMenu()
{
    QMenu *go = menuBar()->addMenu(tr("&Go"));
    const auto add = [&](const QString &text, const char *name, QKeySequence keys,
                         void (UnitNavigator::*slot)()) {
        QAction *action = go->addAction(text, m_workbench->navigator(), slot);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
    };
    add(tr("&Next Untranslated"), "actionNextUntranslated", Qt::CTRL | Qt::Key_J,
        &UnitNavigator::nextUntranslated);
    add(tr("&Previous Untranslated"), "actionPreviousUntranslated",
        Qt::CTRL | Qt::SHIFT | Qt::Key_J, &UnitNavigator::previousUntranslated);
    go->addSeparator();
    add(tr("Next &Needs Review"), "actionNextReview", Qt::CTRL | Qt::Key_K,
        &UnitNavigator::nextToReview);
    add(tr("Previous Needs &Review"), "actionPreviousReview", Qt::CTRL | Qt::SHIFT | Qt::Key_K,
        &UnitNavigator::previousToReview);
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

void MainWindow::showRefusal(const QString &reason)
{
    auto *alert = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(),
                                  tr("Target Not Changed"), QMessageBox::Ok, this);
    alert->setInformativeText(reason);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

void MainWindow::commitTyping()
{
    // An editor commits what it holds when it loses the focus: the table's cell editor and
    // the detail pane's alike. A shortcut does not take the focus, so it is taken here.
    if (QWidget *focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        focus->clearFocus();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    commitTyping();
    // Unsaved changes are confirmed through the quit question before the window goes.
    if (m_delegate.shouldTerminate() != AppDelegate::TerminateReply::Now) {
        event->ignore();
        return;
    }
    event->accept();
    saveLayout();
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

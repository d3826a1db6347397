#include "app/MainWindow.h"

#include "app/AppDelegate.h"
#include "app/CarryOverFlow.h"
#include "app/ConfirmSheet.h"
#include "app/DetailPane.h"
#include "app/FilterBar.h"
#include "app/PickerSheet.h"
#include "app/ProblemIndex.h"
#include "app/ProblemStatus.h"
#include "app/ProgressStatus.h"
#include "app/RecoveryController.h"
#include "app/TargetDelegate.h"
#include "app/TargetEditor.h"
#include "app/UnitFilterProxy.h"
#include "app/UnitNavigator.h"
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
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>

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

void MainWindow::buildWorkbench()
{
    m_units = new UnitTableModel(this);
    // Made before the filter so that a load is checked before the filter asks about it.
    m_problems = new ProblemIndex(m_units, this);
    m_units->setProblems(m_problems);
    m_shown = new UnitFilterProxy(*m_units, this);
    m_shown->setProblems(m_problems);
    m_table = new UnitTableView(this);
    m_table->setModel(m_shown);
    m_table->applyColumnWidths();
    m_filterBar = new FilterBar(this);
    m_detail = new DetailPane(*m_units, this);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(u"tableAndDetail"_s);
    m_splitter->addWidget(m_table);
    m_splitter->addWidget(m_detail);
    m_splitter->setStretchFactor(0, 3);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_filterBar);
    layout->addWidget(m_splitter);
    setCentralWidget(central);

    m_problemStatus = new ProblemStatus(*m_problems, this);
    statusBar()->addPermanentWidget(m_problemStatus);
    m_progress = new ProgressStatus(*m_units, *m_shown, this);
    statusBar()->addPermanentWidget(m_progress);
    m_navigator = new UnitNavigator(*m_table, *m_shown, this);
}

void MainWindow::connectWorkbench()
{
    connect(m_filterBar, &FilterBar::filterChanged, this, [this](const UnitFilter &filter) {
        m_shown->setFilter(filter);
        m_progress->updateShown();
    });
    connect(m_filterBar, &FilterBar::findAccepted, this, &MainWindow::goToFirstFound);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MainWindow::showCurrentUnit);
    connect(m_shown, &QAbstractItemModel::modelReset, this, &MainWindow::showCurrentUnit);
    connect(m_shown, &QAbstractItemModel::layoutChanged, this, &MainWindow::showCurrentUnit);
    connect(m_units, &QAbstractItemModel::modelReset, this, &MainWindow::documentLoaded);
    connect(m_units, &UnitTableModel::targetsChanged, this, [this] {
        m_detail->refresh();
        m_progress->scheduleUpdate();
    });
    connect(m_detail, &DetailPane::commitRequested, this,
            [this](const QModelIndex &index, const QString &text, EditAdvance advance) {
                commitFromPane(index, text, int(advance));
            });
    connect(m_table->targetDelegate(), &TargetDelegate::advanceRequested, m_navigator,
            &UnitNavigator::advance);
    connect(m_navigator, &UnitNavigator::notFound, this,
            [this](const QString &message) { statusBar()->showMessage(message, 5000); });
    connect(m_problems, &ProblemIndex::problemsChanged, this, &MainWindow::showCurrentProblems);
    connect(&m_delegate, &AppDelegate::saved, this, [this] {
        if (const QString remaining = m_problemStatus->afterSave(); !remaining.isEmpty())
            statusBar()->showMessage(remaining, 8000);
    });
}

void MainWindow::documentLoaded()
{
    // A new document starts unfiltered, in file order, with nothing chosen.
    m_filterBar->setFiles(m_units->files());
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_shown->sortByFileOrder();
    m_detail->showUnit({});
    m_progress->update();
}

void MainWindow::showCurrentUnit()
{
    m_detail->showUnit(m_shown->mapToSource(m_table->currentIndex()));
    showCurrentProblems();
}

void MainWindow::showCurrentProblems()
{
    const QModelIndex current = m_shown->mapToSource(m_table->currentIndex());
    m_detail->showProblems(current.isValid() ? m_problems->messages(current.row()) : QString());
}

void MainWindow::commitFromPane(const QModelIndex &sourceIndex, const QString &text, int advance)
{
    const auto how = static_cast<EditAdvance>(advance);
    const QModelIndex target =
        sourceIndex.siblingAtColumn(UnitTableModel::column(UnitTableModel::Column::Target));
    const int role =
        how == EditAdvance::NextUntranslated ? int(UnitTableModel::ConfirmRole) : int(Qt::EditRole);
    m_units->setData(target, text, role);
    m_navigator->advance(how);
}

void MainWindow::goToFirstFound()
{
    if (m_shown->rowCount() == 0)
        return;
    m_table->setFocus(Qt::ShortcutFocusReason);
    m_navigator->select(0);
}

std::vector<std::size_t> MainWindow::selectedRows() const
{
    std::vector<std::size_t> rows;
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    for (const QModelIndex &index : selected) {
        const QModelIndex source = m_shown->mapToSource(index);
        if (source.isValid())
            rows.push_back(std::size_t(source.row()));
    }
    const QModelIndex current = m_shown->mapToSource(m_table->currentIndex());
    if (rows.empty() && current.isValid())
        rows.push_back(std::size_t(current.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void MainWindow::restoreLayout()
{
    const QSettings settings;
    restoreGeometry(settings.value(u"window/geometry"_s).toByteArray());
    m_splitter->restoreState(settings.value(u"window/splitter"_s).toByteArray());
    m_table->horizontalHeader()->restoreState(settings.value(u"window/columns"_s).toByteArray());
    // Column widths come back; a sort does not: a window opens in file order.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

void MainWindow::saveLayout() const
{
    QSettings settings;
    settings.setValue(u"window/geometry"_s, saveGeometry());
    settings.setValue(u"window/splitter"_s, m_splitter->saveState());
    settings.setValue(u"window/columns"_s, m_table->horizontalHeader()->saveState());
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

    QAction *copy = edit->addAction(tr("&Copy"), this, &MainWindow::copySelection);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(copy);
    QAction *selectAll = edit->addAction(tr("Select &All"), m_table, &QTableView::selectAll);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(selectAll);

    edit->addSeparator();
    QAction *find = edit->addAction(tr("&Find…"), m_filterBar, &FilterBar::focusFind);
    find->setObjectName(u"actionFind"_s);
    find->setShortcut(QKeySequence::Find);
    QAction *copySource = edit->addAction(tr("Copy &Source to Target"), this,
                                          [this] { m_delegate.copySources(selectedRows()); });
    copySource->setObjectName(u"actionCopySource"_s);
    copySource->setShortcut(Qt::CTRL | Qt::Key_B);
    QAction *clearTarget = edit->addAction(tr("C&lear Target"), this,
                                           [this] { m_delegate.clearTargets(selectedRows()); });
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
    QAction *fileOrder = view->addAction(tr("Sort in &File Order"), this, [this] {
        m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        m_shown->sortByFileOrder();
    });
    fileOrder->setObjectName(u"actionFileOrder"_s);
    QAction *showAll = view->addAction(tr("Show &All Units"), m_filterBar, &FilterBar::clear);
    showAll->setObjectName(u"actionShowAll"_s);
    showAll->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
}

void MainWindow::buildGoMenu()
{
    QMenu *go = menuBar()->addMenu(tr("&Go"));
    const auto add = [&](const QString &text, const char *name, QKeySequence keys,
                         void (UnitNavigator::*slot)()) {
        QAction *action = go->addAction(text, m_navigator, slot);
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

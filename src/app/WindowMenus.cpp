#include "app/WindowMenus.h"

#include "app/flows/AppDelegate.h"
#include "app/flows/CarryOverFlow.h"
#include "app/flows/ReplaceInTargets.h"
#include "app/workbench/FilterBar.h"
#include "app/workbench/UnitNavigator.h"
#include "app/workbench/UnitTableView.h"
#include "app/workbench/Workbench.h"
#include "app/workbench/WorkbenchCommands.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>

using namespace Qt::StringLiterals;

WindowMenus::WindowMenus(QMainWindow &window, AppDelegate &delegate, Workbench &workbench,
                         std::function<void()> commitTyping)
    : QObject(&window), m_window(window), m_delegate(delegate), m_workbench(workbench),
      m_commitTyping(std::move(commitTyping))
{
    buildFileMenu();
    buildEditMenu();
    buildViewMenu();
    buildGoMenu();
    buildHelpMenu();
}

void WindowMenus::buildFileMenu()
{
    QMenu *file = m_window.menuBar()->addMenu(tr("&File"));

    QAction *open = file->addAction(tr("&Open…"), this, [this] { chooseToOpen(false); });
    open->setObjectName(u"actionOpen"_s);
    open->setShortcut(QKeySequence::Open);
    QAction *openFolder =
        file->addAction(tr("Open &Folder…"), this, [this] { chooseToOpen(true); });
    openFolder->setObjectName(u"actionOpenFolder"_s);

    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(u"menuRecent"_s);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &WindowMenus::rebuildRecentMenu);
    rebuildRecentMenu();

    file->addSeparator();
    QAction *save = file->addAction(tr("&Save"), this, [this] {
        m_commitTyping();
        m_delegate.save();
    });
    save->setObjectName(u"actionSave"_s);
    save->setShortcut(QKeySequence::Save);
    QAction *saveAs = file->addAction(tr("Save &As…"), this, [this] {
        m_commitTyping();
        m_delegate.dupe();
    });
    saveAs->setObjectName(u"actionSaveAs"_s);
    saveAs->setShortcut(QKeySequence::SaveAs);

    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), this, [this] { m_window.close(); });
    quit->setObjectName(u"actionQuit"_s);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
}

void WindowMenus::buildEditMenu()
{
    QMenu *edit = m_window.menuBar()->addMenu(tr("&Edit"));

    QAction *undo = m_delegate.undoStack().createUndoAction(&m_window, tr("&Undo"));
    undo->setObjectName(u"actionUndo"_s);
    undo->setShortcut(QKeySequence::Undo);
    edit->addAction(undo);
    QAction *redo = m_delegate.undoStack().createRedoAction(&m_window, tr("&Redo"));
    redo->setObjectName(u"actionRedo"_s);
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(redo);
    edit->addSeparator();

    UnitTableView *table = m_workbench.table();
    QAction *copy = edit->addAction(tr("&Copy"), this, [this] {
        if (const QString text = m_workbench.selectionText(); !text.isEmpty())
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
    QAction *find = edit->addAction(tr("&Find…"), m_workbench.filterBar(), &FilterBar::focusFind);
    find->setObjectName(u"actionFind"_s);
    find->setShortcut(QKeySequence::Find);
    WorkbenchCommands *commands = m_workbench.commands();
    auto *replaceIn = new ReplaceInTargets(m_delegate, *m_workbench.shown(), &m_window);
    edit->addActions({commands->findNext(), commands->findPrevious(), replaceIn->action()});
    edit->addSeparator();
    QAction *copySource = edit->addAction(tr("Copy &Source to Target"), this, [this] {
        m_delegate.copySources(m_workbench.selectedRows());
    });
    copySource->setObjectName(u"actionCopySource"_s);
    copySource->setShortcut(Qt::CTRL | Qt::Key_B);
    QAction *clearTarget = edit->addAction(
        tr("C&lear Target"), this, [this] { m_delegate.clearTargets(m_workbench.selectedRows()); });
    clearTarget->setObjectName(u"actionClearTarget"_s);
    clearTarget->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Backspace);

    edit->addSeparator();
    QAction *replace = edit->addAction(tr("Replace With Replacement &Dictionary"), &m_delegate,
                                       &AppDelegate::pset);
    replace->setObjectName(u"actionReplace"_s);

    auto *carryOver = new CarryOverFlow(m_delegate, &m_window);
    carryOver->setObjectName(u"carryOverFlow"_s);
    edit->addAction(carryOver->action());

    edit->addSeparator();
    QAction *preferences =
        edit->addAction(tr("&Preferences…"), &m_delegate, &AppDelegate::showPreferences);
    preferences->setObjectName(u"actionPreferences"_s);
    preferences->setShortcut(QKeySequence::Preferences);
    preferences->setMenuRole(QAction::PreferencesRole);
}

void WindowMenus::buildViewMenu()
{
    QMenu *view = m_window.menuBar()->addMenu(tr("&View"));
    QAction *fileOrder =
        view->addAction(tr("Sort in &File Order"), &m_workbench, &Workbench::sortByFileOrder);
    fileOrder->setObjectName(u"actionFileOrder"_s);
    QAction *showAll =
        view->addAction(tr("Show &All Units"), m_workbench.filterBar(), &FilterBar::clear);
    showAll->setObjectName(u"actionShowAll"_s);
    showAll->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
    view->addSeparator();
    view->addAction(m_workbench.commands()->switchFocus());
}

void WindowMenus::buildGoMenu()
{
    QMenu *go = m_window.menuBar()->addMenu(tr("&Go"));
    const auto add = [&](const QString &text, const char *name, QKeySequence keys,
                         void (UnitNavigator::*slot)()) {
        QAction *action = go->addAction(text, m_workbench.navigator(), slot);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
    };
    // Each item has a letter of its own.
    WorkbenchCommands *commands = m_workbench.commands();
    go->addAction(commands->confirmAndNext());
    go->addSeparator();
    add(tr("Next &Untranslated"), "actionNextUntranslated", Qt::CTRL | Qt::Key_J,
        &UnitNavigator::nextUntranslated);
    add(tr("Pre&vious Untranslated"), "actionPreviousUntranslated",
        Qt::CTRL | Qt::SHIFT | Qt::Key_J, &UnitNavigator::previousUntranslated);
    add(tr("Next Needs &Review"), "actionNextReview", Qt::CTRL | Qt::Key_K,
        &UnitNavigator::nextToReview);
    add(tr("Previous Needs Revie&w"), "actionPreviousReview", Qt::CTRL | Qt::SHIFT | Qt::Key_K,
        &UnitNavigator::previousToReview);
    go->addActions({commands->nextProblem(), commands->previousProblem()});
    go->addSeparator();
    go->addActions({commands->nextUnit(), commands->previousUnit()});
}

void WindowMenus::buildHelpMenu()
{
    QMenu *help = m_window.menuBar()->addMenu(tr("&Help"));
    QAction *manual = help->addAction(tr("Tarnwick Help"), &m_delegate, &AppDelegate::showHelp);
    manual->setObjectName(u"actionHelp"_s);
    manual->setShortcut(QKeySequence::HelpContents);
    QAction *about = help->addAction(tr("About Tarnwick"), this, &WindowMenus::showAbout);
    about->setMenuRole(QAction::AboutRole);
}

void WindowMenus::rebuildRecentMenu()
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

void WindowMenus::chooseToOpen(bool folder)
{
    auto *dialog = new QFileDialog(&m_window, folder ? tr("Open Folder") : tr("Open"));
    dialog->setFileMode(folder ? QFileDialog::Directory : QFileDialog::ExistingFile);
    if (!folder)
        dialog->setNameFilters(
            {tr("XLIFF files and String Catalogs (*.xliff *.xcstrings)"), tr("All files (*)")});
    const std::optional<QString> &current = m_delegate.state().document.documentPath;
    if (current)
        dialog->setDirectory(QFileInfo(*current).absolutePath());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, &m_delegate,
            [this](const QString &path) { m_delegate.openFile(path); });
    dialog->open();
}

void WindowMenus::showAbout()
{
    auto *about = new QMessageBox(QMessageBox::Information, tr("About Tarnwick"),
                                  tr("Tarnwick %1").arg(QCoreApplication::applicationVersion()),
                                  QMessageBox::Ok, &m_window);
    about->setInformativeText(tr("An editor for the XLIFF files that Xcode exports."));
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::WindowModal);
    about->open();
}

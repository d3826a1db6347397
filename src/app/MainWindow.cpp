#include "app/MainWindow.h"

#include "app/FocusKeeper.h"
#include "app/WindowMenus.h"
#include "app/flows/AppDelegate.h"
#include "app/flows/ConfirmSheet.h"
#include "app/flows/PickerSheet.h"
#include "app/memory/MemoryAssistant.h"
#include "app/preferences/DictionaryController.h"
#include "app/preferences/DictionaryModel.h"
#include "app/preferences/PreferencesWindow.h"
#include "app/recovery/RecoveryController.h"
#include "app/workbench/FilterBar.h"
#include "app/workbench/ProblemIndex.h"
#include "app/workbench/ProblemStatus.h"
#include "app/workbench/ProgressStatus.h"
#include "app/workbench/UnitNavigator.h"
#include "app/workbench/UnitTableModel.h"
#include "app/workbench/UnitTableView.h"
#include "app/workbench/Workbench.h"
#include "memory/MemoryStore.h"
#include "views/HelpWindow.h"

#include <QApplication>
#include <QCloseEvent>
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
    // After a save, a dialog or an alert the keys reach what they reached before.
    new FocusKeeper(*this);
    buildMenus();
    connectWorkbench();
    new MemoryAssistant(m_delegate, *m_workbench, *this, MemoryStore::defaultPath());
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
    m_problems->setAcceptedFile([this] {
        return ProblemIndex::acceptedFileFor(
            RecoveryController::defaultDataFolder(),
            m_delegate.state().document.documentPath.value_or(QString()));
    });
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
    connect(&m_delegate, &AppDelegate::reported, this,
            [this](const QString &message) { statusBar()->showMessage(message, 8000); });
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
    // The controller words each question as it asks it (DocumentQuestions): whether there
    // is work to save decides its buttons.
    auto *confOver = new ConfirmSheet(QString(), QString(), QString(), this);
    confOver->setObjectName(u"confOver"_s);
    connect(confOver, &ConfirmSheet::confirmed, &m_delegate, &AppDelegate::ride);
    connect(confOver, &ConfirmSheet::saveRequested, &m_delegate, &AppDelegate::confSave);
    connect(confOver, &QDialog::rejected, &m_delegate, &AppDelegate::miss);

    auto *confTerm = new ConfirmSheet(QString(), QString(), QString(), this);
    confTerm->setObjectName(u"confTerm"_s);
    connect(confTerm, &ConfirmSheet::confirmed, &m_delegate, &AppDelegate::confTermDone);
    connect(confTerm, &ConfirmSheet::saveRequested, &m_delegate, &AppDelegate::confSave);
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
    new WindowMenus(*this, m_delegate, *m_workbench, [this] { commitTyping(); });
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
    // the detail pane's alike. A shortcut does not take the focus, so it is taken here;
    // the focus keeper gives it back once the command is done.
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

#pragma once

#include <QMainWindow>

#include <vector>

class AppDelegate;
class DetailPane;
class FilterBar;
class ProblemIndex;
class ProblemStatus;
class ProgressStatus;
class QMenu;
class RecoveryController;
class QSplitter;
class QStringListModel;
class UnitFilterProxy;
class UnitNavigator;
class UnitTableModel;
class UnitTableView;

/// The main window: the unit table, the menus, the sheets, and drops of files. It builds
/// the interface, hands the controller its outlets and routes every command to it; the
/// flows themselves live in AppDelegate.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppDelegate &delegate, QWidget *parent = nullptr);

    UnitTableView *table() const { return m_table; }
    /// Every unit of the document, in file order.
    UnitTableModel *units() const { return m_units; }
    RecoveryController *recovery() const { return m_recovery; }
    /// The units the table shows.
    UnitFilterProxy *shown() const { return m_shown; }
    FilterBar *filterBar() const { return m_filterBar; }
    DetailPane *detailPane() const { return m_detail; }
    ProgressStatus *progress() const { return m_progress; }
    ProblemIndex *problems() const { return m_problems; }
    ProblemStatus *problemStatus() const { return m_problemStatus; }
    UnitNavigator *navigator() const { return m_navigator; }
    QSplitter *splitter() const { return m_splitter; }

signals:
    /// The window agreed to close; the application ends with it.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildWorkbench();
    void connectWorkbench();
    void buildDictionary();
    void buildSheets();
    void buildRecovery();
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildViewMenu();
    void buildGoMenu();
    void buildHelpMenu();
    void rebuildRecentMenu();
    void chooseToOpen(bool folder);
    void copySelection();
    void showAbout();
    /// The document rows of the table's selection, in file order.
    std::vector<std::size_t> selectedRows() const;
    void showCurrentUnit();
    /// The detail pane's list of what the checks found in the current unit.
    void showCurrentProblems();
    void commitFromPane(const QModelIndex &sourceIndex, const QString &text, int advance);
    void documentLoaded();
    void goToFirstFound();
    /// Commits a target still being typed, before a save or quit looks at the document.
    void commitTyping();
    void restoreLayout();
    void saveLayout() const;

    AppDelegate &m_delegate;
    UnitTableModel *m_units = nullptr;
    RecoveryController *m_recovery = nullptr;
    UnitFilterProxy *m_shown = nullptr;
    UnitTableView *m_table = nullptr;
    FilterBar *m_filterBar = nullptr;
    DetailPane *m_detail = nullptr;
    QSplitter *m_splitter = nullptr;
    ProgressStatus *m_progress = nullptr;
    ProblemIndex *m_problems = nullptr;
    ProblemStatus *m_problemStatus = nullptr;
    UnitNavigator *m_navigator = nullptr;
    QStringListModel *m_found = nullptr;
    QMenu *m_recentMenu = nullptr;
};

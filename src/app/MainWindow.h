#pragma once

#include <QMainWindow>

class AppDelegate;
class DetailPane;
class FilterBar;
class ProblemIndex;
class ProblemStatus;
class ProgressStatus;
class RecoveryController;
class QSplitter;
class QStringListModel;
class UnitFilterProxy;
class UnitNavigator;
class UnitTableModel;
class UnitTableView;
class Workbench;

/// The main window: the workbench (filter bar, unit table, detail pane), the status bar,
/// the menus, the sheets, and drops of files. It builds the interface, hands the controller
/// its outlets and routes every command to it; the flows themselves live in AppDelegate.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppDelegate &delegate, QWidget *parent = nullptr);

    /// Every unit of the document, in file order.
    UnitTableModel *units() const { return m_units; }
    Workbench *workbench() const { return m_workbench; }
    UnitTableView *table() const;
    /// The units the table shows.
    UnitFilterProxy *shown() const;
    FilterBar *filterBar() const;
    DetailPane *detailPane() const;
    UnitNavigator *navigator() const;
    QSplitter *splitter() const;
    RecoveryController *recovery() const { return m_recovery; }
    ProgressStatus *progress() const { return m_progress; }
    ProblemIndex *problems() const { return m_problems; }
    ProblemStatus *problemStatus() const { return m_problemStatus; }

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
    /// Says why a typed target was not taken.
    void showRefusal(const QString &reason);
    /// Commits a target still being typed, before a save or quit looks at the document.
    void commitTyping();
    void restoreLayout();
    void saveLayout() const;

    AppDelegate &m_delegate;
    UnitTableModel *m_units = nullptr;
    Workbench *m_workbench = nullptr;
    RecoveryController *m_recovery = nullptr;
    ProgressStatus *m_progress = nullptr;
    ProblemIndex *m_problems = nullptr;
    ProblemStatus *m_problemStatus = nullptr;
    QStringListModel *m_found = nullptr;
};

#pragma once

#include <QMainWindow>

class AppDelegate;
class QMenu;
class QStringListModel;
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
    UnitTableModel *units() const { return m_units; }

signals:
    /// The window agreed to close; the application ends with it.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildDictionary();
    void buildSheets();
    void buildRecovery();
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildHelpMenu();
    void rebuildRecentMenu();
    void chooseToOpen(bool folder);
    void copySelection();
    void showAbout();

    AppDelegate &m_delegate;
    UnitTableModel *m_units = nullptr;
    UnitTableView *m_table = nullptr;
    QStringListModel *m_found = nullptr;
    QMenu *m_recentMenu = nullptr;
};

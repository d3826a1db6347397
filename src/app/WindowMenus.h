#pragma once

#include <QObject>

#include <functional>

class AppDelegate;
class QMainWindow;
class QMenu;
class Workbench;

/// The main window's menus (File, Edit, View, Go, Help) and what each item does: most
/// items hand over to the controller or to a part of the workbench.
class WindowMenus : public QObject
{
    Q_OBJECT

public:
    /// Builds the menus into `window`'s menu bar. `commitTyping` takes a target still being
    /// typed before a save looks at the document.
    WindowMenus(QMainWindow &window, AppDelegate &delegate, Workbench &workbench,
                std::function<void()> commitTyping);

private:
    void buildFileMenu();
    void buildEditMenu();
    void buildViewMenu();
    void buildGoMenu();
    void buildHelpMenu();
    void rebuildRecentMenu();
    void chooseToOpen(bool folder);
    void showAbout();

    QMainWindow &m_window;
    AppDelegate &m_delegate;
    Workbench &m_workbench;
    std::function<void()> m_commitTyping;
    QMenu *m_recentMenu = nullptr;
};

#pragma once

#include "memory/Pretranslation.h"

#include <QObject>
#include <QPointer>

class AppDelegate;
class MemoryService;
class QAction;
class QInputDialog;
class QMessageBox;
class QWidget;

/// Edit › Pre-translate From Memory…: asks for the lowest score to take, fills the
/// untranslated units from their best matches on the memory's thread, and applies what it
/// found as one undo step, every filled unit marked for review; a message tells the counts.
class PretranslateFlow : public QObject
{
    Q_OBJECT

public:
    PretranslateFlow(AppDelegate &delegate, MemoryService &service, QWidget &window);

    QAction *action() const { return m_action; }
    QInputDialog *dialog() const { return m_dialog; }
    QMessageBox *message() const { return m_message; }

    /// Shows the dialog on the window.
    void start();
    /// Pre-translates the open document from matches scoring at least `minimum`.
    void run(int minimum);

private:
    void finished(const Pretranslation::Result &result);

    AppDelegate &m_delegate;
    MemoryService &m_service;
    QWidget &m_window;
    QAction *m_action = nullptr;
    QInputDialog *m_dialog = nullptr;
    QPointer<QMessageBox> m_message;
    /// The rows' sources when the pass started: a change for a row that no longer reads so,
    /// or was translated meanwhile, is left out.
    std::vector<std::optional<QString>> m_sources;
    bool m_running = false;
};

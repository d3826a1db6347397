#pragma once

#include <QObject>

class QAction;
class Workbench;

/// The keys translators bring from Poedit, Qt Linguist and Lokalize, as actions that work
/// wherever the focus is in the workbench (table, find field or either editor): confirm and
/// go on, previous and next unit, previous and next problem, find next and previous, and
/// the move between the table and the target editor. The window puts them in its menus.
class WorkbenchCommands : public QObject
{
    Q_OBJECT

public:
    explicit WorkbenchCommands(Workbench &workbench);

    QAction *confirmAndNext() const { return m_confirmAndNext; }
    QAction *nextUnit() const { return m_nextUnit; }
    QAction *previousUnit() const { return m_previousUnit; }
    QAction *nextProblem() const { return m_nextProblem; }
    QAction *previousProblem() const { return m_previousProblem; }
    QAction *findNext() const { return m_findNext; }
    QAction *findPrevious() const { return m_findPrevious; }
    QAction *switchFocus() const { return m_switchFocus; }

private:
    QAction *add(const QString &text, const QString &name, const QKeySequence &keys);
    void find(bool forward);

    Workbench &m_workbench;
    QAction *m_confirmAndNext = nullptr;
    QAction *m_nextUnit = nullptr;
    QAction *m_previousUnit = nullptr;
    QAction *m_nextProblem = nullptr;
    QAction *m_previousProblem = nullptr;
    QAction *m_findNext = nullptr;
    QAction *m_findPrevious = nullptr;
    QAction *m_switchFocus = nullptr;
};

#include "app/workbench/WorkbenchCommands.h"

#include "app/workbench/FilterBar.h"
#include "app/workbench/UnitNavigator.h"
#include "app/workbench/Workbench.h"

#include <QAction>
#include <QLineEdit>

using namespace Qt::StringLiterals;

WorkbenchCommands::WorkbenchCommands(Workbench &workbench)
    : QObject(&workbench), m_workbench(workbench)
{
    UnitNavigator *go = workbench.navigator();
    m_confirmAndNext = add(tr("&Confirm and Next Untranslated"), u"actionConfirmAndNext"_s,
                           QKeySequence(Qt::CTRL | Qt::Key_Return));
    connect(m_confirmAndNext, &QAction::triggered, &workbench, &Workbench::confirmAndGoOn);
    m_nextUnit = add(tr("Next U&nit"), u"actionNextUnit"_s, QKeySequence(Qt::CTRL | Qt::Key_Down));
    connect(m_nextUnit, &QAction::triggered, go, &UnitNavigator::nextUnit);
    m_previousUnit =
        add(tr("Previous Uni&t"), u"actionPreviousUnit"_s, QKeySequence(Qt::CTRL | Qt::Key_Up));
    connect(m_previousUnit, &QAction::triggered, go, &UnitNavigator::previousUnit);
    m_nextProblem = add(tr("Next &Problem"), u"actionNextProblem"_s, QKeySequence(Qt::Key_F8));
    connect(m_nextProblem, &QAction::triggered, go, &UnitNavigator::nextProblem);
    m_previousProblem = add(tr("Previous Pro&blem"), u"actionPreviousProblem"_s,
                            QKeySequence(Qt::SHIFT | Qt::Key_F8));
    connect(m_previousProblem, &QAction::triggered, go, &UnitNavigator::previousProblem);
    m_findNext = add(tr("Find &Next"), u"actionFindNext"_s, QKeySequence::FindNext);
    connect(m_findNext, &QAction::triggered, this, [this] { find(true); });
    m_findPrevious = add(tr("Find Pre&vious"), u"actionFindPrevious"_s, QKeySequence::FindPrevious);
    connect(m_findPrevious, &QAction::triggered, this, [this] { find(false); });
    m_switchFocus = add(tr("Switch Between &Table and Target"), u"actionSwitchFocus"_s,
                        QKeySequence(Qt::Key_F6));
    connect(m_switchFocus, &QAction::triggered, &workbench, &Workbench::switchFocus);
}

QAction *WorkbenchCommands::add(const QString &text, const QString &name, const QKeySequence &keys)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(keys);
    // Anywhere in the workbench, editors included: they hand over the keys they don't use.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_workbench.addAction(action);
    return action;
}

void WorkbenchCommands::find(bool forward)
{
    FilterBar *bar = m_workbench.filterBar();
    const QString text = bar->findField()->text();
    // Nothing to look for yet: the find field takes it.
    if (text.isEmpty()) {
        bar->focusFind();
        return;
    }
    if (forward)
        m_workbench.navigator()->findNext(text);
    else
        m_workbench.navigator()->findPrevious(text);
}

#include "app/workbench/ProblemStatus.h"

#include "app/workbench/ProblemIndex.h"

using namespace Qt::StringLiterals;

ProblemStatus::ProblemStatus(const ProblemIndex &problems, QWidget *parent)
    : QLabel(parent), m_problems(problems)
{
    setObjectName(u"problemStatus"_s);
    connect(&problems, &ProblemIndex::reset, this, &ProblemStatus::update);
    connect(&problems, &ProblemIndex::problemsChanged, this, &ProblemStatus::update);
    update();
}

void ProblemStatus::update()
{
    const int errors = m_problems.errorCount();
    const int warnings = m_problems.warningCount();
    if (errors == 0 && warnings == 0) {
        clear();
        return;
    }
    setText(tr("%1, %2").arg(tr("%n error(s)", nullptr, errors),
                             tr("%n warning(s)", nullptr, warnings)));
}

QString ProblemStatus::afterSave() const
{
    const int errors = m_problems.errorCount();
    return errors == 0 ? QString() : tr("Saved. %n error(s) remain.", nullptr, errors);
}

#pragma once

#include <QLabel>

class ProblemIndex;

/// The status bar's count of what the checks found ("2 errors, 5 warnings"); empty while
/// nothing is found. A save is never held back by a problem; after one this says how many
/// errors remain.
class ProblemStatus : public QLabel
{
    Q_OBJECT

public:
    explicit ProblemStatus(const ProblemIndex &problems, QWidget *parent = nullptr);

    /// Counts again.
    void update();
    /// What to say after a save: how many errors the saved file still holds, or nothing.
    QString afterSave() const;

private:
    const ProblemIndex &m_problems;
};

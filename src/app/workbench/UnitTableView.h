#pragma once

#include <QTableView>

class TargetDelegate;

/// The main table. Rows have one fixed height, so tens of thousands of units scroll
/// without measuring any of them; Return (or Enter) edits the current row's target.
class UnitTableView : public QTableView
{
    Q_OBJECT

public:
    explicit UnitTableView(QWidget *parent = nullptr);

    /// Sets the starting column widths; call after the model is set.
    void applyColumnWidths();

    /// The editor of the Target column.
    TargetDelegate *targetDelegate() const { return m_targetDelegate; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    TargetDelegate *m_targetDelegate = nullptr;
};

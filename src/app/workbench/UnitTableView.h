#pragma once

#include <QTableView>

class TargetDelegate;

/// The main table. Rows have one fixed height, so tens of thousands of units scroll
/// without measuring any of them. Return, Enter or F2 edits the current row's target, and
/// typing a character starts editing it with that character, whichever column is current.
/// Tab leaves the table rather than walking its cells.
class UnitTableView : public QTableView
{
    Q_OBJECT

public:
    explicit UnitTableView(QWidget *parent = nullptr);

    /// Sets the starting column widths; call after the model is set.
    void applyColumnWidths();
    /// Widens the State column to its longest name, so no state is cut (after a layout
    /// kept from an earlier version is restored, too).
    void keepStatesWhole();

    /// The editor of the Target column.
    TargetDelegate *targetDelegate() const { return m_targetDelegate; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    /// Opens the current row's Target cell for editing; `event` goes on to the editor.
    bool editTarget(EditTrigger trigger, QKeyEvent *event);

    TargetDelegate *m_targetDelegate = nullptr;
};

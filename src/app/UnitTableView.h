#pragma once

#include <QTableView>

/// The main table. Rows have one fixed height, so tens of thousands of units scroll
/// without measuring any of them; Return (or Enter) edits the current row's target.
class UnitTableView : public QTableView
{
    Q_OBJECT

public:
    explicit UnitTableView(QWidget *parent = nullptr);

    /// Sets the starting column widths; call after the model is set.
    void applyColumnWidths();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

#pragma once

#include "app/workbench/EditAdvance.h"

#include <QStyledItemDelegate>

/// Edits a target. A target that spans lines gets a multi-line editor, so its line breaks
/// are seen while editing. In either editor Return commits and moves to the next row,
/// Ctrl+Return commits, confirms and moves to the next untranslated unit, Shift+Return
/// starts a new line in the multi-line one, Escape cancels.
class TargetDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

signals:
    /// A commit from the keyboard asks the view to move on.
    void advanceRequested(EditAdvance advance);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    /// Set while Ctrl+Return commits, so the model is asked to confirm the target.
    mutable bool m_confirming = false;
};

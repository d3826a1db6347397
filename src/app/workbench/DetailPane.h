#pragma once

#include "app/workbench/EditAdvance.h"

#include <QPersistentModelIndex>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TargetEditor;
class UnitTableModel;

/// Everything about the current unit below the table: its whole source (selectable), its
/// note with Interface Builder's parts apart, the file it belongs to, and an editor for
/// its target. A commit here is the same edit as one in the table.
class DetailPane : public QWidget
{
    Q_OBJECT

public:
    explicit DetailPane(UnitTableModel &units, QWidget *parent = nullptr);

    /// Shows the unit of a row of the document (an invalid index: none). A modified target
    /// is committed to the unit it was typed for first.
    void showUnit(const QModelIndex &sourceIndex);
    /// Shows the current unit's values again, unless its target is being typed.
    void refresh();

    TargetEditor *targetEditor() const { return m_target; }
    QPlainTextEdit *sourceView() const { return m_source; }
    QLabel *noteView() const { return m_note; }
    QLabel *fileView() const { return m_file; }
    QLabel *problemsView() const { return m_problems; }
    QPushButton *acceptButton() const { return m_accept; }

    /// Shows what the checks found in the current unit; hides the row when nothing.
    /// `acceptable`: some of it is a warning the reviewer may accept.
    void showProblems(const QString &messages, bool acceptable = false);

signals:
    /// The editor's text should become the target of this row of the document.
    void commitRequested(const QModelIndex &sourceIndex, const QString &text, EditAdvance advance);
    /// The reviewer accepts the warnings of this row of the document.
    void acceptRequested(const QModelIndex &sourceIndex);

private:
    void commit(EditAdvance advance);
    void showNote(const std::optional<QString> &note);

    UnitTableModel &m_units;
    QPersistentModelIndex m_index;
    QLabel *m_file = nullptr;
    QPlainTextEdit *m_source = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_problems = nullptr;
    QWidget *m_problemsRow = nullptr;
    QPushButton *m_accept = nullptr;
    TargetEditor *m_target = nullptr;
};

#pragma once

#include "document/FileHeader.h"
#include "document/TargetChange.h"
#include "document/UnitRecord.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <QUndoStack>

#include <vector>

class ProblemIndex;

/// The unit list of the open document, one row per translation unit in file order. Only
/// the Target column is editable. With an undo stack set, a committed edit becomes one
/// undoable step; every change of the rows or of a target is announced through
/// unitsChanged(), which marks the document edited.
class UnitTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Column
    {
        File,
        Id,
        Source,
        Target,
        State,
        Note,
        Count
    };

    enum Role
    {
        /// setData() with this role commits a target and confirms it: a unit that was
        /// untranslated or to review becomes translated even when its text stays.
        ConfirmRole = Qt::UserRole + 1
    };

    explicit UnitTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    const std::vector<UnitRecord> &rows() const { return m_rows; }
    const std::vector<FileHeader> &files() const { return m_files; }
    /// The record of a row, or null for a row out of range.
    const UnitRecord *record(int row) const;

    /// Replaces the whole list (a load): one model reset.
    void setRows(std::vector<UnitRecord> rows, std::vector<FileHeader> files = {});

    /// Sets the targets and states the changes name, announcing each changed row. Rows out
    /// of range and changes that change nothing are passed over.
    void applyChanges(const std::vector<TargetChange> &changes);

    /// Where committed edits go as undoable steps; without one they apply at once.
    void setUndoStack(QUndoStack *stack) { m_undo = stack; }

    /// Marks the Target cells of rows with problems (an icon, and the messages in the
    /// tooltip), following the index as it changes.
    void setProblems(ProblemIndex *problems);

    /// The change a user's commit of `text` makes to a record: the writer marks an edited
    /// target translated where the file gives it a state, and the table shows that at once.
    static TargetChange typed(const UnitRecord &record, std::size_t row, const QString &text);

    /// The words the State column shows for a `state` value.
    static QString stateName(const QString &state);
    /// Every name the State column may show, for its width.
    static QStringList stateNames();
    /// What the File column shows of a file's path: its last part.
    static QString fileName(const QString &path);

    static int column(Column column) { return static_cast<int>(column); }
    /// The record's value that a column shows.
    static const std::optional<QString> &cellValue(const UnitRecord &record, int column);

signals:
    /// The rows were replaced or a row's target changed.
    void unitsChanged();
    /// These rows' target or state changed (an edit, an undo, a pass).
    void targetsChanged(const QList<int> &rows);
    /// A commit was refused, and why; the target stays as it was.
    void commitRefused(const QString &reason);

private:
    QVariant toolTip(const UnitRecord &record, const std::optional<QString> &value,
                     int column) const;

    std::vector<UnitRecord> m_rows;
    std::vector<FileHeader> m_files;
    QPointer<QUndoStack> m_undo;
    QPointer<ProblemIndex> m_problems;
};

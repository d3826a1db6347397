#pragma once

#include "checks/PluralGroup.h"
#include "checks/Problem.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class CheckEngine;
class UnitTableModel;

/// The problems the checks find in the open document, kept current as targets change: the
/// whole document is checked on a load, and a changed row (with the plural groups) at once.
class ProblemIndex : public QObject
{
    Q_OBJECT

public:
    explicit ProblemIndex(UnitTableModel *model, QObject *parent = nullptr);
    ~ProblemIndex() override;

    /// The row's problems, errors first; none for a row out of range.
    const std::vector<Problem> &problems(int row) const;
    bool hasProblems(int row) const { return !problems(row).empty(); }
    bool hasErrors(int row) const;
    /// The row's messages, one per line, for a tooltip or the detail pane.
    QString messages(int row) const;
    /// The table's mark for the row: an error or warning icon, or a null icon.
    QIcon marker(int row) const;
    /// The row's messages above a cell's own tooltip.
    QString toolTip(int row, const QVariant &cellTip) const;
    int errorCount() const { return m_errors; }
    int warningCount() const { return m_warnings; }

signals:
    /// These rows' problems changed (a row may be named twice); the counts may have too.
    void problemsChanged(const QList<int> &rows);
    /// The whole document was checked anew (a load).
    void reset();

private:
    void rebuild();
    void update(const QList<int> &rows);
    void setRow(std::size_t row, std::vector<Problem> problems);
    /// Replaces the plural problems; adds the rows whose problems changed to `changed`.
    void replacePlurals(QList<int> &changed);
    void count(const std::vector<Problem> &problems, int sign);

    QPointer<UnitTableModel> m_model;
    std::unique_ptr<CheckEngine> m_engine;
    std::vector<std::vector<Problem>> m_rows;
    std::vector<PluralGroup> m_groups; ///< found once per load: ids do not change
    QList<int> m_pluralRows;           ///< rows that hold a plural problem
    int m_errors = 0;
    int m_warnings = 0;
};

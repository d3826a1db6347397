#pragma once

#include "document/UnitFilter.h"

#include <QSortFilterProxyModel>

class ProblemIndex;
class UnitTableModel;

/// What the table shows of the document: the units a filter lets through, in file order or
/// sorted by a column. The document behind it keeps every row in file order, so a save or a
/// pass never depends on what is shown. Rows stay where they are while they are edited (a
/// unit translated under "Untranslated" stays until the filter changes), so a translator
/// can walk on from it.
class UnitFilterProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit UnitFilterProxy(UnitTableModel &units, QObject *parent = nullptr);

    const UnitFilter &filter() const { return m_filter; }
    void setFilter(const UnitFilter &filter);

    /// The record behind a row of this model, or null.
    const struct UnitRecord *record(int proxyRow) const;

    /// Back to the order of the file.
    void sortByFileOrder();

    /// Where "With problems" looks; without it that choice shows nothing.
    void setProblems(const ProblemIndex *problems) { m_problems = problems; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    UnitTableModel &m_units;
    UnitFilter m_filter;
    const ProblemIndex *m_problems = nullptr;
};

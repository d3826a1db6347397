#include "app/workbench/UnitFilterProxy.h"

#include "app/workbench/ProblemIndex.h"
#include "app/workbench/UnitTableModel.h"

UnitFilterProxy::UnitFilterProxy(UnitTableModel &units, QObject *parent)
    : QSortFilterProxyModel(parent), m_units(units)
{
    setDynamicSortFilter(false);
    setSourceModel(&units);
}

void UnitFilterProxy::setFilter(const UnitFilter &filter)
{
    if (filter == m_filter)
        return;
    m_filter = filter;
    // Rebuilding the mapping whole is linear; invalidateFilter() announces each run of rows
    // that comes or goes, which takes seconds when a status choice brings back 200,000.
    invalidate();
}

const UnitRecord *UnitFilterProxy::record(int proxyRow) const
{
    const QModelIndex source = mapToSource(index(proxyRow, 0));
    return source.isValid() ? m_units.record(source.row()) : nullptr;
}

void UnitFilterProxy::sortByFileOrder()
{
    sort(-1);
}

bool UnitFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (sourceParent.isValid())
        return false;
    const UnitRecord *unit = m_units.record(sourceRow);
    if (m_filter.status == UnitFilter::Status::WithProblems &&
        !(m_problems && m_problems->hasProblems(sourceRow)))
        return false;
    return unit && m_filter.accepts(*unit);
}

bool UnitFilterProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    // Compares the records' own texts rather than display values: no variant per
    // comparison, and a line break sorts as itself. Ties keep file order.
    const UnitRecord *a = m_units.record(left.row());
    const UnitRecord *b = m_units.record(right.row());
    if (!a || !b)
        return left.row() < right.row();
    const std::optional<QString> &x = UnitTableModel::cellValue(*a, left.column());
    const std::optional<QString> &y = UnitTableModel::cellValue(*b, left.column());
    // An absent value sorts before any text, an empty one among the texts.
    if (x.has_value() != y.has_value())
        return !x.has_value();
    const int order = x ? QString::compare(*x, *y, Qt::CaseInsensitive) : 0;
    if (order != 0)
        return order < 0;
    return left.row() < right.row();
}

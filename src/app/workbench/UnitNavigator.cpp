#include "app/workbench/UnitNavigator.h"

#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitTableModel.h"

#include <QTableView>

UnitNavigator::UnitNavigator(QTableView &table, UnitFilterProxy &rows, QObject *parent)
    : QObject(parent), m_table(table), m_rows(rows)
{
}

int UnitNavigator::find(int from, TranslationStatus::Status status, bool forward) const
{
    const int count = m_rows.rowCount();
    if (count == 0)
        return -1;
    const int step = forward ? 1 : -1;
    // With no current row the search starts at the first (or last) row itself.
    int row = from < 0 ? (forward ? count - 1 : 0) : from;
    for (int seen = 0; seen < count; ++seen) {
        row = (row + step + count) % count;
        const UnitRecord *unit = m_rows.record(row);
        if (unit && unit->translatable && TranslationStatus::of(*unit) == status)
            return row;
    }
    return -1;
}

void UnitNavigator::go(TranslationStatus::Status status, bool forward)
{
    const int row = find(m_table.currentIndex().row(), status, forward);
    if (row >= 0) {
        select(row);
        return;
    }
    emit notFound(status == TranslationStatus::Status::Untranslated
                      ? tr("No untranslated units are shown.")
                      : tr("No units to review are shown."));
}

void UnitNavigator::advance(EditAdvance advance)
{
    switch (advance) {
    case EditAdvance::Stay:
        return;
    case EditAdvance::NextRow: {
        const int next = m_table.currentIndex().row() + 1;
        if (next < m_rows.rowCount())
            select(next);
        return;
    }
    case EditAdvance::NextUntranslated:
        nextUntranslated();
        return;
    }
}

void UnitNavigator::select(int row)
{
    const int column = m_table.currentIndex().isValid()
                           ? m_table.currentIndex().column()
                           : UnitTableModel::column(UnitTableModel::Column::Target);
    const QModelIndex index = m_rows.index(row, column);
    if (!index.isValid())
        return;
    m_table.setCurrentIndex(index);
    m_table.scrollTo(index);
}

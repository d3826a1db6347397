#include "app/workbench/UnitNavigator.h"

#include "app/workbench/ProblemIndex.h"
#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitTableModel.h"
#include "document/UnitFilter.h"

#include <QTableView>

UnitNavigator::UnitNavigator(QTableView &table, UnitFilterProxy &rows, QObject *parent)
    : QObject(parent), m_table(table), m_rows(rows)
{
}

int UnitNavigator::find(int from, TranslationStatus::Status status, bool forward) const
{
    return find(
        from,
        [status](const UnitRecord &unit, int) {
            return unit.translatable && TranslationStatus::of(unit) == status;
        },
        forward);
}

int UnitNavigator::find(int from, const Stop &stop, bool forward) const
{
    const int count = m_rows.rowCount();
    if (count == 0)
        return -1;
    const int step = forward ? 1 : -1;
    int row = from < 0 ? (forward ? count - 1 : 0) : from;
    for (int seen = 0; seen < count; ++seen) {
        row = (row + step + count) % count;
        const QModelIndex source = m_rows.mapToSource(m_rows.index(row, 0));
        const UnitRecord *unit = m_rows.record(row);
        if (unit && stop(*unit, source.row()))
            return row;
    }
    return -1;
}

int UnitNavigator::currentRow() const
{
    return m_table.currentIndex().row();
}

void UnitNavigator::go(TranslationStatus::Status status, bool forward)
{
    goTo(find(currentRow(), status, forward), status == TranslationStatus::Status::Untranslated
                                                  ? tr("No untranslated units are shown.")
                                                  : tr("No units to review are shown."));
}

void UnitNavigator::goToProblem(bool forward)
{
    const ProblemIndex *problems = m_problems;
    const Stop hasProblems = [problems](const UnitRecord &, int row) {
        return problems && problems->hasProblems(row);
    };
    goTo(find(currentRow(), hasProblems, forward), tr("No units with problems are shown."));
}

void UnitNavigator::goToText(const QString &text, bool forward)
{
    if (text.isEmpty())
        return;
    UnitFilter filter;
    filter.text = text;
    const Stop holdsText = [&filter](const UnitRecord &unit, int) {
        return filter.acceptsText(unit);
    };
    goTo(find(currentRow(), holdsText, forward),
         tr("“%1” is not found in the units shown.").arg(text));
}

void UnitNavigator::step(int by)
{
    const int count = m_rows.rowCount();
    if (count == 0)
        return;
    const int row = currentRow() < 0 ? (by > 0 ? 0 : count - 1) : currentRow() + by;
    if (row >= 0 && row < count)
        select(row);
}

void UnitNavigator::goTo(int row, const QString &none)
{
    if (row >= 0) {
        select(row);
        return;
    }
    emit notFound(none);
}

void UnitNavigator::advance(EditAdvance advance)
{
    switch (advance) {
    case EditAdvance::Stay:
        return;
    case EditAdvance::NextRow: {
        const int next = currentRow() + 1;
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
    if (!index.isValid() || !m_table.selectionModel())
        return;
    // The view's own setCurrentIndex() reads the keyboard's modifiers: with Ctrl still held
    // from Ctrl+J or Ctrl+Return it would add the row to the selection rather than replace
    // it, and the next command on the selection would change the unit just left too.
    m_table.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_table.scrollTo(index);
}

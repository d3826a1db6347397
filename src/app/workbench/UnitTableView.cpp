#include "app/workbench/UnitTableView.h"

#include "app/workbench/TargetDelegate.h"
#include "app/workbench/UnitTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

// File paths say the most at their end (the file's name): elide them in the middle.
class MiddleElidingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = Qt::ElideMiddle;
    }
};

} // namespace

UnitTableView::UnitTableView(QWidget *parent)
    : QTableView(parent), m_targetDelegate(new TargetDelegate(this))
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setAlternatingRowColors(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setShowGrid(false);
    setCornerButtonEnabled(false);

    QHeaderView *rowsHeader = verticalHeader();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(fontMetrics().height() + 8);
    rowsHeader->setHidden(true);

    QHeaderView *columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Clicking a header sorts up, then down, then gives back the order of the file.
    columns->setSortIndicatorClearable(true);
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
}

void UnitTableView::applyColumnWidths()
{
    using Column = UnitTableModel::Column;
    // The width of a Latin letter: a CJK font's average character is twice as wide.
    const int unit = fontMetrics().horizontalAdvance(u'x');
    setColumnWidth(UnitTableModel::column(Column::File), 24 * unit);
    setItemDelegateForColumn(UnitTableModel::column(Column::File), new MiddleElidingDelegate(this));
    setColumnWidth(UnitTableModel::column(Column::Id), 18 * unit);
    setColumnWidth(UnitTableModel::column(Column::Source), 32 * unit);
    setColumnWidth(UnitTableModel::column(Column::Target), 32 * unit);
    setItemDelegateForColumn(UnitTableModel::column(Column::Target), m_targetDelegate);
    setColumnWidth(UnitTableModel::column(Column::State), 12 * unit);
}

void UnitTableView::keyPressEvent(QKeyEvent *event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && state() != QAbstractItemView::EditingState && currentIndex().isValid()) {
        const QModelIndex target =
            currentIndex().siblingAtColumn(UnitTableModel::column(UnitTableModel::Column::Target));
        if (target.isValid()) {
            setCurrentIndex(target);
            if (edit(target, QAbstractItemView::EditKeyPressed, event))
                return;
        }
    }
    QTableView::keyPressEvent(event);
}

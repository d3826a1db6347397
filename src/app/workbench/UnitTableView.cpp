#include "app/workbench/UnitTableView.h"

#include "app/workbench/TargetDelegate.h"
#include "app/workbench/UnitTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyle>
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
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // Tab goes on to the detail pane, as in any form; the arrows walk the cells.
    setTabKeyNavigation(false);
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
    keepStatesWhole();
}

void UnitTableView::keepStatesWhole()
{
    const int state = UnitTableModel::column(UnitTableModel::Column::State);
    const QFontMetrics metrics = fontMetrics();
    int widest = horizontalHeader()->sectionSizeHint(state);
    for (const QString &name : UnitTableModel::stateNames())
        widest = std::max(widest, metrics.horizontalAdvance(name));
    // The cell's own margins on either side, as the style draws them.
    const int margins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) +
        metrics.horizontalAdvance(u'x');
    setColumnWidth(state, std::max(columnWidth(state), widest + margins));
}

namespace {

// A key that types text: no command modifier, and a character that shows.
bool typesText(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString text = event->text();
    return !(event->modifiers() & commands) && !text.isEmpty() && text.front().isPrint();
}

} // namespace

bool UnitTableView::editTarget(EditTrigger trigger, QKeyEvent *event)
{
    if (state() == QAbstractItemView::EditingState || !currentIndex().isValid())
        return false;
    const QModelIndex target =
        currentIndex().siblingAtColumn(UnitTableModel::column(UnitTableModel::Column::Target));
    if (!target.isValid())
        return false;
    // The row is selected already; only the current cell moves to the target.
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    return edit(target, trigger, event);
}

void UnitTableView::keyPressEvent(QKeyEvent *event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool opensEditor =
        (isReturn || event->key() == Qt::Key_F2) && !(event->modifiers() & ~(Qt::KeypadModifier));
    if (opensEditor && editTarget(QAbstractItemView::EditKeyPressed, nullptr))
        return;
    if (typesText(event) && editTarget(QAbstractItemView::AnyKeyPressed, event))
        return;
    QTableView::keyPressEvent(event);
}

void UnitTableView::focusInEvent(QFocusEvent *event)
{
    // Qt makes the first row current when a table without one gets the focus. Here no row
    // is current until the translator goes to one, so the first Ctrl+J of a new document
    // stops at the first untranslated unit rather than searching on from the first row.
    const bool hadCurrent = currentIndex().isValid();
    const QSignalBlocker quiet(selectionModel());
    QTableView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

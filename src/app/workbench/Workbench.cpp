#include "app/workbench/Workbench.h"

#include "app/workbench/DetailPane.h"
#include "app/workbench/FilterBar.h"
#include "app/workbench/ProblemIndex.h"
#include "app/workbench/TargetDelegate.h"
#include "app/workbench/TargetEditor.h"
#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitNavigator.h"
#include "app/workbench/UnitTableModel.h"
#include "app/workbench/UnitTableView.h"
#include "app/workbench/WorkbenchCommands.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

Workbench::Workbench(UnitTableModel &units, ProblemIndex &problems, QWidget *parent)
    : QWidget(parent), m_units(units), m_problems(problems)
{
    m_shown = new UnitFilterProxy(units, this);
    m_shown->setProblems(&problems);
    m_table = new UnitTableView(this);
    m_table->setModel(m_shown);
    m_table->applyColumnWidths();
    m_filterBar = new FilterBar(this);
    m_detail = new DetailPane(units, this);
    m_navigator = new UnitNavigator(*m_table, *m_shown, this);
    m_navigator->setProblems(&problems);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(u"tableAndDetail"_s);
    m_splitter->addWidget(m_table);
    m_splitter->addWidget(m_detail);
    m_splitter->setStretchFactor(0, 3);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_filterBar);
    layout->addWidget(m_splitter);
    setTabOrder();
    connectParts();
    m_commands = new WorkbenchCommands(*this);
}

void Workbench::setTabOrder()
{
    QWidget::setTabOrder(m_filterBar->findField(), m_filterBar->statusChoice());
    QWidget::setTabOrder(m_filterBar->statusChoice(), m_filterBar->fileChoice());
    QWidget::setTabOrder(m_filterBar->fileChoice(), m_table);
    QWidget::setTabOrder(m_table, m_detail->targetEditor());
    QWidget::setTabOrder(m_detail->targetEditor(), m_detail->sourceView());
}

void Workbench::connectParts()
{
    connect(m_filterBar, &FilterBar::filterChanged, m_shown, &UnitFilterProxy::setFilter);
    connect(m_filterBar, &FilterBar::filterChanged, this, &Workbench::keepCurrentUnit);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Workbench::rememberCurrent);
    connect(m_filterBar, &FilterBar::findAccepted, this, &Workbench::goToFirstFound);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Workbench::showCurrentUnit);
    connect(m_shown, &QAbstractItemModel::modelReset, this, &Workbench::showCurrentUnit);
    connect(m_shown, &QAbstractItemModel::layoutChanged, this, &Workbench::showCurrentUnit);
    connect(&m_units, &QAbstractItemModel::modelReset, this, &Workbench::documentLoaded);
    connect(&m_units, &UnitTableModel::targetsChanged, m_detail, &DetailPane::refresh);
    connect(m_detail, &DetailPane::commitRequested, this,
            [this](const QModelIndex &index, const QString &text, EditAdvance advance) {
                commitFromPane(index, text, int(advance));
            });
    connect(m_table->targetDelegate(), &TargetDelegate::advanceRequested, m_navigator,
            &UnitNavigator::advance);
    connect(m_navigator, &UnitNavigator::notFound, this, &Workbench::message);
    connect(&m_problems, &ProblemIndex::problemsChanged, this, &Workbench::showCurrentProblems);
    connect(m_detail, &DetailPane::acceptRequested, this, [this](const QModelIndex &index) {
        QString error;
        if (!m_problems.acceptWarnings(index.row(), &error))
            emit message(tr("The accepted warnings could not be stored: %1").arg(error));
    });
}

void Workbench::documentLoaded()
{
    // A new document starts unfiltered, in file order, with nothing chosen.
    m_currentUnit = QPersistentModelIndex();
    m_filterBar->setFiles(m_units.files());
    sortByFileOrder();
    m_detail->showUnit({});
    // The keys go to the table, where the first Ctrl+J or Down starts the work.
    m_table->setFocus(Qt::OtherFocusReason);
}

void Workbench::sortByFileOrder()
{
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_shown->sortByFileOrder();
    keepCurrentUnit();
}

void Workbench::rememberCurrent(const QModelIndex &current)
{
    // A row hidden by a filter leaves no current row; the unit is still the one to return to.
    const QModelIndex unit = m_shown->mapToSource(current);
    if (unit.isValid())
        m_currentUnit = unit;
}

void Workbench::keepCurrentUnit()
{
    const QModelIndex shown = m_shown->mapFromSource(m_currentUnit);
    if (!shown.isValid())
        return;
    if (m_shown->mapToSource(m_table->currentIndex()) != QModelIndex(m_currentUnit))
        m_navigator->select(shown.row());
    m_table->scrollTo(m_table->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void Workbench::confirmAndGoOn()
{
    const QModelIndex current = m_shown->mapToSource(m_table->currentIndex());
    const UnitRecord *unit = current.isValid() ? m_units.record(current.row()) : nullptr;
    // Only a target can be confirmed: a unit without one stays to translate.
    if (unit && unit->tget && !unit->tget->isEmpty()) {
        const QModelIndex target =
            current.siblingAtColumn(UnitTableModel::column(UnitTableModel::Column::Target));
        m_units.setData(target, *unit->tget, UnitTableModel::ConfirmRole);
    }
    m_navigator->nextUntranslated();
}

void Workbench::switchFocus()
{
    QWidget *editor = m_detail->targetEditor();
    if (editor->hasFocus() || !editor->isEnabled()) {
        m_table->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    editor->setFocus(Qt::ShortcutFocusReason);
}

void Workbench::showCurrentUnit()
{
    m_detail->showUnit(m_shown->mapToSource(m_table->currentIndex()));
    showCurrentProblems();
}

void Workbench::showCurrentProblems()
{
    const QModelIndex current = m_shown->mapToSource(m_table->currentIndex());
    if (!current.isValid())
        return m_detail->showProblems({});
    m_detail->showProblems(m_problems.messages(current.row()),
                           m_problems.hasWarningsToAccept(current.row()));
}

void Workbench::commitFromPane(const QModelIndex &sourceIndex, const QString &text, int advance)
{
    const auto how = static_cast<EditAdvance>(advance);
    const QModelIndex target =
        sourceIndex.siblingAtColumn(UnitTableModel::column(UnitTableModel::Column::Target));
    const int role =
        how == EditAdvance::NextUntranslated ? int(UnitTableModel::ConfirmRole) : int(Qt::EditRole);
    m_units.setData(target, text, role);
    m_navigator->advance(how);
}

void Workbench::goToFirstFound()
{
    if (m_shown->rowCount() == 0)
        return;
    m_table->setFocus(Qt::ShortcutFocusReason);
    m_navigator->select(0);
}

std::vector<std::size_t> Workbench::selectedRows() const
{
    std::vector<std::size_t> rows;
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    for (const QModelIndex &index : selected) {
        const QModelIndex source = m_shown->mapToSource(index);
        if (source.isValid())
            rows.push_back(std::size_t(source.row()));
    }
    const QModelIndex current = m_shown->mapToSource(m_table->currentIndex());
    if (rows.empty() && current.isValid())
        rows.push_back(std::size_t(current.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString Workbench::selectionText() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    QStringList lines;
    for (const QModelIndex &row : rows) {
        QStringList cells;
        for (int column = 0; column < m_units.columnCount(); ++column)
            cells.append(row.siblingAtColumn(column).data(Qt::EditRole).toString());
        lines.append(cells.join(u'\t'));
    }
    return lines.join(u'\n');
}

void Workbench::restoreLayout()
{
    const QSettings settings;
    m_splitter->restoreState(settings.value(u"window/splitter"_s).toByteArray());
    m_table->horizontalHeader()->restoreState(settings.value(u"window/columns"_s).toByteArray());
    m_table->keepStatesWhole();
    // Column widths come back; a sort does not: a window opens in file order.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

void Workbench::saveLayout() const
{
    QSettings settings;
    settings.setValue(u"window/splitter"_s, m_splitter->saveState());
    settings.setValue(u"window/columns"_s, m_table->horizontalHeader()->saveState());
}

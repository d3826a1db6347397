#pragma once

#include <QPersistentModelIndex>
#include <QWidget>

#include <cstddef>
#include <vector>

class DetailPane;
class FilterBar;
class ProblemIndex;
class QSplitter;
class UnitFilterProxy;
class UnitNavigator;
class UnitTableModel;
class UnitTableView;
class WorkbenchCommands;

/// The window's working area: the filter bar, the table of the units it lets through, and
/// the detail pane of the current unit below a splitter. It keeps the three in step (the
/// current row shown in the pane, a commit in the pane moving on as one in the table) and
/// gives the menus what they act on; the document itself stays in the model.
class Workbench : public QWidget
{
    Q_OBJECT

public:
    Workbench(UnitTableModel &units, ProblemIndex &problems, QWidget *parent = nullptr);

    UnitTableView *table() const { return m_table; }
    UnitFilterProxy *shown() const { return m_shown; }
    FilterBar *filterBar() const { return m_filterBar; }
    DetailPane *detailPane() const { return m_detail; }
    UnitNavigator *navigator() const { return m_navigator; }
    QSplitter *splitter() const { return m_splitter; }

    /// The keys that walk, confirm and find, for the window's menus.
    WorkbenchCommands *commands() const { return m_commands; }

    /// Ctrl+Return outside an editor: the current unit's target is confirmed (a unit new or
    /// to review becomes translated) and the next untranslated unit becomes current.
    void confirmAndGoOn();
    /// Moves the focus between the table and the detail pane's target editor.
    void switchFocus();

    /// The document rows of the table's selection (or its current row), in file order.
    std::vector<std::size_t> selectedRows() const;
    /// The selected rows' cells as tab-separated lines, for the clipboard.
    QString selectionText() const;
    void sortByFileOrder();

    void restoreLayout();
    void saveLayout() const;

signals:
    /// A short message for the status bar.
    void message(const QString &text);

private:
    void connectParts();
    void documentLoaded();
    void showCurrentUnit();
    /// The detail pane's list of what the checks found in the current unit.
    void showCurrentProblems();
    void commitFromPane(const QModelIndex &sourceIndex, const QString &text, int advance);
    void goToFirstFound();
    /// Tab walks the find field, the filters, the table, then the pane.
    void setTabOrder();
    /// Remembers the unit the translator is on, which a filter may hide for a while.
    void rememberCurrent(const QModelIndex &current);
    /// After a filter, a sort or File Order: the unit remembered is current again and in
    /// view when it is shown.
    void keepCurrentUnit();

    UnitTableModel &m_units;
    ProblemIndex &m_problems;
    UnitFilterProxy *m_shown = nullptr;
    UnitTableView *m_table = nullptr;
    FilterBar *m_filterBar = nullptr;
    DetailPane *m_detail = nullptr;
    QSplitter *m_splitter = nullptr;
    UnitNavigator *m_navigator = nullptr;
    WorkbenchCommands *m_commands = nullptr;
    QPersistentModelIndex m_currentUnit; ///< of the document's rows
};

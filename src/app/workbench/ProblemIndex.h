#pragma once

#include "checks/AcceptedWarnings.h"
#include "checks/PluralGroup.h"
#include "checks/Problem.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
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

    /// Where the open document's accepted warnings are kept, asked on every load; an empty
    /// path keeps them for the session only.
    void setAcceptedFile(std::function<QString()> locate) { m_locateAccepted = std::move(locate); }
    /// The file that keeps the accepted warnings of the export at `documentPath`, in
    /// `dataFolder`/Accepted: named after the export and its folder, never inside it.
    static QString acceptedFileFor(const QString &dataFolder, const QString &documentPath);

    /// Accepts the row's warnings that are not accepted yet and stores them; false (with the
    /// reason) when they could not be stored, though they stay accepted for the session.
    bool acceptWarnings(int row, QString *error);
    /// Whether the row has a warning not accepted yet.
    bool hasWarningsToAccept(int row) const;

    /// The row's problems, errors first; none for a row out of range.
    const std::vector<Problem> &problems(int row) const;
    /// Whether the row has a problem not accepted.
    bool hasProblems(int row) const;
    bool hasErrors(int row) const;
    /// The row's messages, one per line, for a tooltip or the detail pane; an accepted
    /// warning says so.
    QString messages(int row) const;
    /// The table's mark for the row: an error or warning icon, or a null icon.
    QIcon marker(int row) const;
    /// The row's messages above a cell's own tooltip.
    QString toolTip(int row, const QVariant &cellTip) const;
    /// Errors and warnings not accepted.
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
    void markAccepted(std::vector<Problem> &problems) const;
    void loadAccepted();

    QPointer<UnitTableModel> m_model;
    std::unique_ptr<CheckEngine> m_engine;
    std::vector<std::vector<Problem>> m_rows;
    std::vector<PluralGroup> m_groups; ///< found once per load: ids do not change
    QList<int> m_pluralRows;           ///< rows that hold a plural problem
    std::function<QString()> m_locateAccepted;
    QString m_acceptedPath; ///< the open document's store; empty: none
    AcceptedWarnings m_accepted;
    int m_errors = 0;
    int m_warnings = 0;
};

#pragma once

#include "app/workbench/EditAdvance.h"
#include "document/TranslationStatus.h"

#include <QObject>
#include <QPointer>

#include <functional>

class ProblemIndex;
class QTableView;
class UnitFilterProxy;
struct UnitRecord;

/// Moves the table's current row the way a translator walks through a file: to the next
/// or previous row, or to the next or previous unit still untranslated, to review or with a
/// problem, in the order the table shows, wrapping at the ends. Units marked not to be
/// translated are passed over. Every move leaves exactly the row it goes to selected, so a
/// command on the selection that follows acts on that unit alone.
class UnitNavigator : public QObject
{
    Q_OBJECT

public:
    /// Whether a unit (with its row in the document) is one to stop at.
    using Stop = std::function<bool(const UnitRecord &unit, int documentRow)>;

    UnitNavigator(QTableView &table, UnitFilterProxy &rows, QObject *parent = nullptr);

    /// Where "next problem" looks; without it there are none.
    void setProblems(const ProblemIndex *problems) { m_problems = problems; }

    /// The first row after (or before) `from` whose unit has `status`, wrapping; -1: none.
    int find(int from, TranslationStatus::Status status, bool forward) const;
    /// The first row after (or before) `from` whose unit is a stop, wrapping; -1: none.
    /// With `from` -1 the search starts at the first (or last) row itself.
    int find(int from, const Stop &stop, bool forward) const;

public slots:
    void nextUntranslated() { go(TranslationStatus::Status::Untranslated, true); }
    void previousUntranslated() { go(TranslationStatus::Status::Untranslated, false); }
    void nextToReview() { go(TranslationStatus::Status::NeedsReview, true); }
    void previousToReview() { go(TranslationStatus::Status::NeedsReview, false); }
    void nextProblem() { goToProblem(true); }
    void previousProblem() { goToProblem(false); }
    /// The row below (or above) the current one; none at the end.
    void nextUnit() { step(1); }
    void previousUnit() { step(-1); }
    /// The next (or previous) shown unit whose source, target, ID or note holds `text`.
    void findNext(const QString &text) { goToText(text, true); }
    void findPrevious(const QString &text) { goToText(text, false); }
    /// After a commit from the keyboard.
    void advance(EditAdvance advance);
    /// Makes a row current and the only one selected, keeping the column, and shows it.
    void select(int row);

signals:
    /// Nothing to go to: says so in the status bar.
    void notFound(const QString &message);

private:
    void go(TranslationStatus::Status status, bool forward);
    void goToProblem(bool forward);
    void goToText(const QString &text, bool forward);
    void step(int by);
    /// Selects the found row, or says why there is none.
    void goTo(int row, const QString &none);
    int currentRow() const;

    QTableView &m_table;
    UnitFilterProxy &m_rows;
    const ProblemIndex *m_problems = nullptr; ///< lives as long as the window
};

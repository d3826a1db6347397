#pragma once

#include "app/workbench/EditAdvance.h"
#include "document/TranslationStatus.h"

#include <QObject>

class QTableView;
class UnitFilterProxy;

/// Moves the table's current row the way a translator walks through a file: to the next
/// row, or to the next or previous unit still untranslated or to review, in the order the
/// table shows, wrapping at the ends. Units marked not to be translated are passed over.
class UnitNavigator : public QObject
{
    Q_OBJECT

public:
    UnitNavigator(QTableView &table, UnitFilterProxy &rows, QObject *parent = nullptr);

    /// The first row after (or before) `from` whose unit has `status`, wrapping; -1: none.
    int find(int from, TranslationStatus::Status status, bool forward) const;

public slots:
    void nextUntranslated() { go(TranslationStatus::Status::Untranslated, true); }
    void previousUntranslated() { go(TranslationStatus::Status::Untranslated, false); }
    void nextToReview() { go(TranslationStatus::Status::NeedsReview, true); }
    void previousToReview() { go(TranslationStatus::Status::NeedsReview, false); }
    /// After a commit from the keyboard.
    void advance(EditAdvance advance);
    /// Makes a row current, keeping the column, and shows it.
    void select(int row);

signals:
    /// Nothing to go to: says so in the status bar.
    void notFound(const QString &message);

private:
    void go(TranslationStatus::Status status, bool forward);

    QTableView &m_table;
    UnitFilterProxy &m_rows;
};

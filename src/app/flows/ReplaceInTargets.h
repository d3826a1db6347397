#pragma once

#include <QDialog>

class AppDelegate;
class QAction;
class QLabel;
class QLineEdit;
class UnitFilterProxy;

/// Edit › Replace…: replaces a text with another in the targets of the units the table
/// shows (a filter narrows it), literally and matching case, as one step of Edit › Undo,
/// and says in how many targets it did. The dialog stays open for the next replacement.
class ReplaceInTargets : public QDialog
{
    Q_OBJECT

public:
    ReplaceInTargets(AppDelegate &delegate, UnitFilterProxy &shown, QWidget *window);

    QAction *action() const { return m_action; }
    QLineEdit *findField() const { return m_find; }
    QLineEdit *replaceField() const { return m_replace; }
    QLabel *outcome() const { return m_outcome; }

    /// Replaces in every shown target; the number of targets changed.
    int replaceAll();

private:
    void start();

    AppDelegate &m_delegate;
    UnitFilterProxy &m_shown;
    QAction *m_action = nullptr;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replace = nullptr;
    QLabel *m_outcome = nullptr;
};

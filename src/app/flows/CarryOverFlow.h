#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class AppDelegate;
class CarryOverDialog;
class QAction;
class QWidget;

/// Edit › Fill From Earlier Translation…: asks for the earlier translation, carries its
/// targets into the open document as one undo step and shows what it found.
class CarryOverFlow : public QObject
{
    Q_OBJECT

public:
    CarryOverFlow(AppDelegate &delegate, QWidget *window);

    /// The menu item; it is enabled while a document is open.
    QAction *action() const { return m_action; }
    CarryOverDialog *dialog() const { return m_dialog; }
    /// The message on show after the last pass: its counts, or why nothing was filled.
    QMessageBox *message() const { return m_message; }

public slots:
    /// Shows the dialog on the window.
    void start();
    /// Fills the open document from the earlier translation at `path`; false, after telling
    /// the user why, when nothing could be carried.
    bool carryFrom(const QString &path, bool overwrite);

private:
    void show(bool warning, const QString &text, const QString &informative);

    AppDelegate &m_delegate;
    QPointer<QWidget> m_window;
    QAction *m_action = nullptr;
    CarryOverDialog *m_dialog = nullptr;
    QPointer<QMessageBox> m_message;
};

#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

/// Keeps the keyboard where the translator left it. A save takes the focus from an editor
/// so that it commits, a large save disables the workbench, and a dialog, sheet or alert
/// takes the focus while it shows; afterwards the focus goes back to the widget that had
/// it (the table, for an editor of one of its cells), so keys reach it again without a
/// click.
class FocusKeeper : public QObject
{
    Q_OBJECT

public:
    explicit FocusKeeper(QWidget &window);

    /// Gives the focus back now, when the window is active and nothing modal shows.
    void restore();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void remember(QWidget *now);
    /// Whether `widget` is a window of its own that belongs to ours (a dialog, an alert).
    bool isOwnDialog(const QWidget *widget) const;
    void restoreSoon(bool activate);

    QWidget &m_window;
    QPointer<QWidget> m_last;
    bool m_activate = false;
    bool m_scheduled = false;
};

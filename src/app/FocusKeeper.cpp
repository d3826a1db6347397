#include "app/FocusKeeper.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// A cell's editor goes away with the edit; the view it edits in is what keeps the keys.
QWidget *lasting(QWidget *widget)
{
    for (QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto *view = qobject_cast<QAbstractItemView *>(parent))
            return view->viewport()->isAncestorOf(widget) ? view : widget;
    }
    return widget;
}

} // namespace

FocusKeeper::FocusKeeper(QWidget &window) : QObject(&window), m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { remember(now); });
    qApp->installEventFilter(this);
}

void FocusKeeper::remember(QWidget *now)
{
    if (now && (now == &m_window || m_window.isAncestorOf(now))) {
        m_last = lasting(now);
        return;
    }
    // The focus left every widget while the window stays active: a save took it from an
    // editor, or the widget holding it was disabled or hidden.
    if (!now && QApplication::activeWindow() == &m_window)
        restoreSoon(false);
}

bool FocusKeeper::isOwnDialog(const QWidget *widget) const
{
    if (!widget || widget == &m_window || !widget->isWindow() || !widget->parentWidget())
        return false;
    // Dialogs, sheets, alerts and the preferences; never a tooltip or a menu, which come and
    // go without taking the keys.
    const Qt::WindowType type = widget->windowType();
    return (type == Qt::Dialog || type == Qt::Window || type == Qt::Sheet) &&
           widget->parentWidget()->window() == &m_window;
}

bool FocusKeeper::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Hide && type != QEvent::EnabledChange)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (type == QEvent::Hide && isOwnDialog(widget))
        restoreSoon(true);
    // A save that ran in the background gives the workbench back.
    if (type == QEvent::EnabledChange && widget && widget->isEnabled() &&
        m_window.isAncestorOf(widget) && !QApplication::focusWidget())
        restoreSoon(false);
    return false;
}

void FocusKeeper::restoreSoon(bool activate)
{
    // After the event at hand: a dialog hides before Qt hands the activation back.
    m_activate = m_activate || activate;
    if (m_scheduled)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &FocusKeeper::restore);
}

void FocusKeeper::restore()
{
    m_scheduled = false;
    const bool activate = std::exchange(m_activate, false);
    if (!m_last || !m_last->isVisible() || !m_last->isEnabled())
        return;
    // A question still on show keeps the keys.
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != &m_window)
        return;
    if (activate)
        m_window.activateWindow();
    else if (QApplication::activeWindow() != &m_window)
        return;
    m_last->setFocus(Qt::OtherFocusReason);
}

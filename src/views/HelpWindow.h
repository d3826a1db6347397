#pragma once

#include <QWidget>

class HelpView;

/// The window that shows the help text; opened from Help > Tarnwick Help.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    HelpView *view() const { return m_view; }

    /// Shows the window, brings it to the front and gives it the focus.
    void present();

private:
    HelpView *m_view = nullptr;
};

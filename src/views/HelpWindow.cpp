#include "views/HelpWindow.h"

#include "views/HelpView.h"

#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), m_view(new HelpView(this))
{
    setWindowTitle(tr("Tarnwick Help"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    resize(560, 700);
}

void HelpWindow::present()
{
    show();
    raise();
    activateWindow();
}

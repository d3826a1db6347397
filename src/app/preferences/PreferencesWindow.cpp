#include "app/preferences/PreferencesWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QString PreferencesWindow::updateCheckKey()
{
    return u"NU"_s;
}

PreferencesWindow::PreferencesWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_grid(new QTableView(this)),
      m_updateCheck(new QCheckBox(tr("Check for updates at launch"), this))
{
    setObjectName(u"preferences"_s);
    setWindowTitle(tr("Preferences"));

    m_grid->setObjectName(u"grid"_s);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->hide();
    // Rows as tall as the text, like the unit table, so more of the list shows at once.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);

    //: Button that appends an entry to the replacement dictionary
    m_add = makeTaggedButton(tr("+"), tr("Add an entry"), 0);
    //: Button that removes the selected dictionary entries (a minus sign)
    m_remove = makeTaggedButton(tr("\u2212"), tr("Remove the selected entries"), 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    layout->addWidget(m_updateCheck);

    readUpdateCheck();
    connect(m_updateCheck, &QCheckBox::toggled, this, &PreferencesWindow::writeUpdateCheck);
    resize(560, 560);
}

void PreferencesWindow::setModel(QAbstractItemModel *model)
{
    m_grid->setModel(model);
}

void PreferencesWindow::showEvent(QShowEvent *event)
{
    // Something else may have changed the setting since the window was last on screen.
    readUpdateCheck();
    QWidget::showEvent(event);
}

void PreferencesWindow::keyPressEvent(QKeyEvent *event)
{
    // An editor of an entry takes its own Escape; one that reaches the window closes it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QPushButton *PreferencesWindow::makeTaggedButton(const QString &text, const QString &toolTip,
                                                 int tag)
{
    auto *button = new QPushButton(text, this);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setProperty("tag", tag);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, button] { emit plusRequested(button->property("tag").toInt()); });
    return button;
}

void PreferencesWindow::readUpdateCheck()
{
    const QSignalBlocker blocker(m_updateCheck);
    m_updateCheck->setChecked(QSettings().value(updateCheckKey(), 0).toInt() != 0);
}

void PreferencesWindow::writeUpdateCheck(bool checked)
{
    QSettings settings;
    settings.setValue(updateCheckKey(), checked ? 1 : 0);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return;
    // Show what is really stored rather than a choice that was lost.
    readUpdateCheck();
    emit problem(tr("The setting could not be saved to %1.").arg(settings.fileName()));
}

#include "app/flows/ConflictSheet.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ConflictSheet::ConflictSheet(const QString &fileName, const QStringList &units, QWidget *parent)
    : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Changed on Disk Too"));
    setObjectName(QStringLiteral("conflictSheet"));

    auto *heading = new QLabel(windowTitle(), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto *body = new QLabel(tr("Another program changed these units of “%1” since it was read, "
                               "and you changed them too (%n):",
                               nullptr, int(units.size()))
                                .arg(fileName),
                            this);
    body->setWordWrap(true);
    m_units = new QListWidget(this);
    m_units->addItems(units);
    m_units->setSelectionMode(QAbstractItemView::NoSelection);
    auto *after = new QLabel(tr("Every other unit is saved as the file has it now."), this);
    after->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    m_mine = buttons->addButton(tr("Keep Mine"), QDialogButtonBox::AcceptRole);
    m_theirs = buttons->addButton(tr("Keep the File's"), QDialogButtonBox::DestructiveRole);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_mine->setDefault(true);
    connect(m_mine, &QPushButton::clicked, this, &ConflictSheet::keepMine);
    connect(m_theirs, &QPushButton::clicked, this, &ConflictSheet::keepTheirs);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(body);
    layout->addWidget(m_units);
    layout->addWidget(after);
    layout->addWidget(buttons);
}

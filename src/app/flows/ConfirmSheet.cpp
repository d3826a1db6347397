#include "app/flows/ConfirmSheet.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ConfirmSheet::ConfirmSheet(const QString &title, const QString &text, const QString &confirmLabel,
                           QWidget *parent)
    : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    setWindowTitle(title);

    auto *heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto *body = new QLabel(text, this);
    body->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    m_confirm = buttons->addButton(confirmLabel, QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_confirm->setDefault(true);

    // Confirming leaves the sheet on screen until the controller ends it; cancelling
    // (the button or Escape) closes it and reports rejected().
    connect(buttons, &QDialogButtonBox::accepted, this, &ConfirmSheet::confirmed);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(body);
    layout->addWidget(buttons);
}

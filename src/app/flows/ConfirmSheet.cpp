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

    m_heading = new QLabel(this);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_body = new QLabel(this);
    m_body->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(QDialogButtonBox::Save);
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_confirm = buttons->addButton(confirmLabel, QDialogButtonBox::DestructiveRole);
    m_confirm->setObjectName(QStringLiteral("confirmButton"));
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    // Only the default button answers Return: a button that merely has the focus (the
    // first in the platform's order may be the one that discards) never does.
    for (QPushButton *button : {m_save, m_confirm, m_cancel})
        button->setAutoDefault(false);

    // Confirming or saving leaves the sheet on screen until the controller ends it;
    // cancelling (the button or Escape) closes it and reports rejected().
    connect(m_save, &QPushButton::clicked, this, &ConfirmSheet::saveRequested);
    connect(m_confirm, &QPushButton::clicked, this, &ConfirmSheet::confirmed);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_body);
    layout->addWidget(buttons);
    setQuestion(title, text, confirmLabel, false);
}

void ConfirmSheet::setQuestion(const QString &title, const QString &text,
                               const QString &confirmLabel, bool offerSave)
{
    setWindowTitle(title);
    m_heading->setText(title);
    m_body->setText(text);
    m_confirm->setText(confirmLabel);
    m_save->setVisible(offerSave);
    m_save->setDefault(offerSave);
    m_confirm->setDefault(!offerSave);
}

void ConfirmSheet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The default button holds the focus too, so Space answers as Return does.
    (m_save->isVisible() ? m_save : m_confirm)->setFocus(Qt::OtherFocusReason);
}

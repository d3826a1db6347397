#include "app/recovery/RecoverySheet.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *paragraph(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

RecoverySheet::RecoverySheet(const Offer &offer, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("recoverySheet"));
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Restore Unsaved Changes?"));
    setMinimumWidth(460);

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(windowTitle(), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    const QString when = QLocale().toString(offer.lastEdit.toLocalTime(), QLocale::LongFormat);
    layout->addWidget(
        paragraph(tr("Unsaved edits to “%1”: %n. The last was made on %2.", nullptr, offer.edits)
                      .arg(offer.fileName, when),
                  this));
    if (offer.fileChanged && offer.unmatched.isEmpty())
        layout->addWidget(paragraph(tr("The file has changed since; every edit still "
                                       "matches its unit by ID and source."),
                                    this));
    if (!offer.unmatched.isEmpty()) {
        const auto count = static_cast<int>(offer.unmatched.size());
        layout->addWidget(paragraph(tr("The file has changed since. These edits no longer match "
                                       "a unit by ID and source and will not be restored (%n):",
                                       nullptr, count),
                                    this));
        m_unmatched = new QListWidget(this);
        m_unmatched->addItems(offer.unmatched);
        m_unmatched->setSelectionMode(QAbstractItemView::NoSelection);
        layout->addWidget(m_unmatched);
    }
    if (!offer.refused.isEmpty()) {
        const auto count = static_cast<int>(offer.refused.size());
        layout->addWidget(paragraph(tr("These edits hold what no XLIFF file can take and will "
                                       "not be restored (%n):",
                                       nullptr, count),
                                    this));
        m_refused = new QListWidget(this);
        m_refused->setObjectName(QStringLiteral("refusedEdits"));
        m_refused->addItems(offer.refused);
        m_refused->setSelectionMode(QAbstractItemView::NoSelection);
        layout->addWidget(m_refused);
    }
    layout->addWidget(paragraph(tr("Restoring applies them as one step you can undo. If you "
                                   "don't restore them, they are kept aside until you next "
                                   "save."),
                                this));

    auto *buttons = new QDialogButtonBox(this);
    m_confirm = buttons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(tr("Don't Restore"), QDialogButtonBox::RejectRole);
    m_confirm->setDefault(true);
    // Confirming leaves the sheet to the controller; declining (or Escape) closes it.
    connect(buttons, &QDialogButtonBox::accepted, this, &RecoverySheet::confirmed);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

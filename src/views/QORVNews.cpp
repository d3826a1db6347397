#include "views/QORVNews.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QORVNews::QORVNews(const QString &applicationName, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Update Available"));
    // A notice left open must not keep the application running after its main window.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *headline = new QLabel(tr("A newer version of %1 is available.").arg(applicationName));
    QFont bold = headline->font();
    bold.setBold(true);
    headline->setFont(bold);
    auto *detail = new QLabel(tr("Visit the product page to download it."));
    detail->setWordWrap(true);

    auto *buttons = new QDialogButtonBox;
    m_productPage = buttons->addButton(tr("Open Product Page"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);
    m_productPage->setDefault(true);
    connect(m_productPage, &QPushButton::clicked, this, &QORVNews::productPageRequested);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(headline);
    layout->addWidget(detail);
    layout->addWidget(buttons);
}

#include "app/flows/CatalogLanguageSheet.h"

#include "catalog/CatalogLanguages.h"
#include "files/DocumentFile.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CatalogLanguageSheet::CatalogLanguageSheet(QWidget *parent, const QString &path,
                                           QByteArrayView bytes)
    : QDialog(parent), m_path(path)
{
    setWindowTitle(tr("Choose a Language"));
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("\"%1\" holds every language of the project. Which one do you want to translate?")
            .arg(QFileInfo(path).fileName()),
        this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("catalogLanguages"));
    for (const CatalogLanguages::Progress &each : CatalogLanguages::of(bytes)) {
        const QString text =
            each.source ? tr("%1 (source): %2 of %3 translated") : tr("%1: %2 of %3 translated");
        auto *item = new QListWidgetItem(
            text.arg(each.language).arg(each.translated).arg(each.units), m_list);
        item->setData(Qt::UserRole, each.language);
    }
    m_list->setCurrentRow(0);
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { choose(m_list->currentRow()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { choose(m_list->row(item)); });
}

CatalogLanguageSheet *CatalogLanguageSheet::create(QWidget *window, const QString &path)
{
    const DocumentFile::Bytes bytes = DocumentFile::read(path);
    if (!bytes.error.isEmpty())
        return nullptr;
    auto *sheet = new CatalogLanguageSheet(window, path, bytes.bytes);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    if (sheet->count() > 0)
        return sheet;
    sheet->deleteLater();
    return nullptr;
}

int CatalogLanguageSheet::count() const
{
    return m_list->count();
}

void CatalogLanguageSheet::choose(int row)
{
    if (row < 0 || row >= m_list->count())
        return;
    const QString language = m_list->item(row)->data(Qt::UserRole).toString();
    accept();
    emit chosen(m_path, language);
}

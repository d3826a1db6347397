#include "app/flows/PickerSheet.h"

#include "app/flows/FoundFilesModel.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

PickerSheet::PickerSheet(QAbstractItemModel *paths, QWidget *parent) : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Choose a File"));

    auto *heading =
        new QLabel(tr("This folder holds several XLIFF files. Choose one to open."), this);
    heading->setWordWrap(true);

    // Each path with its file's language and translated count; rows stay the paths' rows.
    auto *summaries = new FoundFilesModel(this);
    summaries->setSourceModel(paths);
    m_list = new QListView(this);
    m_list->setModel(summaries);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setMinimumWidth(520);

    auto *buttons = new QDialogButtonBox(this);
    m_confirm = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_confirm->setDefault(true);

    connect(buttons, &QDialogButtonBox::accepted, this, &PickerSheet::confirmed);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListView::activated, this, &PickerSheet::confirmed);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

int PickerSheet::selectedRow() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    return rows.first().row();
}

void PickerSheet::selectRow(int row)
{
    const QModelIndex index = m_list->model()->index(row, 0);
    if (!index.isValid())
        return;
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
}

#include "app/memory/MemoryBrowser.h"

#include "app/memory/MemoryService.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int shownAtMost = 500;

} // namespace

MemoryBrowser::MemoryBrowser(MemoryService &service, QWidget *parent)
    : QDialog(parent), m_service(service)
{
    setObjectName(u"memoryBrowser"_s);
    setWindowTitle(tr("Search Memory"));
    resize(900, 480);
    m_field = new QLineEdit(this);
    m_field->setPlaceholderText(tr("Find in the memory's sources and targets"));
    m_field->setClearButtonEnabled(true);
    m_table = new QTableWidget(0, 5, this);
    m_table->setHorizontalHeaderLabels(
        {tr("Source"), tr("Target"), tr("Languages"), tr("From"), tr("Added")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_delete = new QPushButton(tr("Delete"), this);
    m_delete->setEnabled(false);
    m_status = new QLabel(this);
    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(250);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_delete);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    connect(m_field, &QLineEdit::textChanged, m_pause, qOverload<>(&QTimer::start));
    connect(m_pause, &QTimer::timeout, this, [this] { searchFor(m_field->text()); });
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_delete->setEnabled(!m_table->selectionModel()->selectedRows().isEmpty()); });
    connect(m_delete, &QPushButton::clicked, this, &MemoryBrowser::deleteSelected);
    connect(&service, &MemoryService::searched, this, &MemoryBrowser::showFound);
    connect(&service, &MemoryService::removed, this, [this](qsizetype count) {
        m_status->setText(tr("%n entry(s) deleted", nullptr, int(count)));
        searchFor(m_field->text());
    });
}

void MemoryBrowser::searchFor(const QString &text)
{
    m_pause->stop();
    if (text.isEmpty()) {
        showFound(text, {});
        return;
    }
    m_service.search(text, shownAtMost);
}

void MemoryBrowser::showFound(const QString &text, const std::vector<MemoryEntry> &entries)
{
    if (text != m_field->text())
        return; // an answer to a search typed over since
    m_entries = entries;
    m_table->clearContents();
    m_table->setRowCount(int(entries.size()));
    const QLocale locale;
    for (int row = 0; row < int(entries.size()); ++row) {
        const MemoryEntry &entry = entries[std::size_t(row)];
        const QString from =
            entry.original.isEmpty() ? entry.project : entry.project + u" · "_s + entry.original;
        const QStringList cells{
            entry.source, entry.target, entry.sourceLanguage + u" → "_s + entry.targetLanguage,
            from,
            locale.toString(QDateTime::fromSecsSinceEpoch(entry.created), QLocale::ShortFormat)};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            m_table->setItem(row, column, item);
        }
    }
    m_status->setText(text.isEmpty() ? QString()
                                     : tr("%n entry(s) found", nullptr, int(entries.size())));
}

void MemoryBrowser::deleteSelected()
{
    std::vector<qint64> ids;
    for (const QModelIndex &row : m_table->selectionModel()->selectedRows()) {
        if (std::size_t(row.row()) < m_entries.size())
            ids.push_back(m_entries[std::size_t(row.row())].rowId);
    }
    if (!ids.empty())
        m_service.removeEntries(std::move(ids));
}

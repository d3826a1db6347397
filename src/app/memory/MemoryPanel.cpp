#include "app/memory/MemoryPanel.h"

#include "memory/SourceDifference.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr std::size_t shownAtMost = 5;

} // namespace

MemoryPanel::MemoryPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"memoryPanel"_s);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(u"memoryMatches"_s);
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(5);
    m_list->setHeaderLabels({tr("Key"), tr("Score"), tr("Source"), tr("Target"), tr("From")});
    // The texts take the room; the key, score and origin only what they need.
    QHeaderView *header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::Stretch);
    header->setSectionResizeMode(4, QHeaderView::Interactive);
    header->resizeSection(4, 220);
    m_list->setUniformRowHeights(true);
    m_offer = new QPushButton(this);
    m_offer->setObjectName(u"sameSourceOffer"_s);
    m_offer->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    layout->addWidget(m_offer);

    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        emit useRequested(m_list->indexOfTopLevelItem(item));
    });
    connect(m_offer, &QPushButton::clicked, this, &MemoryPanel::offerAccepted);
}

void MemoryPanel::showMatches(const QString &source, std::vector<Shown> matches)
{
    if (matches.size() > shownAtMost)
        matches.resize(shownAtMost);
    m_matches = std::move(matches);
    m_list->clear();
    for (std::size_t i = 0; i < m_matches.size(); ++i) {
        const Shown &match = m_matches[i];
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(0, tr("Ctrl+%1").arg(i + 1));
        item->setText(1, tr("%1 %").arg(match.score));
        item->setText(3, match.target);
        item->setText(4, match.origin);
        item->setToolTip(3, match.target);
        item->setToolTip(4, match.origin);
        auto *label = new QLabel(markedSource(match.source, source), m_list);
        label->setTextFormat(Qt::RichText);
        label->setToolTip(match.source);
        m_list->setItemWidget(item, 2, label);
    }
}

void MemoryPanel::showOffer(int count)
{
    m_offer->setVisible(count > 0);
    if (count > 0)
        m_offer->setText(
            tr("Use for %n other unit(s) with this source (Ctrl+Shift+U)", nullptr, count));
}

QString MemoryPanel::markedSource(const QString &source, const QString &current)
{
    QString marked;
    for (const SourceDifference::Span &span : SourceDifference::of(source, current)) {
        const QString text = source.mid(span.start, span.length).toHtmlEscaped();
        if (!span.changed)
            marked += text;
        else if (span.length > 0)
            marked += u"<u style=\"background:#ffe28a\">"_s + text + u"</u>"_s;
        else // words this source has and the memory's lacks
            marked += u"<span style=\"background:#ffe28a\">&#8203;</span>"_s;
    }
    return marked;
}

#include "app/workbench/ProgressStatus.h"

#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitTableModel.h"
#include "document/TranslationStatus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QProgressBar *makeBar(QWidget *parent, const QString &name)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setTextVisible(true);
    return bar;
}

void add(int &done, int &review, const UnitRecord &unit)
{
    switch (TranslationStatus::of(unit)) {
    case TranslationStatus::Status::Untranslated:
        return;
    case TranslationStatus::Status::NeedsReview:
        ++review;
        break;
    case TranslationStatus::Status::Translated:
        break;
    }
    ++done;
}

} // namespace

ProgressStatus::ProgressStatus(UnitTableModel &units, UnitFilterProxy &shown, QWidget *parent)
    : QWidget(parent), m_units(units), m_shown(shown)
{
    m_shownLabel = new QLabel(this);
    m_shownLabel->setObjectName(u"shownUnits"_s);
    m_shownBar = makeBar(this, u"shownProgress"_s);
    m_documentBar = makeBar(this, u"documentProgress"_s);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_shownLabel);
    layout->addWidget(m_shownBar);
    layout->addWidget(m_documentBar);
    update();
}

void ProgressStatus::scheduleUpdate()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &ProgressStatus::update);
}

void ProgressStatus::update()
{
    m_scheduled = false;
    m_document = {};
    for (const UnitRecord &unit : m_units.rows())
        add(m_document.done, m_document.review, unit);
    m_document.total = int(m_units.rows().size());
    show(m_documentBar, m_document, tr("%1 of %2 translated"));
    m_documentBar->setVisible(m_document.total > 0);
    updateShown();
}

void ProgressStatus::updateShown()
{
    const bool filtered = !m_shown.filter().isEmpty() && m_document.total > 0;
    m_shownLabel->setVisible(filtered);
    m_shownBar->setVisible(filtered);
    if (!filtered)
        return;
    Count shown;
    shown.total = m_shown.rowCount();
    for (int row = 0; row < shown.total; ++row) {
        if (const UnitRecord *unit = m_shown.record(row))
            add(shown.done, shown.review, *unit);
    }
    const QLocale locale;
    m_shownLabel->setText(
        tr("%1 of %2 units").arg(locale.toString(shown.total), locale.toString(m_document.total)));
    show(m_shownBar, shown, tr("Shown: %1 of %2 translated"));
}

void ProgressStatus::show(QProgressBar *bar, const Count &count, const QString &format)
{
    const QLocale locale;
    bar->setRange(0, std::max(count.total, 1));
    bar->setValue(count.done);
    QString text = format.arg(locale.toString(count.done), locale.toString(count.total));
    if (count.review > 0)
        text += tr(", %1 to review").arg(locale.toString(count.review));
    bar->setFormat(text);
    // Wide enough for its words, which grow when some units are to review.
    bar->setFixedWidth(std::max(180, bar->fontMetrics().horizontalAdvance(text) + 32));
}

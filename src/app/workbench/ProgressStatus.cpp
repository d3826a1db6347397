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

// A short bar without text: its words stand in the label beside it.
QProgressBar *makeBar(QWidget *parent, const QString &name)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setTextVisible(false);
    bar->setFixedWidth(56);
    return bar;
}

QLabel *makeLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    // Never narrower than its words: the status bar's message gives way instead.
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return label;
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
    m_shownLabel = makeLabel(this, u"shownUnits"_s);
    m_shownBar = makeBar(this, u"shownProgress"_s);
    m_documentLabel = makeLabel(this, u"documentUnits"_s);
    m_documentBar = makeBar(this, u"documentProgress"_s);
    m_wordsLabel = makeLabel(this, u"documentWords"_s);
    m_wordsLabel->setToolTip(tr("Source words, counted at the word boundaries of the Unicode "
                                "standard (ICU), so Japanese and Chinese text counts by its "
                                "words. Units marked not to be translated are left out."));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *part : std::initializer_list<QWidget *>{m_shownLabel, m_shownBar, m_documentLabel,
                                                          m_documentBar, m_wordsLabel})
        layout->addWidget(part);
    connect(&m_units, &QAbstractItemModel::modelReset, this, &ProgressStatus::countSourceWords);
    countSourceWords();
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
    show(m_documentBar, m_documentLabel, m_document, tr("%1 of %2 translated"));
    m_documentBar->setVisible(m_document.total > 0);
    m_documentLabel->setVisible(m_document.total > 0);
    showWords();
    updateShown();
}

void ProgressStatus::countSourceWords()
{
    m_sourceWords.clear();
    m_sourceWords.reserve(m_units.rows().size());
    for (const UnitRecord &unit : m_units.rows())
        m_sourceWords.push_back(m_wordCount.sourceWords(unit));
}

void ProgressStatus::showWords()
{
    const std::vector<UnitRecord> &rows = m_units.rows();
    WordCount::Totals words;
    for (std::size_t row = 0; row < rows.size() && row < m_sourceWords.size(); ++row)
        WordCount::add(words, rows[row], m_sourceWords[row]);
    const QLocale locale;
    m_wordsLabel->setText(tr("Words: %1 translated, %2 to translate")
                              .arg(locale.toString(qlonglong(words.translated)),
                                   locale.toString(qlonglong(words.toTranslate))));
    m_wordsLabel->setVisible(!rows.empty());
}

void ProgressStatus::updateShown()
{
    const bool filtered = !m_shown.filter().isEmpty() && m_document.total > 0;
    m_shownLabel->setVisible(filtered);
    m_shownBar->setVisible(filtered);
    m_shownBar->setToolTip(QString());
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
    show(m_shownBar, nullptr, shown, tr("Shown: %1 of %2 translated"));
}

void ProgressStatus::show(QProgressBar *bar, QLabel *label, const Count &count,
                          const QString &format)
{
    const QLocale locale;
    bar->setRange(0, std::max(count.total, 1));
    bar->setValue(count.done);
    QString text = format.arg(locale.toString(count.done), locale.toString(count.total));
    if (count.review > 0)
        text += tr(", %1 to review").arg(locale.toString(count.review));
    bar->setFormat(text);
    bar->setToolTip(text);
    if (label)
        label->setText(text);
}

#include "app/workbench/FilterBar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

using namespace Qt::StringLiterals;

FilterBar::FilterBar(QWidget *parent) : QWidget(parent)
{
    m_find = new QLineEdit(this);
    m_find->setObjectName(u"findField"_s);
    m_find->setPlaceholderText(tr("Find in source, target, ID and note"));
    m_find->setClearButtonEnabled(true);
    m_find->installEventFilter(this);

    m_status = new QComboBox(this);
    m_status->setObjectName(u"statusChoice"_s);
    using Status = UnitFilter::Status;
    m_status->addItem(tr("All"), int(Status::All));
    m_status->addItem(tr("Untranslated"), int(Status::Untranslated));
    m_status->addItem(tr("Translated"), int(Status::Translated));
    m_status->addItem(tr("Needs Review"), int(Status::NeedsReview));
    m_status->addItem(tr("Not to Translate"), int(Status::NotToTranslate));
    m_status->addItem(tr("With problems"), int(Status::WithProblems));

    m_file = new QComboBox(this);
    m_file->setObjectName(u"fileChoice"_s);
    m_file->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_file->setMinimumContentsLength(24);
    setFiles({});

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(m_find, 3);
    auto *showLabel = new QLabel(tr("Show:"), this);
    showLabel->setBuddy(m_status);
    layout->addWidget(showLabel);
    layout->addWidget(m_status);
    auto *fileLabel = new QLabel(tr("File:"), this);
    fileLabel->setBuddy(m_file);
    layout->addWidget(fileLabel);
    layout->addWidget(m_file, 2);

    connect(m_find, &QLineEdit::textChanged, this, &FilterBar::announce);
    connect(m_find, &QLineEdit::returnPressed, this, &FilterBar::findAccepted);
    connect(m_status, &QComboBox::currentIndexChanged, this, &FilterBar::announce);
    connect(m_file, &QComboBox::currentIndexChanged, this, &FilterBar::announce);
}

UnitFilter FilterBar::filter() const
{
    UnitFilter filter;
    filter.text = m_find->text();
    filter.status = static_cast<UnitFilter::Status>(m_status->currentData().toInt());
    const QVariant file = m_file->currentData();
    if (file.isValid())
        filter.file = file.toString();
    return filter;
}

void FilterBar::setFiles(const std::vector<FileHeader> &files)
{
    const QSignalBlocker quiet(m_file);
    m_file->clear();
    m_file->addItem(tr("All Files"));
    // An export may name one file in several <file> elements (one per platform); it is
    // offered once.
    QSet<QString> offered;
    for (const FileHeader &header : files) {
        const QString original = header.original.value_or(QString());
        if (offered.contains(original))
            continue;
        offered.insert(original);
        m_file->addItem(original.isEmpty() ? tr("(no name)") : original, original);
        m_file->setItemData(m_file->count() - 1, original, Qt::ToolTipRole);
    }
    clear();
}

void FilterBar::focusFind()
{
    m_find->setFocus(Qt::ShortcutFocusReason);
    m_find->selectAll();
}

void FilterBar::clear()
{
    {
        const QSignalBlocker quietFind(m_find);
        const QSignalBlocker quietStatus(m_status);
        const QSignalBlocker quietFile(m_file);
        m_find->clear();
        m_status->setCurrentIndex(0);
        m_file->setCurrentIndex(0);
    }
    announce();
}

void FilterBar::announce()
{
    emit filterChanged(filter());
}

bool FilterBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_find && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        if (m_find->text().isEmpty())
            clear();
        else
            m_find->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

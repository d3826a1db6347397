#include "app/memory/MemoryAssistant.h"

#include "app/flows/AppDelegate.h"
#include "app/memory/MemoryBrowser.h"
#include "app/memory/MemoryService.h"
#include "app/memory/PretranslateFlow.h"
#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitTableModel.h"
#include "app/workbench/UnitTableView.h"
#include "app/workbench/Workbench.h"
#include "document/TranslationStatus.h"
#include "memory/DocumentEntries.h"

#include <QAction>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QSplitter>

using namespace Qt::StringLiterals;

namespace {

/// The matches the panel lists.
constexpr int shownAtMost = 5;

} // namespace

MemoryAssistant::MemoryAssistant(AppDelegate &delegate, Workbench &workbench, QWidget &window,
                                 const QString &memoryPath)
    : QObject(&window), m_delegate(delegate), m_workbench(workbench), m_window(window)
{
    m_service = new MemoryService(memoryPath, this);
    m_panel = new MemoryPanel(&workbench);
    workbench.splitter()->addWidget(m_panel);

    for (int key = 0; key < 5; ++key) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + key)), &window);
        connect(shortcut, &QShortcut::activated, this, [this, key] { use(key); });
    }
    auto *offer = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U), &window);
    connect(offer, &QShortcut::activated, this, &MemoryAssistant::fillSameSource);

    connect(m_panel, &MemoryPanel::useRequested, this, &MemoryAssistant::use);
    connect(m_panel, &MemoryPanel::offerAccepted, this, &MemoryAssistant::fillSameSource);
    connect(m_service, &MemoryService::matchesFound, this, &MemoryAssistant::found);
    connect(m_service, &MemoryService::problem, this, &MemoryAssistant::tell);
    connect(workbench.table()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MemoryAssistant::currentChanged);
    UnitTableModel *bank = delegate.bank();
    connect(bank, &QAbstractItemModel::modelReset, this, &MemoryAssistant::currentChanged);
    connect(bank, &UnitTableModel::targetsChanged, this, &MemoryAssistant::targetsChanged);
    connect(&delegate, &AppDelegate::saved, this, &MemoryAssistant::remember);
    m_browser = new MemoryBrowser(*m_service, &window);
    auto *search = new QAction(tr("Search Memory…"), this);
    connect(search, &QAction::triggered, m_browser, [this] {
        m_browser->show();
        m_browser->raise();
        m_browser->searchField()->setFocus();
    });
    addToEditMenu({search, (new PretranslateFlow(delegate, *m_service, window))->action()});
}

void MemoryAssistant::addToEditMenu(const QList<QAction *> &actions)
{
    auto *main = qobject_cast<QMainWindow *>(&m_window);
    if (!main)
        return;
    const QString edit = QCoreApplication::translate("WindowMenus", "&Edit");
    for (QAction *entry : main->menuBar()->actions()) {
        if (entry->menu() && entry->text() == edit) {
            entry->menu()->addSeparator();
            entry->menu()->addActions(actions);
            return;
        }
    }
}

int MemoryAssistant::currentRow() const
{
    const QModelIndex shown = m_workbench.table()->currentIndex();
    const QModelIndex row = m_workbench.shown()->mapToSource(shown);
    return row.isValid() ? row.row() : -1;
}

void MemoryAssistant::currentChanged()
{
    m_row = currentRow();
    m_fromDocument.clear();
    m_panel->showOffer(0);
    const UnitTableModel *bank = m_delegate.bank();
    const UnitRecord *unit = bank->record(m_row);
    if (!unit || !unit->srcs || unit->srcs->isEmpty()) {
        m_ticket = 0;
        m_panel->showMatches({}, {});
        return;
    }
    // Other units of this document with the same source, blanks and all, translated already.
    QStringList targets;
    for (std::size_t row = 0; row < bank->rows().size(); ++row) {
        const UnitRecord &other = bank->rows()[row];
        if (int(row) == m_row || other.rawSource() != unit->rawSource() ||
            TranslationStatus::of(other) != TranslationStatus::Status::Translated ||
            targets.contains(*other.rawTarget()))
            continue;
        targets.append(*other.rawTarget());
        m_fromDocument.push_back({100, *other.rawSource(), *other.rawTarget(),
                                  tr("this document · %1").arg(other.from.value_or(QString()))});
    }
    showMatches({});
    const std::vector<FileHeader> &files = bank->files();
    const QString target = FileHeader::targetLanguageOf(files).value_or(QString());
    if (target.isEmpty())
        return;
    const bool inFile = unit->file >= 0 && std::size_t(unit->file) < files.size();
    const QString source =
        inFile ? files[std::size_t(unit->file)].sourceLanguage.value_or(QString()) : QString();
    m_ticket = m_service->lookup(source, {*unit->rawSource(), unit->from.value_or(QString()),
                                          unit->name.value_or(QString()), target, 70,
                                          shownAtMost + int(m_fromDocument.size())});
}

void MemoryAssistant::showMatches(const std::vector<TranslationMemory::Match> &fromMemory)
{
    std::vector<MemoryPanel::Shown> shown = m_fromDocument;
    // The same translation of the same source is shown once, where it ranks best: the
    // memory gives each once, and one the document has already is not repeated.
    QSet<QString> inDocument;
    for (const MemoryPanel::Shown &match : shown)
        inDocument.insert(TranslationMemory::pairKey(match.source, match.target));
    const QLocale locale;
    for (const TranslationMemory::Match &match : fromMemory) {
        const MemoryEntry &entry = match.entry;
        if (inDocument.contains(TranslationMemory::pairKey(entry.source, entry.target)))
            continue;
        const QString when = locale.toString(QDateTime::fromSecsSinceEpoch(entry.created).date(),
                                             QLocale::ShortFormat);
        const QString origin = entry.original.isEmpty()
                                   ? tr("%1 · %2").arg(entry.project, when)
                                   : tr("%1 · %2 · %3").arg(entry.project, entry.original, when);
        shown.push_back({match.score, entry.source, entry.target, origin});
    }
    const UnitRecord *unit = m_delegate.bank()->record(m_row);
    m_panel->showMatches(unit && unit->srcs ? *unit->rawSource() : QString(), std::move(shown));
}

void MemoryAssistant::found(quint64 ticket, const std::vector<TranslationMemory::Match> &matches)
{
    if (ticket == m_ticket)
        showMatches(matches);
}

void MemoryAssistant::use(int index)
{
    const UnitRecord *unit = m_delegate.bank()->record(m_row);
    if (!unit || index < 0 || std::size_t(index) >= m_panel->matches().size())
        return;
    const QString &target = m_panel->matches()[std::size_t(index)].target;
    m_delegate.changeTargets({UnitTableModel::typed(*unit, std::size_t(m_row), target)},
                             tr("Use Match %1").arg(index + 1));
}

std::vector<std::size_t> MemoryAssistant::sameSourceRows(int row) const
{
    std::vector<std::size_t> rows;
    const UnitTableModel *bank = m_delegate.bank();
    const UnitRecord *unit = bank->record(row);
    if (!unit || !unit->srcs)
        return rows;
    for (std::size_t other = 0; other < bank->rows().size(); ++other) {
        const UnitRecord &candidate = bank->rows()[other];
        if (int(other) != row && candidate.translatable && candidate.srcs == unit->srcs &&
            TranslationStatus::isUntranslated(candidate))
            rows.push_back(other);
    }
    return rows;
}

void MemoryAssistant::targetsChanged(const QList<int> &rows)
{
    if (!rows.contains(m_row))
        return;
    currentChanged();
    // A target just given to this unit is offered to the others with its source; never
    // filled without being asked.
    const UnitRecord *unit = m_delegate.bank()->record(m_row);
    if (unit && TranslationStatus::of(*unit) == TranslationStatus::Status::Translated)
        m_panel->showOffer(int(sameSourceRows(m_row).size()));
}

void MemoryAssistant::fillSameSource()
{
    const UnitRecord *unit = m_delegate.bank()->record(m_row);
    if (!m_panel->offerButton()->isVisible() || !unit || !unit->tget)
        return;
    std::vector<TargetChange> changes;
    for (const std::size_t row : sameSourceRows(m_row))
        changes.push_back(UnitTableModel::typed(m_delegate.bank()->rows()[row], row, *unit->tget));
    m_panel->showOffer(0);
    m_delegate.changeTargets(std::move(changes), tr("Use for Units With This Source"));
}

void MemoryAssistant::remember(const QString &path)
{
    const UnitTableModel *bank = m_delegate.bank();
    ReadResult content;
    content.complete = true;
    content.units = bank->rows();
    content.files = bank->files();
    m_service->remember(
        DocumentEntries::of(content, path, QDateTime::currentSecsSinceEpoch()).entries);
}

void MemoryAssistant::tell(const QString &message)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Translation Memory"), message,
                                QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

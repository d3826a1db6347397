#include "app/recovery/RecoveryController.h"

#include "app/flows/AppDelegate.h"
#include "app/flows/ConfirmSheet.h"
#include "app/recovery/RecoverySheet.h"
#include "app/workbench/UnitTableModel.h"
#include "dictionary/DictionaryStore.h"
#include "document/TargetChange.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

QString subfolder(const QString &dataFolder, const QString &name)
{
    return dataFolder.isEmpty() ? QString() : QDir(dataFolder).filePath(name);
}

/// The hash of a file's bytes as they were read or written; none for a file not read.
QByteArray hashOfBytes(const QByteArray &bytes)
{
    return bytes.isNull() ? QByteArray() : RecoveryJournal::hashOf(bytes);
}

} // namespace

RecoveryController::RecoveryController(AppDelegate &delegate, const QString &dataFolder,
                                       QObject *parent)
    : QObject(parent), m_delegate(delegate), m_journal(subfolder(dataFolder, u"Recovery"_s)),
      m_backup(subfolder(dataFolder, u"Backups"_s)), m_watcher(this)
{
    if (UnitTableModel *bank = m_delegate.bank())
        connect(bank, &UnitTableModel::targetsChanged, this, &RecoveryController::record);
    // Back at the saved state (a save, or undoing to it) nothing is left to recover.
    connect(&m_delegate.undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            discarded();
    });
    connect(&m_watcher, &DocumentWatcher::changed, this, &RecoveryController::fileChanged);
    connect(&m_watcher, &DocumentWatcher::removed, this, &RecoveryController::fileRemoved);
}

QString RecoveryController::defaultDataFolder()
{
    const QString dictionary = DictionaryStore::defaultFilePath();
    return dictionary.isEmpty() ? QString() : QFileInfo(dictionary).absolutePath();
}

bool RecoveryController::reopenUnsaved()
{
    const QDir folder(m_journal.folder());
    if (m_journal.folder().isEmpty() || !folder.exists())
        return false;
    const QFileInfoList journals = folder.entryInfoList({u"*.journal"_s}, QDir::Files, QDir::Time);
    for (const QFileInfo &journal : journals) {
        if (journal.fileName().contains(u"-declined-"_s) ||
            journal.fileName().contains(u"-unreadable-"_s))
            continue;
        const JournalContents contents = RecoveryJournal::read(journal.filePath());
        const QString &document = contents.documentPath;
        // A journal is only ever offered for the file it names, or one the user picks.
        if (document.isEmpty() || m_journal.pathFor(document) != journal.filePath() ||
            contents.entries.empty())
            continue;
        if (QFileInfo(document).isFile())
            m_delegate.openFile(document);
        else
            offerMovedDocument(journal.filePath(), contents);
        return true;
    }
    return false;
}

void RecoveryController::offerMovedDocument(const QString &journalPath,
                                            const JournalContents &contents)
{
    const QString name = QFileInfo(contents.documentPath).fileName();
    auto *offer = new ConfirmSheet(
        tr("Unsaved Edits of a Moved File"),
        tr("Edits to “%1” were not saved, and the file is no longer at %2. Choose the file "
           "where it is now to have the edits offered back. Until then they are kept.")
            .arg(name, QDir::toNativeSeparators(contents.documentPath)),
        tr("Choose File…"), m_delegate.window());
    offer->setObjectName(u"movedDocumentOffer"_s);
    offer->setAttribute(Qt::WA_DeleteOnClose);
    offer->setWindowModality(Qt::WindowModal);
    connect(offer, &ConfirmSheet::confirmed, this, [this, offer, journalPath] {
        offer->close();
        chooseMovedDocument(journalPath);
    });
    m_movedOffer = offer;
    offer->open();
}

void RecoveryController::chooseMovedDocument(const QString &journalPath)
{
    auto *dialog = new QFileDialog(m_delegate.window(), tr("Choose the Moved File"));
    dialog->setObjectName(u"movedDocumentDialog"_s);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(tr("XLIFF files (*.xliff)"));
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, journalPath](const QString &path) { adoptJournal(journalPath, path); });
    dialog->open();
}

void RecoveryController::adoptJournal(const QString &journalPath, const QString &documentPath)
{
    // The journal now belongs to the file's new place; opening the file offers it back,
    // its entries matched to the units as after any change of the file.
    if (const std::optional<QString> failed = m_journal.moveTo(journalPath, documentPath)) {
        warn(tr("Edits Not Offered"), *failed);
        return;
    }
    m_delegate.openFile(documentPath);
}

void RecoveryController::documentRead(const QString &path, const QByteArray &bytes)
{
    // Loading another document (or this one again) drops the edits that were not saved.
    if (m_ownsJournal)
        discarded();
    // The bytes the reader just read: the file is not read a second time for its hash.
    const QByteArray hash = hashOfBytes(bytes);
    m_journal.begin(path, hash);
    m_backup.forget(path);
    m_watcher.watch(path, hash);
    const QString journalPath = m_journal.pathFor(path);
    if (m_delegate.bank() && m_delegate.bank()->rowCount() > 0 && QFileInfo::exists(journalPath))
        offerRecovery(journalPath);
}

void RecoveryController::record(const QList<int> &rows)
{
    const UnitTableModel *bank = m_delegate.bank();
    if (!bank || rows.isEmpty())
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::vector<JournalEntry> entries;
    entries.reserve(static_cast<std::size_t>(rows.size()));
    for (const int row : rows) {
        if (row < 0 || row >= bank->rowCount())
            continue;
        const UnitRecord &unit = bank->rows()[static_cast<std::size_t>(row)];
        entries.push_back({static_cast<quint64>(row), unit.from, unit.name, unit.srcs, unit.tget,
                           unit.state, now});
    }
    const std::optional<QString> failed = m_journal.append(entries);
    if (!failed) {
        m_ownsJournal = true;
        m_journalWarned = false;
        return;
    }
    if (std::exchange(m_journalWarned, true))
        return;
    warn(tr("Edits Not Protected"),
         tr("Your edits are kept in the window, but they could not be written to the recovery "
            "journal, so a crash would lose them. Save to keep them on disk.") +
             u"\n\n"_s + *failed);
}

void RecoveryController::offerRecovery(const QString &journalPath)
{
    const JournalContents contents = RecoveryJournal::read(journalPath);
    if (!contents.error.isEmpty() || (contents.entries.empty() && contents.damagedLines > 0)) {
        keepUnreadable(contents.error.isEmpty() ? tr("no line of it could be read")
                                                : contents.error);
        return;
    }
    if (contents.entries.empty()) {
        QFile::remove(journalPath);
        return;
    }
    RecoveryMatch match = RecoveryMatch::of(contents.entries, m_delegate.bank()->rows());
    // Edits the file already holds (saved, or undone back to the saved text) are no loss.
    const std::vector<UnitRecord> &rows = m_delegate.bank()->rows();
    std::erase_if(match.matched, [&rows](const RecoveryMatch::Edit &edit) {
        return rows[edit.row].tget == edit.entry.tget && rows[edit.row].state == edit.entry.state;
    });
    if (match.count() == 0) {
        QFile::remove(journalPath);
        return;
    }
    m_pending = std::move(match);
    const RecoverySheet::Offer offer = describeOffer(contents);
    m_offer = new RecoverySheet(offer, m_delegate.window());
    m_offer->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_offer, &RecoverySheet::confirmed, this, &RecoveryController::restore);
    connect(m_offer, &QDialog::rejected, this, &RecoveryController::decline);
    m_offer->open();
}

void RecoveryController::keepUnreadable(const QString &reason)
{
    // Never deleted: it may hold the only copy of the edits, for whoever can read it.
    QString aside;
    if (const std::optional<QString> failed = m_journal.setAside(
            m_journal.documentPath(), RecoveryJournal::Aside::Unreadable, &aside)) {
        warn(tr("Recovery Journal Unreadable"),
             tr("The recovery journal of “%1” could not be read: %2. Nothing was restored.")
                     .arg(documentName(), reason) +
                 u"\n\n"_s + *failed);
        return;
    }
    warn(tr("Recovery Journal Unreadable"),
         tr("The recovery journal of “%1” could not be read: %2. Nothing was restored; the "
            "journal is kept as %3.")
             .arg(documentName(), reason, QDir::toNativeSeparators(aside)));
}

RecoverySheet::Offer RecoveryController::describeOffer(const JournalContents &contents) const
{
    RecoverySheet::Offer offer;
    offer.fileName = documentName();
    offer.edits = static_cast<int>(m_pending->count());
    offer.lastEdit = contents.lastEdit();
    offer.fileChanged = contents.documentHash != m_journal.documentHash();
    for (const JournalEntry &entry : m_pending->unmatched) {
        const QString id = entry.name.value_or(QString());
        offer.unmatched.append(entry.from ? tr("%1 (in %2)").arg(id, *entry.from) : id);
    }
    for (const RecoveryMatch::Refused &refused : m_pending->refused) {
        const QString id = refused.entry.name.value_or(QString());
        offer.refused.append(tr("%1: %2").arg(id, refused.reason));
    }
    return offer;
}

void RecoveryController::restore()
{
    if (!m_pending)
        return;
    const RecoveryMatch match = *std::exchange(m_pending, std::nullopt);
    if (m_offer) {
        m_offer->disconnect(this);
        m_offer->close();
        m_offer.clear();
    }
    // The journal stays and is continued: until a save, it is still all there is of them.
    m_ownsJournal = true;
    std::vector<TargetChange> changes;
    changes.reserve(match.matched.size());
    for (const RecoveryMatch::Edit &edit : match.matched)
        changes.push_back({edit.row, edit.entry.tget, edit.entry.state});
    if (!changes.empty())
        m_delegate.changeTargets(std::move(changes), tr("Restore Unsaved Changes"));
}

void RecoveryController::decline()
{
    if (!std::exchange(m_pending, std::nullopt))
        return;
    m_offer.clear();
    if (const std::optional<QString> failed =
            m_journal.setAside(m_journal.documentPath(), RecoveryJournal::Aside::Declined))
        warn(tr("Recovery Journal Kept"), *failed);
}

void RecoveryController::aboutToWrite(const QString &path)
{
    if (const std::optional<QString> failed = m_backup.beforeSave(path))
        warn(tr("No Backup Made"), *failed);
}

void RecoveryController::documentWritten(const QString &path, const QByteArray &bytes,
                                         bool complete)
{
    const QString document = m_journal.documentPath();
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(document).absoluteFilePath())
        m_watcher.setKnownHash(hashOfBytes(bytes));
    // Edits a save could not place are still only in the window and in the journal.
    if (!complete)
        return;
    discarded();
    m_journal.removeAside(document);
}

void RecoveryController::discarded()
{
    if (!std::exchange(m_ownsJournal, false))
        return;
    if (const std::optional<QString> failed = m_journal.remove())
        warn(tr("Recovery Journal Kept"), *failed);
}

void RecoveryController::fileChanged()
{
    if (hasUnsavedEdits()) {
        showDiskNotice(
            alert(tr("File Changed on Disk"),
                  tr("“%1” was changed by another program. Your unsaved edits are kept; saving "
                     "writes them into the file as it is now and lists any unit they can no "
                     "longer be placed in.")
                      .arg(documentName())));
        return;
    }
    auto *offer = new ConfirmSheet(
        tr("File Changed on Disk"),
        tr("“%1” was changed by another program. Reload it to see the file as it is now?")
            .arg(documentName()),
        tr("Reload"), m_delegate.window());
    connect(offer, &ConfirmSheet::confirmed, this, &RecoveryController::reload);
    showDiskNotice(offer);
}

void RecoveryController::fileRemoved()
{
    const QString text =
        hasUnsavedEdits()
            ? tr("“%1” is no longer on disk. Your unsaved edits are kept: Save writes the file "
                 "back where it was, as last read and with your edits; Save As writes it "
                 "anywhere.")
            : tr("“%1” is no longer on disk. The table still shows it as it was read.");
    showDiskNotice(alert(tr("File Moved or Deleted"), text.arg(documentName())));
}

void RecoveryController::showDiskNotice(QDialog *notice)
{
    // One notice at a time: the newest says what holds now.
    if (m_diskNotice)
        m_diskNotice->close();
    m_diskNotice = notice;
    notice->setObjectName(u"diskNotice"_s);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setWindowModality(Qt::WindowModal);
    notice->open();
}

void RecoveryController::reload()
{
    if (m_diskNotice)
        m_diskNotice->close();
    if (m_journal.documentPath().isEmpty())
        return;
    // Nothing is reloaded over typed work, even work committed while the offer was open.
    if (hasUnsavedEdits()) {
        fileChanged();
        return;
    }
    m_delegate.read(m_journal.documentPath());
}

QMessageBox *RecoveryController::alert(const QString &title, const QString &text) const
{
    auto *box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), title,
                                QMessageBox::Ok, m_delegate.window());
    box->setInformativeText(text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    return box;
}

void RecoveryController::warn(const QString &title, const QString &text)
{
    alert(title, text)->open();
}

bool RecoveryController::hasUnsavedEdits() const
{
    const QWidget *window = m_delegate.window();
    return window && window->isWindowModified();
}

QString RecoveryController::documentName() const
{
    return QFileInfo(m_journal.documentPath()).fileName();
}

#pragma once

#include "recovery/JournalContents.h"
#include "recovery/JournalEntry.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <memory>
#include <optional>
#include <span>

/// Keeps every committed edit of the open document in a journal file in the data folder,
/// so that the edits made since the last save survive a crash. One small append per edit,
/// on disk before the edit is shown as done. The journal names its document and the hash of
/// the document's bytes when it was opened; a save or a discard removes it.
class RecoveryJournal
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryJournal)

public:
    /// Journals live in `folder` (created on the first append).
    explicit RecoveryJournal(QString folder);
    ~RecoveryJournal();
    RecoveryJournal(const RecoveryJournal &) = delete;
    RecoveryJournal &operator=(const RecoveryJournal &) = delete;

    /// The hex BLAKE2b-256 of a document's bytes, as journals record it (fast, and strong).
    static QByteArray hashOf(QByteArrayView bytes);

    const QString &folder() const { return m_folder; }
    /// The journal file of a document, named after a hash of its absolute path.
    QString pathFor(const QString &documentPath) const;

    /// Journals the edits of `documentPath` from now on; nothing is written before the
    /// first append. Ends the journal of any earlier document without removing it.
    void begin(const QString &documentPath, const QByteArray &documentHash);
    /// The document being journalled, or empty.
    const QString &documentPath() const { return m_documentPath; }
    /// The hash of its bytes given to begin().
    const QByteArray &documentHash() const { return m_documentHash; }

    /// Appends the edits and waits until they are on disk. Returns why it failed.
    [[nodiscard]] std::optional<QString> append(std::span<const JournalEntry> entries);
    /// Removes the current document's journal (after a save or a discard).
    [[nodiscard]] std::optional<QString> remove();
    /// Why a journal is moved aside.
    enum class Aside
    {
        Declined,   ///< the user did not restore it: kept until the document is next saved
        Unreadable, ///< it could not be read: kept until the user deletes it
    };
    /// Files larger than this are not read as journals (no session writes one so large).
    static constexpr qint64 maxSize = 64LL * 1024 * 1024;

    /// Moves the journal of `documentPath` aside: it is no longer offered. On success
    /// `asidePath`, when given, is where it went.
    [[nodiscard]] std::optional<QString> setAside(const QString &documentPath, Aside why,
                                                  QString *asidePath = nullptr);
    /// Moves a journal to where the journal of `documentPath` belongs (its document was
    /// moved there); refused when that document has a journal already.
    [[nodiscard]] std::optional<QString> moveTo(const QString &journalPath,
                                                const QString &documentPath);
    /// Removes the journals set aside for `documentPath`.
    void removeAside(const QString &documentPath);

    /// Reads a journal; every complete entry is kept and damaged or cut lines are skipped.
    /// Only a regular file up to `maxSize` is read, and opening never waits (a pipe at the
    /// journal's place is refused at once); else `error` says why.
    static JournalContents read(const QString &journalPath);
    /// The journal held in `bytes`, read as `read` reads a file's.
    static JournalContents parse(QByteArrayView bytes);

    /// One line of the journal file, as append() writes it.
    static QByteArray encode(const JournalEntry &entry);

private:
    std::optional<QString> open();
    QString asidePrefix(const QString &documentPath, Aside why) const;

    QString m_folder;
    QString m_documentPath;
    QByteArray m_documentHash;
    std::unique_ptr<QFile> m_file;
};

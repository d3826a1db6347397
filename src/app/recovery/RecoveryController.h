#pragma once

#include "app/recovery/RecoverySheet.h"
#include "recovery/DocumentWatcher.h"
#include "recovery/ExportBackup.h"
#include "recovery/RecoveryJournal.h"
#include "recovery/RecoveryMatch.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class AppDelegate;
class QDialog;
class QMessageBox;

/// Protects the user's edits between saves and across them: every committed edit goes to a
/// recovery journal, a journal left by a session that ended without saving is offered back,
/// the open file is watched for changes by other programs, and the first save over a file
/// in a session keeps a backup of it. Problems with the data folder become warnings; they
/// never stop an edit or a save.
class RecoveryController : public QObject
{
    Q_OBJECT

public:
    /// Journals go to `dataFolder`/Recovery, backups to `dataFolder`/Backups.
    RecoveryController(AppDelegate &delegate, const QString &dataFolder, QObject *parent);

    /// The application's data folder, the one the dictionary is kept in.
    static QString defaultDataFolder();

    RecoveryJournal &journal() { return m_journal; }
    ExportBackup &backup() { return m_backup; }
    DocumentWatcher &watcher() { return m_watcher; }
    /// The recovery offer on show, or null.
    RecoverySheet *offer() const { return m_offer; }
    /// The sheet about a change on disk on show, or null.
    QDialog *diskNotice() const { return m_diskNotice; }

    /// For a start without files: opens the document of the newest journal a session left
    /// without saving, which offers its edits back; when the document is no longer where the
    /// journal says, asks where it is now. False when there is no such journal.
    bool reopenUnsaved();
    /// The question where a journal's moved document is now, while on show; else null.
    QDialog *movedDocumentOffer() const { return m_movedOffer; }

public slots:
    /// After a load: journals the new document and offers any journal left for it.
    void documentRead(const QString &path, const QByteArray &bytes);
    /// Before a save writes `path`.
    void aboutToWrite(const QString &path);
    /// After a save wrote `bytes` to `path`; `complete` when every edit is in the file.
    void documentWritten(const QString &path, const QByteArray &bytes, bool complete);
    /// The window closed; what was not saved was discarded.
    void discarded();

    /// The recovery offer's answers.
    void restore();
    void decline();
    /// The reload offer's answer.
    void reload();

private:
    void record(const QList<int> &rows);
    void offerRecovery(const QString &journalPath);
    void keepUnreadable(const QString &reason);
    void offerMovedDocument(const QString &journalPath, const JournalContents &contents);
    void chooseMovedDocument(const QString &journalPath);
    void adoptJournal(const QString &journalPath, const QString &documentPath);
    RecoverySheet::Offer describeOffer(const JournalContents &contents) const;
    void fileChanged();
    void fileRemoved();
    void showDiskNotice(QDialog *notice);
    QMessageBox *alert(const QString &title, const QString &text) const;
    void warn(const QString &title, const QString &text);
    bool hasUnsavedEdits() const;
    QString documentName() const;

    AppDelegate &m_delegate;
    RecoveryJournal m_journal;
    ExportBackup m_backup;
    DocumentWatcher m_watcher;
    /// True once this session wrote the open document's journal: only then is it ours to
    /// remove when the edits are saved or discarded.
    bool m_ownsJournal = false;
    /// Warned that the journal can't be written; warned again only after it worked.
    bool m_journalWarned = false;
    std::optional<RecoveryMatch> m_pending;
    QPointer<RecoverySheet> m_offer;
    QPointer<QDialog> m_diskNotice;
    QPointer<QDialog> m_movedOffer;
};

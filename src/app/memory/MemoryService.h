#pragma once

#include "memory/MatchIndex.h"
#include "memory/MemoryEntry.h"
#include "memory/Pretranslation.h"
#include "memory/TranslationMemory.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

/// The window's translation memory, on a thread of its own: opening the database, reading
/// an index and looking up never hold the window. The database is opened at the first
/// request, so start-up never waits on it. A lookup overtaken by a newer one is dropped.
class MemoryService : public QObject
{
    Q_OBJECT

public:
    explicit MemoryService(QString path, QObject *parent = nullptr);
    ~MemoryService() override;

    /// Looks `query` up in the background, each translation of a source once and at most
    /// `query.limit` of them; `matchesFound` answers with the ticket returned.
    quint64 lookup(const QString &sourceLanguage, const MatchIndex::Query &query);
    /// Adds entries in the background (what a save gives the memory).
    void remember(std::vector<MemoryEntry> entries);
    /// Runs a pre-translation of a copy of a document's rows; `pretranslated` answers.
    void pretranslate(std::vector<UnitRecord> rows, std::vector<FileHeader> files,
                      Pretranslation::Options options);

    /// Finds entries holding `text` in the background; `searched` answers.
    void search(const QString &text, int limit);
    /// Removes entries in the background; `removed` answers.
    void removeEntries(std::vector<qint64> rowIds);

signals:
    void searched(const QString &text, const std::vector<MemoryEntry> &entries);
    void removed(qsizetype count);
    void matchesFound(quint64 ticket, const std::vector<TranslationMemory::Match> &matches);
    void pretranslated(const Pretranslation::Result &result);
    /// Something the user should know: the memory could not be opened or was damaged.
    void problem(const QString &message);

private:
    struct Backend;

    /// Runs `work` on the memory's thread with the memory opened; skipped when it can't be.
    void post(std::function<void(Backend &)> work);
    void report(const QString &message);

    QThread m_thread;
    std::unique_ptr<QObject> m_context; ///< lives on m_thread; work is queued to it
    std::shared_ptr<Backend> m_backend; ///< touched on m_thread only
    std::atomic<quint64> m_latest{0};
    std::atomic<bool> m_stopping{false}; ///< set when the window closes
};

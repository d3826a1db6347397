#pragma once

#include "memory/MemoryEntry.h"
#include "memory/MemoryFilter.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct sqlite3;

/// The translation memory on disk: one SQLite database in write-ahead-log mode, so several
/// windows and the command-line tool read and write it at once; a writer waits for another
/// rather than failing. A database that can't be read is moved aside and a new one started,
/// which `notice` reports.
class MemoryStore
{
    Q_DECLARE_TR_FUNCTIONS(MemoryStore)

public:
    /// The memory in the user's data folder; empty when there is no such folder.
    static QString defaultPath();

    explicit MemoryStore(QString path);
    ~MemoryStore();
    MemoryStore(const MemoryStore &) = delete;
    MemoryStore &operator=(const MemoryStore &) = delete;

    /// Opens the database, creating it and its folder when missing. False with
    /// `errorString` when no memory could be opened at all.
    bool open();
    const QString &path() const { return m_path; }
    const QString &errorString() const { return m_error; }
    /// Set when a damaged database was moved aside: where it went and why.
    const QString &notice() const { return m_notice; }

    struct AddCounts
    {
        qsizetype added = 0;     ///< new entries
        qsizetype updated = 0;   ///< a unit's entry whose target changed
        qsizetype unchanged = 0; ///< already in the memory as they are
    };
    /// Adds entries in one transaction: all of them or, on failure, none.
    std::optional<AddCounts> add(const std::vector<MemoryEntry> &entries);

    /// Calls `visit` with every entry the filter takes, oldest first; false on a failure.
    bool forEach(const MemoryFilter &filter, const std::function<void(MemoryEntry &&)> &visit);
    /// Entries whose source or target holds `text` (ASCII letters in any case), newest
    /// first, at most `limit`; nothing on a failure.
    std::optional<std::vector<MemoryEntry>> search(const QString &text, int limit);
    /// Removes the entries with these keys; how many, or nothing on a failure.
    std::optional<qsizetype> removeEntries(const std::vector<qint64> &rowIds);
    /// Removes the entries the filter takes; how many, or nothing on a failure.
    std::optional<qsizetype> remove(const MemoryFilter &filter);

    struct PairCount
    {
        QString sourceLanguage;
        QString targetLanguage;
        qsizetype entries = 0;
    };
    std::optional<std::vector<PairCount>> stats();

    /// What a search index needs of each entry of a pair of languages (language subtags
    /// only; an empty source language takes every one): the entry with `target` left empty.
    /// The reading ends early, and still succeeds, when `visit` returns false.
    bool forEachSource(const QString &sourceLanguage, const QString &targetLanguage,
                       const std::function<bool(MemoryEntry &&)> &visit);
    /// A number that changes whenever another connection (another window, the tool) has
    /// committed a change since this one last looked; -1 on a failure.
    qint64 dataVersion();
    /// One whole entry by its key.
    std::optional<MemoryEntry> entry(qint64 rowId);

private:
    bool openFile();
    bool prepareSchema();
    bool moveAside(const QString &reason);
    void close();
    /// Keeps SQLite's error while it is still there; false.
    bool failed();
    bool exec(const char *sql);
    QString lastError() const;

    QString m_path;
    QString m_error;
    QString m_notice;
    int m_failCode = 0; ///< SQLite's extended code of the failure `m_error` tells
    sqlite3 *m_db = nullptr;
};

#pragma once

#include "memory/MatchIndex.h"
#include "memory/MemoryEntry.h"

#include <QString>

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class MemoryStore;

/// Looks texts up in a memory: each pair of languages asked for is read from the store once
/// into a `MatchIndex`, and the matches found are read back whole. What another process
/// writes is seen at the next lookup (the indexes are read again); call `forget` after
/// writing to the store through the same connection.
class TranslationMemory
{
public:
    /// While `stop` is set, indexes are not read and lookups find nothing (reading a large
    /// memory takes seconds, which quitting should not wait for).
    explicit TranslationMemory(MemoryStore &store, const std::atomic<bool> *stop = nullptr)
        : m_store(store), m_stop(stop)
    {
    }

    struct Match
    {
        int score = 0;
        MemoryEntry entry;
    };

    /// The matches of `query` among the entries into its target language (by language,
    /// regions alike) from `sourceLanguage` (any when empty). Nothing when the store failed
    /// or a stop was asked for.
    std::optional<std::vector<Match>> lookup(const QString &sourceLanguage,
                                             const MatchIndex::Query &query);

    /// The same, but each pair of source and target text once, as its best-ranked entry:
    /// at most `wanted` of them, asking the index for more entries while copies of one pair
    /// take the places (a memory may hold "Cancel" → キャンセル from every project).
    std::optional<std::vector<Match>> distinctLookup(const QString &sourceLanguage,
                                                     MatchIndex::Query query, int wanted);

    /// What tells one translation of a source from another, as `distinctLookup` counts them.
    static QString pairKey(const QString &source, const QString &target)
    {
        return source + QChar(0x1F) + target;
    }

    /// The index of a pair of languages, read from the store when first asked for; none
    /// when the store failed or a stop was asked for.
    const MatchIndex *index(const QString &sourceLanguage, const QString &targetLanguage);

    void forget() { m_indexes.clear(); }

private:
    bool stopping() const { return m_stop && m_stop->load(std::memory_order_relaxed); }

    MemoryStore &m_store;
    const std::atomic<bool> *m_stop = nullptr;
    std::map<std::pair<QString, QString>, std::unique_ptr<MatchIndex>> m_indexes;
    qint64 m_dataVersion = -1; ///< the store's when the indexes were read
};

#pragma once

#include "memory/MatchIndex.h"
#include "memory/MemoryEntry.h"

#include <QString>

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
    explicit TranslationMemory(MemoryStore &store) : m_store(store) {}

    struct Match
    {
        int score = 0;
        MemoryEntry entry;
    };

    /// The matches of `query` among the entries into its target language (by language,
    /// regions alike) from `sourceLanguage` (any when empty). Nothing when the store failed.
    std::optional<std::vector<Match>> lookup(const QString &sourceLanguage,
                                             const MatchIndex::Query &query);

    /// The index of a pair of languages, read from the store when first asked for.
    const MatchIndex *index(const QString &sourceLanguage, const QString &targetLanguage);

    void forget() { m_indexes.clear(); }

private:
    MemoryStore &m_store;
    std::map<std::pair<QString, QString>, std::unique_ptr<MatchIndex>> m_indexes;
    qint64 m_dataVersion = -1; ///< the store's when the indexes were read
};

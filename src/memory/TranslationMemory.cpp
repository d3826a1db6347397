#include "memory/TranslationMemory.h"

#include "memory/LanguageTag.h"
#include "memory/MemoryStore.h"

#include <QSet>

#include <algorithm>

const MatchIndex *TranslationMemory::index(const QString &sourceLanguage,
                                           const QString &targetLanguage)
{
    const qint64 version = m_store.dataVersion();
    if (version != m_dataVersion) {
        m_indexes.clear();
        m_dataVersion = version;
    }
    const std::pair key{LanguageTag::language(sourceLanguage),
                        LanguageTag::language(targetLanguage)};
    auto found = m_indexes.find(key);
    if (found != m_indexes.end())
        return found->second.get();
    if (stopping())
        return nullptr;
    auto index = std::make_unique<MatchIndex>();
    const bool read =
        m_store.forEachSource(key.first, key.second, [this, &index](MemoryEntry &&entry) {
            index->add(entry);
            return !stopping();
        });
    if (!read || stopping())
        return nullptr;
    index->finish();
    return m_indexes.emplace(key, std::move(index)).first->second.get();
}

std::optional<std::vector<TranslationMemory::Match>>
TranslationMemory::lookup(const QString &sourceLanguage, const MatchIndex::Query &query)
{
    const MatchIndex *pair = index(sourceLanguage, query.targetLanguage);
    if (!pair)
        return std::nullopt;
    std::vector<Match> matches;
    for (const MatchIndex::Hit &hit : pair->lookup(query)) {
        std::optional<MemoryEntry> entry = m_store.entry(hit.rowId);
        // An entry another process removed since the index was read is simply gone.
        if (entry)
            matches.push_back({hit.score, std::move(*entry)});
        else if (!m_store.errorString().isEmpty())
            return std::nullopt;
    }
    return matches;
}

std::optional<std::vector<TranslationMemory::Match>>
TranslationMemory::distinctLookup(const QString &sourceLanguage, MatchIndex::Query query,
                                  int wanted)
{
    constexpr int widestLimit = 4096;
    wanted = std::max(wanted, 1);
    query.limit = 2 * wanted;
    for (;;) {
        std::optional<std::vector<Match>> all = lookup(sourceLanguage, query);
        if (!all)
            return std::nullopt;
        std::vector<Match> distinct;
        QSet<QString> seen;
        for (Match &match : *all) {
            const QString pair = pairKey(match.entry.source, match.entry.target);
            if (seen.contains(pair))
                continue;
            seen.insert(pair);
            distinct.push_back(std::move(match));
            if (int(distinct.size()) == wanted)
                break;
        }
        // Fewer entries than asked for: the index has no more to give.
        if (int(distinct.size()) == wanted || int(all->size()) < query.limit ||
            query.limit >= widestLimit)
            return distinct;
        query.limit *= 4;
    }
}

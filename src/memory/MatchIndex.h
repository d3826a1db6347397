#pragma once

#include "memory/MemoryEntry.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

/// The sources of one pair of languages, held for searching by similarity. Sources are
/// kept in NFC, ordered by length in code points, each with a 64-bit mask of the characters
/// it holds, and listed under each pair of adjacent characters (hashed) they contain. A
/// search reads only the lengths whose scores can reach the minimum, nearest length first;
/// it skips a source that shares too few character pairs with the text (k edits destroy at
/// most 2k of its n − 1 pairs) or whose mask shows too many characters missing, and
/// measures the rest with a bounded edit distance; the bound tightens to the worst of the
/// matches kept once `limit` are found. Every filter rests on a proven lower bound of the
/// distance, so no entry the minimum admits is missed.
class MatchIndex
{
public:
    struct Query
    {
        QString source;
        QString original;       ///< the unit's `<file original>`, to prefer its own entry
        QString unitId;         ///< the unit's id
        QString targetLanguage; ///< the region asked for is preferred among equal scores
        int minimum = 70;       ///< lowest score admitted, 0…100
        int limit = 5;          ///< most matches returned; 0 or less: all admitted
    };

    struct Hit
    {
        int score = 0;
        qint64 rowId = 0;
    };

    /// A bucket of pairs of adjacent characters, and how often a text holds it.
    struct WeightedPair
    {
        std::uint32_t bucket = 0;
        std::uint32_t weight = 0;
    };

    /// Adds an entry's source (its target is not needed). Call `finish` after the last.
    void add(const MemoryEntry &entry);
    void finish();

    /// The admitted entries, best first: higher score, then the same file and id as the
    /// query, then the region asked for, then the most recent.
    std::vector<Hit> lookup(const Query &query) const;

    qsizetype size() const { return qsizetype(m_items.size()); }
    /// Bytes held, roughly: texts and per-entry records.
    qsizetype bytes() const;

private:
    struct Item
    {
        std::uint64_t mask = 0;
        std::uint64_t tally = 0;   ///< characters per class, a nibble each
        std::uint64_t context = 0; ///< hash of file and id; 0 when either is unknown
        qint64 created = 0;
        qint64 rowId = 0;
        std::uint32_t offset = 0; ///< into m_text, UTF-16 units
        std::uint32_t units = 0;
        std::uint32_t length = 0; ///< code points
        std::uint32_t tag = 0;    ///< into m_tags
    };
    struct Ranked;

    void indexPairs();
    /// For each item in [from, to): how many of the text's pairs of characters it holds.
    void countShared(std::span<const WeightedPair> pairs, std::uint32_t from,
                     std::uint32_t to, std::vector<std::uint32_t> &counts) const;

    std::vector<char16_t> m_text;
    std::vector<Item> m_items;
    std::vector<QString> m_tags;
    /// m_lengthStart[l]: the first item of length l or more, once finished.
    std::vector<std::uint32_t> m_lengthStart;
    /// The items holding each pair bucket, in item order: m_postings[m_pairStart[b] …
    /// m_pairStart[b + 1]).
    std::vector<std::uint32_t> m_pairStart;
    std::vector<std::uint32_t> m_postings;
};

#include "memory/MatchIndex.h"

#include "memory/CodePointReader.h"
#include "memory/EditDistance.h"
#include "memory/LanguageTag.h"
#include "memory/Similarity.h"

#include <QHash>

#include <algorithm>
#include <bit>

namespace {

std::uint64_t maskOf(QStringView text)
{
    std::uint64_t mask = 0;
    for (CodePointReader reader{text}; !reader.atEnd();)
        mask |= std::uint64_t(1) << ((std::uint32_t(reader.next()) * 0x9E3779B1u) >> 26);
    return mask;
}

/// How many characters of each of 16 classes the text holds, one nibble each, at most 15.
std::uint64_t tallyOf(QStringView text)
{
    std::uint64_t tally = 0;
    for (CodePointReader reader{text}; !reader.atEnd();) {
        const int shift = int((std::uint32_t(reader.next()) * 0x85EBCA6Bu) >> 28) * 4;
        if (((tally >> shift) & 15) != 15)
            tally += std::uint64_t(1) << shift;
    }
    return tally;
}

/// A lower bound of the distance between two texts from their tallies: every character one
/// holds more of than the other must be removed or replaced, and every one it holds fewer
/// of inserted or replaced. Capping a count at 15 only lowers the bound.
int tallyGap(std::uint64_t a, std::uint64_t b)
{
    int more = 0;
    int fewer = 0;
    for (int shift = 0; shift < 64; shift += 4) {
        const int x = int((a >> shift) & 15);
        const int y = int((b >> shift) & 15);
        if (x > y)
            more += x - y;
        else
            fewer += y - x;
    }
    return std::max(more, fewer);
}

constexpr std::uint32_t pairBuckets = 1u << 16;

std::vector<char32_t> codePointsOf(QStringView text)
{
    std::vector<char32_t> points;
    points.reserve(std::size_t(text.size()));
    for (CodePointReader reader{text}; !reader.atEnd();)
        points.push_back(reader.next());
    return points;
}

/// The bucket of each pair of adjacent code points, sorted, repeats kept.
std::vector<std::uint32_t> pairsOf(QStringView text)
{
    const std::vector<char32_t> points = codePointsOf(text);
    std::vector<std::uint32_t> pairs;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const std::uint32_t mixed =
            std::uint32_t(points[i - 1]) * 0x9E3779B1u ^ std::uint32_t(points[i]) * 0x85EBCA6Bu;
        pairs.push_back((mixed ^ (mixed >> 15)) & (pairBuckets - 1));
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

/// The distinct buckets of the text's pairs, each with how often the text holds it.
std::vector<MatchIndex::WeightedPair> weightedPairsOf(QStringView text)
{
    const std::vector<std::uint32_t> pairs = pairsOf(text);
    std::vector<MatchIndex::WeightedPair> weighted;
    for (std::size_t i = 0; i < pairs.size();) {
        std::size_t j = i;
        while (j < pairs.size() && pairs[j] == pairs[i])
            ++j;
        weighted.push_back({pairs[i], std::uint32_t(j - i)});
        i = j;
    }
    return weighted;
}

std::uint64_t contextOf(const QString &original, const QString &unitId)
{
    if (original.isEmpty() || unitId.isEmpty())
        return 0;
    const QString key = original + QChar(0x1F) + unitId;
    return std::uint64_t(qHash(key, 0x7A11)) | 1; // never 0, which means "unknown"
}

} // namespace

/// A hit with what orders it among equal scores.
struct MatchIndex::Ranked
{
    int score = 0;
    bool sameUnit = false;
    bool sameTag = false;
    qint64 created = 0;
    qint64 rowId = 0;

    bool operator<(const Ranked &other) const // "comes before"
    {
        if (score != other.score)
            return score > other.score;
        if (sameUnit != other.sameUnit)
            return sameUnit;
        if (sameTag != other.sameTag)
            return sameTag;
        if (created != other.created)
            return created > other.created;
        return rowId > other.rowId;
    }
};

void MatchIndex::add(const MemoryEntry &entry)
{
    const QString text = Similarity::comparable(entry.source);
    Item item;
    item.mask = maskOf(text);
    item.tally = tallyOf(text);
    item.context = contextOf(entry.original, entry.unitId);
    item.created = entry.created;
    item.rowId = entry.rowId;
    item.offset = std::uint32_t(m_text.size());
    item.units = std::uint32_t(text.size());
    item.length = std::uint32_t(Similarity::codePoints(text));
    const QString tag = LanguageTag::normalized(entry.targetLanguage);
    auto found = std::find(m_tags.begin(), m_tags.end(), tag);
    if (found == m_tags.end())
        found = m_tags.insert(m_tags.end(), tag);
    item.tag = std::uint32_t(found - m_tags.begin());
    m_text.insert(m_text.end(), text.utf16(), text.utf16() + text.size());
    m_items.push_back(item);
}

void MatchIndex::finish()
{
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const Item &a, const Item &b) { return a.length < b.length; });
    // The texts laid out again in the items' order, so a scan reads memory in sequence.
    std::vector<char16_t> text;
    text.reserve(m_text.size());
    for (Item &item : m_items) {
        const auto from = m_text.begin() + item.offset;
        item.offset = std::uint32_t(text.size());
        text.insert(text.end(), from, from + item.units);
    }
    m_text = std::move(text);
    indexPairs();
    const std::uint32_t longest = m_items.empty() ? 0 : m_items.back().length;
    m_lengthStart.assign(std::size_t(longest) + 2, 0);
    std::size_t at = 0;
    for (std::uint32_t length = 0; length <= longest + 1; ++length) {
        while (at < m_items.size() && m_items[at].length < length)
            ++at;
        m_lengthStart[length] = std::uint32_t(at);
    }
}

void MatchIndex::indexPairs()
{
    const auto distinctPairs = [this](const Item &item) {
        std::vector<std::uint32_t> pairs =
            pairsOf(QStringView(m_text.data() + item.offset, item.units));
        pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
        return pairs;
    };
    m_pairStart.assign(pairBuckets + 1, 0);
    for (const Item &item : m_items) {
        for (const std::uint32_t pair : distinctPairs(item))
            ++m_pairStart[pair + 1];
    }
    for (std::uint32_t b = 0; b < pairBuckets; ++b)
        m_pairStart[b + 1] += m_pairStart[b];
    m_postings.assign(m_pairStart.back(), 0);
    std::vector<std::uint32_t> cursor(m_pairStart.begin(), m_pairStart.end() - 1);
    for (std::uint32_t i = 0; i < m_items.size(); ++i) {
        for (const std::uint32_t pair : distinctPairs(m_items[i]))
            m_postings[cursor[pair]++] = i;
    }
}

void MatchIndex::countShared(std::span<const WeightedPair> pairs, std::uint32_t from,
                             std::uint32_t to, std::vector<std::uint32_t> &counts) const
{
    // Each pair of the text counts once for every item that holds its bucket: at least as
    // many as the pairs an alignment keeps, so the bound stays a bound.
    counts.assign(to - from, 0);
    for (const WeightedPair &pair : pairs) {
        const auto *begin = m_postings.data() + m_pairStart[pair.bucket];
        const auto *end = m_postings.data() + m_pairStart[pair.bucket + 1];
        for (const auto *p = std::lower_bound(begin, end, from); p != end && *p < to; ++p)
            counts[*p - from] += pair.weight;
    }
}

qsizetype MatchIndex::bytes() const
{
    return qsizetype(m_text.capacity() * sizeof(char16_t) + m_items.capacity() * sizeof(Item) +
                     m_lengthStart.capacity() * sizeof(std::uint32_t) +
                     (m_pairStart.capacity() + m_postings.capacity()) * sizeof(std::uint32_t));
}

std::vector<MatchIndex::Hit> MatchIndex::lookup(const Query &query) const
{
    const QString text = Similarity::comparable(query.source);
    const int n = Similarity::codePoints(text);
    if (n == 0 || m_items.empty())
        return {};
    const EditDistance distance(text);
    const std::uint64_t mask = maskOf(text);
    const std::uint64_t tally = tallyOf(text);
    const std::uint64_t context = contextOf(query.original, query.unitId);
    const QString tag = LanguageTag::normalized(query.targetLanguage);
    const auto wantedTag = std::find(m_tags.begin(), m_tags.end(), tag) - m_tags.begin();
    const int minimum = std::clamp(query.minimum, 0, 100);
    const std::size_t limit = query.limit > 0 ? std::size_t(query.limit) : m_items.size();

    std::vector<Ranked> kept; // sorted, at most `limit`
    int floor = minimum;      // the lowest score still worth keeping
    const int longest = int(m_lengthStart.size()) - 2;
    const std::vector<WeightedPair> pairs = weightedPairsOf(text);
    std::vector<std::uint32_t> shared; // per item of the length scanned, reused

    // Returns false once this length, and so every length further from n, can't score.
    const auto scan = [&](int length) {
        const int bound = Similarity::maxDistance(std::max(n, length), floor);
        if (std::abs(n - length) > bound)
            return false;
        if (length > longest)
            return true;
        const std::uint32_t begin = m_lengthStart[std::size_t(length)];
        const std::uint32_t end = m_lengthStart[std::size_t(length) + 1];
        // Counted one length at a time: lengths never reached cost nothing, and the counts
        // of one length stay in the cache.
        const bool counted = n - 1 - 2 * bound > 0;
        if (counted)
            countShared(pairs, begin, end, shared);
        for (std::uint32_t i = begin; i < end; ++i) {
            const Item &item = m_items[i];
            const int k = Similarity::maxDistance(std::max(n, length), floor);
            if (counted && int(shared[i - begin]) < n - 1 - 2 * k)
                continue;
            // Each character class one text holds and the other lacks costs an edit.
            const int missing =
                std::max(std::popcount(mask & ~item.mask), std::popcount(item.mask & ~mask));
            if (missing > k || tallyGap(tally, item.tally) > k)
                continue;
            const QStringView other(m_text.data() + item.offset, item.units);
            const int d = distance.within(other, length, k);
            if (d > k)
                continue;
            const Ranked ranked{Similarity::score(d, n, length),
                                context != 0 && item.context == context, item.tag == wantedTag,
                                item.created, item.rowId};
            if (kept.size() == limit && !(ranked < kept.back()))
                continue;
            kept.insert(std::upper_bound(kept.begin(), kept.end(), ranked), ranked);
            if (kept.size() > limit)
                kept.pop_back();
            if (kept.size() == limit)
                floor = std::max(floor, kept.back().score);
        }
        return true;
    };

    bool below = true;
    bool above = true;
    for (int step = 0; below || above; ++step) {
        if (below)
            below = n - step >= 0 && scan(n - step);
        if (above && step > 0)
            above = scan(n + step) && n + step < longest;
    }

    std::vector<Hit> hits;
    hits.reserve(kept.size());
    for (const Ranked &ranked : kept)
        hits.push_back({ranked.score, ranked.rowId});
    return hits;
}

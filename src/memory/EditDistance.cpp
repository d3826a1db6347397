#include "memory/EditDistance.h"

#include "memory/CodePointReader.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr char32_t noKey = 0xFFFFFFFF;

std::size_t slotOf(char32_t c, std::size_t size)
{
    return (std::size_t(c) * 2654435761u) & (size - 1);
}

} // namespace

EditDistance::EditDistance(QStringView pattern)
{
    std::vector<char32_t> points;
    for (CodePointReader reader{pattern}; !reader.atEnd();)
        points.push_back(reader.next());
    m_length = points.size();
    m_blocks = std::max<std::size_t>(1, (m_length + 63) / 64);
    m_ascii.assign(128 * m_blocks, 0);
    m_none.assign(m_blocks, 0);
    std::size_t tableSize = 16;
    while (tableSize < 2 * m_length)
        tableSize *= 2;
    m_keys.assign(tableSize, noKey);
    m_masks.assign(tableSize * m_blocks, 0);
    for (std::size_t i = 0; i < m_length; ++i) {
        const char32_t c = points[i];
        const std::uint64_t bit = std::uint64_t(1) << (i % 64);
        if (c < 128) {
            m_ascii[c * m_blocks + i / 64] |= bit;
            continue;
        }
        std::size_t slot = slotOf(c, tableSize);
        while (m_keys[slot] != noKey && m_keys[slot] != c)
            slot = (slot + 1) & (tableSize - 1);
        m_keys[slot] = c;
        m_masks[slot * m_blocks + i / 64] |= bit;
    }
}

const std::uint64_t *EditDistance::equalities(char32_t c) const
{
    if (c < 128)
        return &m_ascii[c * m_blocks];
    // The table is at most half full: a probe ends at an empty slot soon.
    const std::size_t size = m_keys.size();
    for (std::size_t slot = slotOf(c, size);; slot = (slot + 1) & (size - 1)) {
        if (m_keys[slot] == c)
            return &m_masks[slot * m_blocks];
        if (m_keys[slot] == noKey)
            return m_none.data();
    }
}

int EditDistance::within(QStringView text, int textLength, int bound) const
{
    const int patternLength = length();
    if (std::abs(patternLength - textLength) > bound)
        return bound + 1;
    if (patternLength == 0)
        return textLength;
    if (textLength == 0)
        return patternLength;
    return m_blocks == 1 ? singleWord(text, textLength, bound) : blocks(text, textLength, bound);
}

int EditDistance::singleWord(QStringView text, int textLength, int bound) const
{
    // The last row of the distance table, kept as vertical deltas: Pv marks +1, Mv −1.
    const int m = length();
    const std::uint64_t high = std::uint64_t(1) << (m - 1);
    std::uint64_t pv = ~std::uint64_t(0);
    std::uint64_t mv = 0;
    int score = m;
    CodePointReader points{text};
    for (int j = 1; j <= textLength; ++j) {
        const std::uint64_t eq = *equalities(points.next());
        const std::uint64_t xv = eq | mv;
        const std::uint64_t xh = (((eq & pv) + pv) ^ pv) | eq;
        std::uint64_t ph = mv | ~(xh | pv);
        std::uint64_t mh = pv & xh;
        if (ph & high)
            ++score;
        else if (mh & high)
            --score;
        // Every remaining character lowers the distance by one at most.
        if (score - (textLength - j) > bound)
            return bound + 1;
        ph = (ph << 1) | 1; // the top row grows by one per character
        mh <<= 1;
        pv = mh | ~(xv | ph);
        mv = ph & xv;
    }
    return score;
}

int EditDistance::blocks(QStringView text, int textLength, int bound) const
{
    // The same, one word per 64 rows; each block hands the next the horizontal delta of
    // its last row.
    const std::size_t count = m_blocks;
    // Held inline up to 512 code points: this runs for many candidates per lookup.
    QVarLengthArray<std::uint64_t, 8> pv(qsizetype(count), ~std::uint64_t(0));
    QVarLengthArray<std::uint64_t, 8> mv(qsizetype(count), 0);
    const std::uint64_t high = std::uint64_t(1) << ((m_length - 1) % 64);
    constexpr std::uint64_t top = std::uint64_t(1) << 63;
    int score = length();
    CodePointReader points{text};
    for (int j = 1; j <= textLength; ++j) {
        const std::uint64_t *eqs = equalities(points.next());
        int carry = 1; // the top row grows by one per character
        for (std::size_t b = 0; b < count; ++b) {
            std::uint64_t eq = eqs[b];
            const std::uint64_t xv = eq | mv[b];
            if (carry < 0)
                eq |= 1;
            const std::uint64_t xh = (((eq & pv[b]) + pv[b]) ^ pv[b]) | eq;
            std::uint64_t ph = mv[b] | ~(xh | pv[b]);
            std::uint64_t mh = pv[b] & xh;
            const std::uint64_t last = b + 1 == count ? high : top;
            const int out = (ph & last) ? 1 : (mh & last) ? -1 : 0;
            ph <<= 1;
            mh <<= 1;
            if (carry < 0)
                mh |= 1;
            else if (carry > 0)
                ph |= 1;
            pv[b] = mh | ~(xv | ph);
            mv[b] = ph & xv;
            carry = out;
        }
        score += carry;
        if (score - (textLength - j) > bound)
            return bound + 1;
    }
    return score;
}

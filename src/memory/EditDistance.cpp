#include "memory/EditDistance.h"

#include <algorithm>

namespace {

constexpr char32_t noKey = 0xFFFFFFFF;

std::size_t slotOf(char32_t c, std::size_t size)
{
    return (std::size_t(c) * 2654435761u) & (size - 1);
}

/// Steps through the code points of UTF-16 text.
struct CodePoints
{
    QStringView text;
    qsizetype at = 0;

    char32_t next()
    {
        const char16_t unit = text[at++].unicode();
        if (QChar::isHighSurrogate(unit) && at < text.size() &&
            QChar::isLowSurrogate(text[at].unicode()))
            return QChar::surrogateToUcs4(unit, text[at++].unicode());
        return unit;
    }
};

} // namespace

EditDistance::EditDistance(QStringView pattern)
{
    CodePoints points{pattern};
    while (points.at < pattern.size())
        m_pattern.push_back(points.next());
    m_keys.fill(noKey);
    if (m_pattern.size() > 64)
        return;
    for (std::size_t i = 0; i < m_pattern.size(); ++i) {
        const char32_t c = m_pattern[i];
        const std::uint64_t bit = std::uint64_t(1) << i;
        if (c < 128) {
            m_ascii[c] |= bit;
            continue;
        }
        std::size_t slot = slotOf(c, tableSize);
        while (m_keys[slot] != noKey && m_keys[slot] != c)
            slot = (slot + 1) & (tableSize - 1);
        m_keys[slot] = c;
        m_masks[slot] |= bit;
    }
}

std::uint64_t EditDistance::equalities(char32_t c) const
{
    if (c < 128)
        return m_ascii[c];
    // At most 64 keys in 256 slots: a probe ends at an empty slot soon.
    for (std::size_t slot = slotOf(c, tableSize);; slot = (slot + 1) & (tableSize - 1)) {
        if (m_keys[slot] == c)
            return m_masks[slot];
        if (m_keys[slot] == noKey)
            return 0;
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
    return patternLength <= 64 ? myers(text, textLength, bound) : banded(text, textLength, bound);
}

int EditDistance::myers(QStringView text, int textLength, int bound) const
{
    // The last row of the distance table, kept as vertical deltas: Pv marks +1, Mv −1.
    const int m = length();
    const std::uint64_t all = m == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << m) - 1;
    const std::uint64_t high = std::uint64_t(1) << (m - 1);
    std::uint64_t pv = all;
    std::uint64_t mv = 0;
    int score = m;
    CodePoints points{text};
    for (int j = 1; j <= textLength; ++j) {
        const std::uint64_t eq = equalities(points.next());
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
        pv = (mh | ~(xv | ph)) & all;
        mv = ph & xv;
    }
    return score;
}

int EditDistance::banded(QStringView text, int textLength, int bound) const
{
    std::vector<char32_t> other;
    other.reserve(std::size_t(textLength));
    CodePoints points{text};
    while (points.at < text.size())
        other.push_back(points.next());

    // Rows over the pattern, columns over the text; cells more than `bound` off the
    // diagonal can only hold distances above it and count as bound + 1.
    const int m = length();
    const int n = int(other.size());
    const int over = bound + 1;
    std::vector<int> previous(std::size_t(n) + 1, over);
    std::vector<int> current(std::size_t(n) + 1, over);
    for (int j = 0; j <= std::min(n, bound); ++j)
        previous[std::size_t(j)] = j;
    for (int i = 1; i <= m; ++i) {
        const int from = std::max(1, i - bound);
        const int to = std::min(n, i + bound);
        std::fill(current.begin(), current.end(), over);
        if (i <= bound)
            current[0] = i;
        int rowMinimum = current[0];
        for (int j = from; j <= to; ++j) {
            const int cost = m_pattern[std::size_t(i - 1)] == other[std::size_t(j - 1)] ? 0 : 1;
            const int value =
                std::min({previous[std::size_t(j - 1)] + cost, previous[std::size_t(j)] + 1,
                          current[std::size_t(j - 1)] + 1, over});
            current[std::size_t(j)] = value;
            rowMinimum = std::min(rowMinimum, value);
        }
        if (rowMinimum > bound)
            return over;
        std::swap(previous, current);
    }
    return std::min(previous[std::size_t(n)], over);
}

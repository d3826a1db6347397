#pragma once

#include <QStringView>

#include <cstdint>
#include <vector>

/// The Levenshtein distance from one text (the pattern, usually the text looked up) to many
/// others, over code points, by Myers' bit-parallel algorithm: a pattern of up to 64 code
/// points is one machine word per character of the other text, a longer one a word per 64
/// of its code points. It stops as soon as the distance is sure to exceed the bound given.
class EditDistance
{
public:
    /// `pattern` is taken as it is (normalise it first).
    explicit EditDistance(QStringView pattern);

    /// The pattern's length in code points.
    int length() const { return int(m_length); }

    /// The distance to `text` (of `textLength` code points) when it is at most `bound`;
    /// otherwise some value above `bound`.
    int within(QStringView text, int textLength, int bound) const;

private:
    int singleWord(QStringView text, int textLength, int bound) const;
    int blocks(QStringView text, int textLength, int bound) const;
    /// The masks of `c`, one word per block: bit i set where the pattern holds `c` at i.
    const std::uint64_t *equalities(char32_t c) const;

    std::size_t m_length = 0;
    std::size_t m_blocks = 0;
    // ASCII is looked up directly, anything else in an open-addressed table.
    std::vector<std::uint64_t> m_ascii; ///< 128 × m_blocks
    std::vector<char32_t> m_keys;       ///< a power of two, at least twice the characters
    std::vector<std::uint64_t> m_masks; ///< m_keys.size() × m_blocks
    std::vector<std::uint64_t> m_none;  ///< m_blocks zeros
};

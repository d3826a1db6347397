#pragma once

#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

/// The Levenshtein distance from one text (the pattern, usually the text looked up) to many
/// others, over code points. A pattern of up to 64 code points takes Myers' bit-parallel
/// algorithm, one machine word per character of the other text; a longer one a dynamic
/// programme confined to the band of the distances still of interest. Either stops as soon
/// as the distance is sure to exceed the bound it is given.
class EditDistance
{
public:
    /// `pattern` is taken as it is (normalise it first).
    explicit EditDistance(QStringView pattern);

    /// The pattern's length in code points.
    int length() const { return int(m_pattern.size()); }

    /// The distance to `text` (of `textLength` code points) when it is at most `bound`;
    /// otherwise some value above `bound`.
    int within(QStringView text, int textLength, int bound) const;

private:
    int myers(QStringView text, int textLength, int bound) const;
    int banded(QStringView text, int textLength, int bound) const;
    std::uint64_t equalities(char32_t c) const;

    std::vector<char32_t> m_pattern;
    // Bit i of a character's mask is set where the pattern has that character at i. ASCII
    // is looked up directly, anything else in a small open-addressed table.
    std::array<std::uint64_t, 128> m_ascii{};
    static constexpr std::size_t tableSize = 256;
    std::array<char32_t, tableSize> m_keys{};
    std::array<std::uint64_t, tableSize> m_masks{};
};

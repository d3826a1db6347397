#pragma once

#include <QStringView>

#include <vector>

/// What a memory's source has that the source being translated lacks, by words: the longest
/// sequence of words, marks and blanks the two share is kept, and the rest of the memory's
/// source is marked changed. Letters and digits run together as one word, except in scripts
/// written without spaces (Han, kana, Hangul, Thai…), where every character stands alone.
class SourceDifference
{
public:
    struct Span
    {
        qsizetype start = 0;  ///< into the memory's source, UTF-16 units
        qsizetype length = 0; ///< 0: the current source has words here the memory's lacks
        bool changed = false;
    };

    /// Spans covering `memorySource` in order.
    static std::vector<Span> of(QStringView memorySource, QStringView currentSource);

private:
    struct Token
    {
        qsizetype start = 0;
        qsizetype length = 0;
    };

    static std::vector<Token> tokensOf(QStringView text);
};

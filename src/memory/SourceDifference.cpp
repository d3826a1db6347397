#include "memory/SourceDifference.h"

#include "memory/CodePointReader.h"

#include <QChar>

#include <algorithm>
#include <cstdint>

namespace {

/// Beyond this many cells the table of common words is not built: the texts are then told
/// apart by their common start and end only.
constexpr std::size_t mostCells = 1 << 20;

bool joinsWord(char32_t c)
{
    if (!QChar::isLetterOrNumber(c) && QChar::category(c) != QChar::Mark_NonSpacing &&
        QChar::category(c) != QChar::Mark_SpacingCombining)
        return false;
    switch (QChar::script(c)) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Khmer:
    case QChar::Script_Myanmar:
    case QChar::Script_Tibetan:
        return false;
    default:
        return true;
    }
}

} // namespace

std::vector<SourceDifference::Token> SourceDifference::tokensOf(QStringView text)
{
    std::vector<Token> tokens;
    CodePointReader reader{text};
    while (!reader.atEnd()) {
        const qsizetype start = reader.at;
        if (joinsWord(reader.next())) {
            for (CodePointReader ahead = reader; !ahead.atEnd() && joinsWord(ahead.next());)
                reader = ahead;
        }
        tokens.push_back({start, reader.at - start});
    }
    return tokens;
}

std::vector<SourceDifference::Span> SourceDifference::of(QStringView memorySource,
                                                         QStringView currentSource)
{
    const std::vector<Token> mine = tokensOf(memorySource);
    const std::vector<Token> theirs = tokensOf(currentSource);
    const auto same = [&](std::size_t i, std::size_t j) {
        return memorySource.sliced(mine[i].start, mine[i].length) ==
               currentSource.sliced(theirs[j].start, theirs[j].length);
    };
    // The common start and end need no table.
    std::size_t head = 0;
    while (head < mine.size() && head < theirs.size() && same(head, head))
        ++head;
    std::size_t tail = 0;
    while (tail < mine.size() - head && tail < theirs.size() - head &&
           same(mine.size() - 1 - tail, theirs.size() - 1 - tail))
        ++tail;
    const std::size_t rows = mine.size() - head - tail;
    const std::size_t columns = theirs.size() - head - tail;

    // keep[i]: whether the memory's token head + i is common; gapBefore[i]: whether the
    // current source has tokens of its own just before it (i == rows: at the end).
    std::vector<bool> keep(rows, false);
    std::vector<bool> gapBefore(rows + 1, false);
    if ((rows + 1) * (columns + 1) <= mostCells && rows > 0 && columns > 0) {
        // Longest common subsequence, filled from the end so the walk goes forward.
        std::vector<std::uint16_t> table((rows + 1) * (columns + 1), 0);
        const auto cell = [&](std::size_t i, std::size_t j) -> std::uint16_t & {
            return table[i * (columns + 1) + j];
        };
        for (std::size_t i = rows; i-- > 0;) {
            for (std::size_t j = columns; j-- > 0;) {
                cell(i, j) = same(head + i, head + j)
                                 ? std::uint16_t(cell(i + 1, j + 1) + 1)
                                 : std::max(cell(i + 1, j), cell(i, j + 1));
            }
        }
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < rows && j < columns) {
            if (same(head + i, head + j)) {
                keep[i++] = true;
                ++j;
            } else if (cell(i + 1, j) >= cell(i, j + 1)) {
                ++i;
            } else {
                gapBefore[i] = true;
                ++j;
            }
        }
        if (j < columns)
            gapBefore[i] = true;
    } else if (columns > 0) {
        gapBefore[0] = rows == 0;
    }

    std::vector<Span> spans;
    const auto add = [&spans](qsizetype start, qsizetype length, bool changed) {
        if (length > 0 && !spans.empty() && spans.back().changed == changed &&
            spans.back().length > 0 && spans.back().start + spans.back().length == start) {
            spans.back().length += length;
            return;
        }
        spans.push_back({start, length, changed});
    };
    // Where the current source has words of its own after the last common one.
    const bool gapAtEnd = gapBefore[rows] && (rows == 0 || keep[rows - 1]);
    for (std::size_t t = 0; t < mine.size(); ++t) {
        const bool inMiddle = t >= head && t < head + rows;
        if (inMiddle && gapBefore[t - head] && (t == head || keep[t - head - 1]))
            add(mine[t].start, 0, true);
        if (t == head + rows && gapAtEnd)
            add(mine[t].start, 0, true);
        add(mine[t].start, mine[t].length, inMiddle && !keep[t - head]);
    }
    if (head + rows == mine.size() && gapAtEnd)
        add(memorySource.size(), 0, true);
    return spans;
}

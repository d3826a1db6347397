#include "splice/UnitMatcher.h"

namespace {

using Range = IcuRegex::Range;
using Outcome = UnitMatcher::Outcome;

constexpr QByteArrayView sourceOpen = "<source>";
constexpr QByteArrayView sourceClose = "</source>";
constexpr QByteArrayView noteOpen = "<note>";
constexpr QByteArrayView noteClose = "</note>";
constexpr QByteArrayView targetOpen = "<target>";
constexpr QByteArrayView targetClose = "</target>";
constexpr QByteArrayView unitClose = "</trans-unit>";

/// One walk over a unit. It reads the bytes the backtracking engine reads, in its order,
/// and notes whether any of those reads fell at the end of the bytes: then the text beyond
/// could have changed the outcome, and the regular expression, which reports the same, decides.
class Walk
{
public:
    static constexpr qsizetype none = -1;
    static constexpr qsizetype unsure = -2;

    explicit Walk(QByteArrayView unit) : m_bytes(unit) {}

    qsizetype size() const { return m_bytes.size(); }

    /// The outcome, unless a read fell at the end.
    Outcome settled(Outcome outcome) const { return m_end ? Outcome::Ask : outcome; }

    /// Whether the text stands at `at`, compared a character at a time.
    bool literal(qsizetype at, QByteArrayView text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (at + i >= size()) {
                m_end = true;
                return false;
            }
            if (m_bytes[at + i] != text[i])
                return false;
        }
        return true;
    }

    /// Where a run of characters other than "<" from `at` ends: greedy `[^<]*`.
    qsizetype notOpen(qsizetype at)
    {
        const qsizetype found = at < size() ? m_bytes.indexOf('<', at) : -1;
        if (found >= 0)
            return found;
        m_end = true;
        return size();
    }

    /// Lazy `.*?` followed by the text: the first place at or after `at` where the text
    /// stands with no line terminator before it, else `none`.
    qsizetype nextOnLine(qsizetype at, QByteArrayView text)
    {
        for (qsizetype q = at;; ++q) {
            if (q >= size()) {
                m_end = true;
                return none;
            }
            if (m_bytes[q] == '<' && literal(q, text))
                return q;
            if (lineTerminatorAt(q))
                return none;
        }
    }

    /// `\s+<source>` at the start: where the source's text begins.
    qsizetype sourceText()
    {
        qsizetype at = 0;
        while (at < size() && plainSpace(m_bytes[at]))
            ++at;
        if (at == size()) {
            m_end = true;
            return none;
        }
        // Vertical tab, form feed and the white space beyond ASCII are left to the
        // regular expression's own idea of white space.
        const auto c = uchar(m_bytes[at]);
        if (c == 0x0B || c == 0x0C || c >= 0x80)
            return unsure;
        if (at == 0 || !literal(at, sourceOpen))
            return none;
        return at + sourceOpen.size();
    }

private:
    static bool plainSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }

    /// U+000A to U+000D, U+0085, U+2028 and U+2029: where "." stops.
    bool lineTerminatorAt(qsizetype q) const
    {
        const auto c = uchar(m_bytes[q]);
        if (c >= 0x0A && c <= 0x0D)
            return true;
        if (c == 0xC2)
            return q + 1 < size() && uchar(m_bytes[q + 1]) == 0x85;
        if (c == 0xE2)
            return q + 2 < size() && uchar(m_bytes[q + 1]) == 0x80 &&
                   (uchar(m_bytes[q + 2]) == 0xA8 || uchar(m_bytes[q + 2]) == 0xA9);
        return false;
    }

    QByteArrayView m_bytes;
    bool m_end = false;
};

Range between(qsizetype begin, qsizetype end)
{
    return {begin, end - begin};
}

/// `(<note>[^<]+</note>[^<]+)?</trans-unit>` at `at`: where the match ends, else `none`.
qsizetype noteThenEnd(Walk &walk, qsizetype at, Range &note)
{
    if (walk.literal(at, noteOpen)) {
        const qsizetype text = at + noteOpen.size();
        const qsizetype textEnd = walk.notOpen(text);
        if (textEnd > text && walk.literal(textEnd, noteClose)) {
            const qsizetype tail = textEnd + noteClose.size();
            const qsizetype close = walk.notOpen(tail);
            if (close > tail && walk.literal(close, unitClose)) {
                note = between(at, close);
                return close + unitClose.size();
            }
        }
    }
    if (walk.literal(at, unitClose))
        return at + unitClose.size();
    return Walk::none;
}

/// `(<note>([^<]+)</note>[^<]+)*` from `at`: where the repetitions end.
qsizetype notesBefore(Walk &walk, qsizetype at, UnitMatcher::Groups &groups)
{
    while (walk.literal(at, noteOpen)) {
        const qsizetype text = at + noteOpen.size();
        const qsizetype textEnd = walk.notOpen(text);
        if (textEnd == text || !walk.literal(textEnd, noteClose))
            break;
        const qsizetype tail = textEnd + noteClose.size();
        const qsizetype next = walk.notOpen(tail);
        if (next == tail)
            break;
        groups[1] = between(at, next);
        groups[2] = between(text, textEnd);
        at = next;
    }
    return at;
}

/// `(<target>(.*?)</target>)*` from `at`.
qsizetype targets(Walk &walk, qsizetype at, UnitMatcher::Groups &groups)
{
    while (walk.literal(at, targetOpen)) {
        const qsizetype text = at + targetOpen.size();
        const qsizetype close = walk.nextOnLine(text, targetClose);
        if (close == Walk::none)
            break;
        const qsizetype next = close + targetClose.size();
        groups[3] = between(at, next);
        groups[4] = between(text, close);
        at = next;
    }
    return at;
}

/// `(<note>(.*?)</note>[^<]+)*` from `at`: the lazy text runs on to a later end tag on its
/// line when the first is not followed by a character other than "<".
qsizetype notesAfter(Walk &walk, qsizetype at, UnitMatcher::Groups &groups)
{
    while (walk.literal(at, noteOpen)) {
        const qsizetype text = at + noteOpen.size();
        qsizetype close = walk.nextOnLine(text, noteClose);
        qsizetype next = Walk::none;
        for (; close != Walk::none; close = walk.nextOnLine(close + 1, noteClose)) {
            const qsizetype tail = close + noteClose.size();
            next = walk.notOpen(tail);
            if (next > tail)
                break;
        }
        if (close == Walk::none)
            break;
        groups[5] = between(at, next);
        groups[6] = between(text, close);
        at = next;
    }
    return at;
}

} // namespace

UnitMatcher::Outcome UnitMatcher::insertion(QByteArrayView unit, Groups &groups)
{
    Walk walk(unit);
    const qsizetype text = walk.sourceText();
    if (text == Walk::unsure)
        return Outcome::Ask;
    if (text == Walk::none)
        return walk.settled(Outcome::NoMatch);
    // Each "</source>" on the source's line in turn, as the lazy `.*?` gives them.
    for (qsizetype close = walk.nextOnLine(text, sourceClose); close != Walk::none;
         close = walk.nextOnLine(close + 1, sourceClose)) {
        const qsizetype lineFeed = close + sourceClose.size();
        if (!walk.literal(lineFeed, "\n"))
            continue;
        const qsizetype open = walk.notOpen(lineFeed + 1);
        if (open == lineFeed + 1)
            continue;
        Range note;
        const qsizetype end = noteThenEnd(walk, open, note);
        if (end == Walk::none)
            continue;
        groups.assign(3, Range{});
        groups[0] = between(0, end);
        groups[1] = between(lineFeed, lineFeed + 1);
        groups[2] = note;
        return walk.settled(Outcome::Matched);
    }
    return walk.settled(Outcome::NoMatch);
}

UnitMatcher::Outcome UnitMatcher::update(QByteArrayView unit, Groups &groups)
{
    Walk walk(unit);
    const qsizetype text = walk.sourceText();
    if (text == Walk::unsure)
        return Outcome::Ask;
    if (text == Walk::none)
        return walk.settled(Outcome::NoMatch);
    for (qsizetype close = walk.nextOnLine(text, sourceClose); close != Walk::none;
         close = walk.nextOnLine(close + 1, sourceClose)) {
        const qsizetype tail = close + sourceClose.size();
        qsizetype at = walk.notOpen(tail);
        if (at == tail)
            continue;
        // Everything after this point may repeat no times, so the match is certain now and
        // each greedy part keeps the most it can take.
        groups.assign(7, Range{});
        at = notesBefore(walk, at, groups);
        at = targets(walk, at, groups);
        at = notesAfter(walk, walk.notOpen(at), groups);
        groups[0] = between(0, at);
        return walk.settled(Outcome::Matched);
    }
    return walk.settled(Outcome::NoMatch);
}

#pragma once

#include "splice/IcuRegex.h"

#include <QByteArrayView>

#include <vector>

/// Decides over a unit's UTF-8 what the two splice patterns decide (the tails after the
/// start tag, matched at the first byte): the same match, the same groups, as byte ranges.
/// It walks the patterns' one fixed shape by hand instead of running a backtracking engine,
/// which makes it several times cheaper. Where a unit holds something whose reading it does
/// not settle itself (white space other than tab, line feed, carriage return and space before
/// the source; a match that looks at the end of the bytes, where text beyond could decide), it
/// answers `Ask`, and the regular expression decides.
class UnitMatcher
{
public:
    enum class Outcome
    {
        Matched,
        NoMatch,
        Ask
    };
    using Groups = std::vector<IcuRegex::Range>;

    /// The unit-without-target pattern: groups 0 to 2.
    static Outcome insertion(QByteArrayView unit, Groups &groups);
    /// The unit-with-target pattern: groups 0 to 6.
    static Outcome update(QByteArrayView unit, Groups &groups);
};

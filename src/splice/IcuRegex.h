#pragma once

#include <QString>

#include <memory>
#include <vector>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class RegexPattern;
class RegexMatcher;
U_NAMESPACE_END

/// An ICU regular expression compiled with no options, matched over UTF-16 text in place.
/// ICU's rules are the ones the splice patterns are written for: "." stops at line
/// terminators, a group reports its last repetition, an unused group has no range.
class IcuRegex
{
public:
    struct Range
    {
        qsizetype start = -1;
        qsizetype length = 0;
        friend bool operator==(const Range &, const Range &) = default;
    };
    enum class Outcome
    {
        Matched,
        NoMatch,
        TimedOut
    };

    explicit IcuRegex(const QString &pattern);
    ~IcuRegex();
    IcuRegex(const IcuRegex &) = delete;
    IcuRegex &operator=(const IcuRegex &) = delete;

    /// False when the pattern does not compile; such an expression matches nothing.
    bool isValid() const { return m_matcher != nullptr; }

    /// Matches at `position` exactly (not searching on), the match free to run up to `end`
    /// (the end of `text` when -1). On a match `groups` holds group 0 and every capture
    /// group. `hitEnd`, when given, tells whether the engine looked at `end`: then text
    /// beyond it could have changed the outcome.
    Outcome matchAt(const QString &text, qsizetype position, std::vector<Range> &groups,
                    qsizetype end = -1, bool *hitEnd = nullptr);

private:
    std::unique_ptr<icu::RegexPattern> m_pattern;
    std::unique_ptr<icu::RegexMatcher> m_matcher;
};

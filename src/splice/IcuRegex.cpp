#include "splice/IcuRegex.h"

#include "splice/SplicePatterns.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

namespace {

icu::UnicodeString alias(const QString &text)
{
    return icu::UnicodeString(false, reinterpret_cast<const UChar *>(text.constData()),
                              int32_t(text.size()));
}

} // namespace

IcuRegex::IcuRegex(const QString &pattern)
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    m_pattern.reset(icu::RegexPattern::compile(alias(pattern), 0, parseError, status));
    if (U_FAILURE(status)) {
        m_pattern.reset();
        return;
    }
    m_matcher.reset(m_pattern->matcher(status));
    if (U_FAILURE(status)) {
        m_matcher.reset();
        return;
    }
    m_matcher->setTimeLimit(SplicePatterns::matchTimeLimit, status);
}

IcuRegex::~IcuRegex() = default;

IcuRegex::Outcome IcuRegex::matchAt(const QString &text, qsizetype position,
                                    std::vector<Range> &groups, qsizetype end, bool *hitEnd)
{
    if (!m_matcher)
        return Outcome::NoMatch;
    // The matcher keeps a pointer to its input, so the alias lives in a local that
    // outlasts every call below, and the matcher is reset before it goes.
    const icu::UnicodeString input = alias(text);
    UErrorCode status = U_ZERO_ERROR;
    m_matcher->reset(input);
    m_matcher->region(int64_t(position), int64_t(end < 0 ? text.size() : end), status);
    const bool matched = U_SUCCESS(status) && m_matcher->lookingAt(status);
    if (hitEnd)
        *hitEnd = m_matcher->hitEnd();
    Outcome outcome = matched ? Outcome::Matched : Outcome::NoMatch;
    if (status == U_REGEX_TIME_OUT || status == U_REGEX_STACK_OVERFLOW)
        outcome = Outcome::TimedOut;
    if (outcome == Outcome::Matched) {
        const int count = m_matcher->groupCount() + 1;
        groups.assign(size_t(count), Range{});
        for (int g = 0; g < count; ++g) {
            const int32_t start = m_matcher->start(g, status);
            const int32_t end = m_matcher->end(g, status);
            if (start >= 0)
                groups[size_t(g)] = Range{start, end - start};
        }
    }
    static const icu::UnicodeString nothing;
    m_matcher->reset(nothing);
    return outcome;
}

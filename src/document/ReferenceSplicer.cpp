#include "document/ReferenceSplicer.h"

#include "document/IcuRegex.h"
#include "document/OwnTags.h"
#include "document/SplicePatterns.h"
#include "document/SpliceVerifier.h"
#include "document/UnitSplice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>

namespace {

using Groups = std::vector<IcuRegex::Range>;

constexpr int unreachable = -2;

/// For rows whose id occurs more than once: which literal occurrence of the id's start tag
/// is the row's own unit (edits never add or remove start tags, so the count holds while
/// the text changes). -1 for rows with a unique id; `unreachable` when no such tag is its own.
std::vector<int> occurrences(const QString &text, std::span<const UnitRecord> rows)
{
    const std::vector<qsizetype> own = OwnTags::find(text, rows);
    std::vector<int> occurrence(rows.size(), -1);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (own[i] == OwnTags::searchAll)
            continue;
        occurrence[i] = unreachable;
        if (own[i] == OwnTags::unreachable)
            continue;
        const QString tag = SplicePatterns::startTag(*rows[i].name);
        int k = 0;
        for (qsizetype at = text.indexOf(tag); at >= 0 && at < own[i];
             at = text.indexOf(tag, at + 1))
            ++k;
        occurrence[i] = k;
    }
    return occurrence;
}

/// The first place, among the literal start tags of the id, where the pattern matches;
/// only the given occurrence of the tag when `occurrence` is not -1.
IcuRegex::Outcome firstMatch(IcuRegex &regex, const QString &text, const QString &tag,
                             int occurrence, Groups &groups)
{
    int seen = 0;
    for (qsizetype at = text.indexOf(tag); at >= 0; at = text.indexOf(tag, at + 1), ++seen) {
        if (occurrence >= 0 && seen < occurrence)
            continue;
        const auto outcome = regex.matchAt(text, at, groups);
        if (outcome != IcuRegex::Outcome::NoMatch || occurrence >= 0)
            return outcome;
    }
    return IcuRegex::Outcome::NoMatch;
}

/// Writes one row; false when a match ran out of time.
bool spliceRow(QString &text, const UnitRecord &row, int occurrence, UnitValues &before)
{
    const QString &name = *row.name;
    const QString tag = SplicePatterns::startTag(name);
    IcuRegex insertion(SplicePatterns::insertionPattern(name));
    IcuRegex update(SplicePatterns::updatePattern(name));
    Groups groups;
    auto outcome = firstMatch(insertion, text, tag, occurrence, groups);
    if (outcome == IcuRegex::Outcome::Matched) {
        if (const auto edit = UnitSplice::insertion(groups, row))
            UnitSplice::apply(text, {*edit});
        return true;
    }
    if (outcome == IcuRegex::Outcome::NoMatch)
        outcome = firstMatch(update, text, tag, occurrence, groups);
    if (outcome == IcuRegex::Outcome::Matched)
        UnitSplice::apply(text, UnitSplice::update(text, groups, row, before));
    return outcome != IcuRegex::Outcome::TimedOut;
}

} // namespace

SpliceResult ReferenceSplicer::splice(const QString &fileText, std::span<const UnitRecord> rows)
{
    QString text = fileText;
    const std::vector<int> occurrence = occurrences(fileText, rows);
    // Each match has its own limit, but a hostile file can make every one of many rows
    // nearly reach it; the whole splice has a budget too.
    const QDeadlineTimer deadline(SplicePatterns::spliceTimeBudget);
    UnitValues before(fileText);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].name || occurrence[i] == unreachable)
            continue;
        if (deadline.hasExpired() || !spliceRow(text, rows[i], occurrence[i], before)) {
            SpliceResult result;
            result.errorString = QCoreApplication::translate(
                                     "ReferenceSplicer", "matching the unit \"%1\" took too long")
                                     .arg(*rows[i].name);
            return result;
        }
    }
    return SpliceVerifier::verify(std::move(text), rows);
}

#include "document/ReferenceSplicer.h"

#include "document/IcuRegex.h"
#include "document/SplicePatterns.h"
#include "document/SpliceVerifier.h"
#include "document/UnitSplice.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

using Groups = std::vector<IcuRegex::Range>;

/// For rows whose id occurs more than once: which occurrence of the id (by position in
/// the file) is the row's own unit. -1 for rows with a unique id.
std::vector<int> occurrences(std::span<const UnitRecord> rows)
{
    QHash<QString, std::vector<size_t>> byName;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name)
            byName[*rows[i].name].push_back(i);
    }
    std::vector<int> occurrence(rows.size(), -1);
    for (auto &indexes : byName) {
        if (indexes.size() < 2)
            continue;
        std::ranges::sort(indexes, {}, [&](size_t i) { return rows[i].port; });
        for (size_t k = 0; k < indexes.size(); ++k)
            occurrence[indexes[k]] = int(k);
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
bool spliceRow(QString &text, const UnitRecord &row, int occurrence)
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
        UnitSplice::apply(text, UnitSplice::update(text, groups, row));
    return outcome != IcuRegex::Outcome::TimedOut;
}

} // namespace

SpliceResult ReferenceSplicer::splice(const QString &fileText, std::span<const UnitRecord> rows)
{
    QString text = fileText;
    const std::vector<int> occurrence = occurrences(rows);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].name)
            continue;
        if (!spliceRow(text, rows[i], occurrence[i])) {
            SpliceResult result;
            result.errorString = QCoreApplication::translate(
                                     "ReferenceSplicer", "matching the unit \"%1\" took too long")
                                     .arg(*rows[i].name);
            return result;
        }
    }
    return SpliceVerifier::verify(std::move(text), rows);
}

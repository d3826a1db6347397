#pragma once

#include "dictionary/ReplacementDictionary.h"
#include "dictionary/ReplacementResult.h"
#include "document/UnitRecord.h"

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

/// Fills unit targets from the application-name rules and the replacement dictionary.
///
/// A row whose part is "NSMenuItem" and whose source is an About, Quit, Hide (not
/// "Hide Others") or Help title gets the rule's title. Any other row whose source equals an
/// entry's source exactly gets the target of the first such entry in display order. Rows
/// that nothing covers, and rows marked not to be translated, keep their values. The outcome
/// depends only on each row's source and part and on the dictionary, so a second pass
/// changes nothing.
class ReplacementPass
{
public:
    /// Indexes the dictionary once; the first entry of each source is the one kept.
    explicit ReplacementPass(const ReplacementDictionary &dictionary);

    /// The target the pass sets for `row`, or nothing when no rule and no entry applies.
    std::optional<QString> targetFor(const UnitRecord &row) const;

    /// Runs the pass over `rows` (in table order) and reports the rows it changed.
    ReplacementResult apply(std::vector<UnitRecord> rows) const;

    /// Shorthand for `ReplacementPass(dictionary).apply(rows)`.
    static ReplacementResult run(const std::vector<UnitRecord> &rows,
                                 const ReplacementDictionary &dictionary);

private:
    QHash<QString, QString> m_targets;
};

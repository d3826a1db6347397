#pragma once

#include "dictionary/ReplacementDictionary.h"
#include "dictionary/ReplacementResult.h"
#include "document/FileHeader.h"
#include "document/UnitRecord.h"

#include <QCoreApplication>
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
/// changes nothing. Its rules and the built-in entries give Japanese titles, so its callers
/// run it only on documents translated into Japanese (`refusal()`).
class ReplacementPass
{
    Q_DECLARE_TR_FUNCTIONS(ReplacementPass)

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

    /// Why the pass must not run on a document with these files, for the user; empty when
    /// their target language is Japanese ("ja", "ja-JP", "ja_JP"…).
    static QString refusal(const std::vector<FileHeader> &files);

    /// What a pass did, for the user: "Replaced 12 targets; 3 of them had another
    /// translation.", or that nothing changed.
    static QString summary(const ReplacementResult &result);

private:
    QHash<QString, QString> m_targets;
};

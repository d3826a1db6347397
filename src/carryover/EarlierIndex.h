#pragma once

#include "document/UnitRecord.h"

#include <QHash>
#include <QString>

#include <optional>
#include <span>

/// The translated targets of an earlier file, by unit identity and by source text, for
/// carry-over. Targets are kept as the file holds them, blanks included.
class EarlierIndex
{
public:
    /// An earlier unit's target and whether it was marked for review.
    struct Target
    {
        QString text;
        bool review = false;
    };

    /// A target for a source from units of other identities.
    struct Suggestion
    {
        QString text;
        bool severalTargets = false; ///< chosen as the most frequent of differing targets
    };

    explicit EarlierIndex(std::span<const UnitRecord> units);

    /// The identity Xcode gives a unit: its file's `original`, its id and its source.
    static QString identity(const UnitRecord &unit);

    /// The target of the unit with the same identity: the n-th such unit for the n-th.
    std::optional<Target> exact(const QString &identity, qsizetype occurrence) const;

    /// The target most often given to the source in the same `original`, else anywhere. A
    /// target that merely copies its source never counts, and a tie gives no suggestion:
    /// nothing says which of the two is meant. Each source and file is weighed once.
    std::optional<Suggestion> sameText(const QString &source, const QString &from) const;

private:
    using Counts = QHash<QString, qsizetype>; ///< how often each target was given

    struct Candidates
    {
        Counts all;
        QHash<QString, Counts> byFile;
    };

    static std::optional<Suggestion> best(const Counts &counts);

    QHash<QString, QList<std::optional<Target>>> m_exact;
    QHash<QString, Candidates> m_text;
    mutable QHash<QString, std::optional<Suggestion>> m_chosen;
};

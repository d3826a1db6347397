#pragma once

#include <QString>
#include <QStringView>

/// How alike two texts are, in whole percent: 100 × (1 − d / max(|a|, |b|)) rounded down,
/// d the Levenshtein distance between the NFC forms of the texts counted in code points.
/// Integer arithmetic throughout, so a bound and a score never disagree by a rounding.
namespace Similarity {

/// The text as it is compared: NFC.
QString comparable(QStringView text);

/// The number of code points of `text` (a surrogate pair counts once).
int codePoints(QStringView text);

/// The score of two texts of `lengthA` and `lengthB` code points at distance `distance`.
inline int score(int distance, int lengthA, int lengthB)
{
    const int longer = lengthA > lengthB ? lengthA : lengthB;
    if (longer == 0)
        return 100;
    return int((100LL * (longer - distance)) / longer);
}

/// The largest distance that still scores at least `minimum` when the longer text has
/// `longer` code points: d ≤ (100 − minimum) × longer / 100, rounded down.
inline int maxDistance(int longer, int minimum)
{
    return int((100LL - minimum) * longer / 100);
}

/// The score of two texts, computed plainly (for a handful of pairs, not for searching).
int of(QStringView a, QStringView b);

} // namespace Similarity

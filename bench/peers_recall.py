"""How two tools' answers compare: scores as each defines them, a brute force over every
entry, and how many of Tarnwick's matches the other returns."""

import unicodedata
from dataclasses import dataclass, field

import Levenshtein

from peers_common import LIMIT, MINIMUM


# ---------------------------------------------------------------------------------------------
# Scores


def nfc(text):
    return unicodedata.normalize("NFC", text)


def score_of(distance, longer):
    """100 × (1 − d / longer) rounded down, in integers."""
    if longer == 0:
        return 100
    return (100 * (longer - distance)) // longer


def our_score(a, b):
    """Tarnwick's similarity: 100 × (1 − d / max(|a|, |b|)) rounded down, d the Levenshtein
    distance over the code points of the NFC-normalised texts."""
    left = nfc(a)
    right = nfc(b)
    return score_of(Levenshtein.distance(left, right), max(len(left), len(right)))


def toolkit_score(a, b):
    """translate-toolkit's similarity (LevenshteinComparer, texts under 1,000 code points):
    100 − (d / max(|a|, |b|)) × 100 as a float, on the texts as given."""
    longer = max(len(a), len(b))
    return 100 - (Levenshtein.distance(a, b) * 1.0 / longer) * 100


def brute_force(query, sources_by_length):
    """Every entry Tarnwick's definition admits, best first, as (score, source). Only lengths
    that can reach the minimum are scored: a text is at least the difference in length away."""
    text = nfc(query)
    length = len(text)
    shortest = (length * MINIMUM + 99) // 100
    longest = length * 100 // MINIMUM
    admitted = []
    for size in range(shortest, longest + 1):
        for source in sources_by_length.get(size, []):
            score = score_of(Levenshtein.distance(text, source), max(length, size))
            if score >= MINIMUM:
                admitted.append((score, source))
    admitted.sort(key=lambda match: -match[0])
    return admitted


def by_length(sources):
    """NFC-normalised sources grouped by their length in code points."""
    groups = {}
    for source in sources:
        text = nfc(source)
        groups.setdefault(len(text), []).append(text)
    return groups


# ---------------------------------------------------------------------------------------------
# Comparing answers


@dataclass
class Recall:
    queries: int = 0
    ours: int = 0
    also_returned: int = 0
    extras: list = field(default_factory=list)
    missed: list = field(default_factory=list)

    def cell(self):
        if self.queries == 0:
            return "—"
        text = "%d/%d (%d queries)" % (self.also_returned, self.ours, self.queries)
        if self.extras:
            text += ", %d that Tarnwick missed" % len(self.extras)
        return text


def compare(query, ours, theirs, every_admitted, recall):
    """Adds one query to RECALL: OURS is Tarnwick's top list of (score, source), THEIRS the
    other's sources, EVERY_ADMITTED the sources Tarnwick admits at any rank."""
    recall.queries += 1
    recall.ours += len(ours)
    their_sources = set(theirs)
    our_sources = {source for _, source in ours}
    found = sum(1 for _, source in ours if source in their_sources)
    substitutes = 0
    if len(ours) == LIMIT:
        substitutes = tie_substitutes(query, ours, theirs, their_sources, our_sources)
    recall.also_returned += found + substitutes
    missing = [source for _, source in ours if source not in their_sources]
    for source in missing[substitutes:]:
        recall.missed.append((query, source))
    for source in theirs:
        if source not in every_admitted and our_score(query, source) >= MINIMUM:
            recall.extras.append((query, source))


def tie_substitutes(query, ours, theirs, their_sources, our_sources):
    """Entries of the other's list that stand in for ours of the same, lowest score: at the
    cut of the limit any entry tied there is as right as another."""
    lowest = ours[-1][0]
    missing = sum(1 for score, source in ours if score == lowest and source not in their_sources)
    standing_in = sum(1 for source in theirs
                      if source not in our_sources and our_score(query, source) == lowest)
    return min(missing, standing_in)


def check_against_brute_force(queries, answers, sources_by_length):
    """How many of brute force's top matches Tarnwick gave at the same rank with the right
    score, out of how many, as a Recall."""
    recall = Recall()
    for query, answer in zip(queries, answers):
        expected = brute_force(query, sources_by_length)
        recall.queries += 1
        recall.ours += min(len(expected), LIMIT)
        for rank, (score, source) in enumerate(answer):
            right_rank = rank < len(expected) and expected[rank][0] == score
            if right_rank and our_score(query, source) == score:
                recall.also_returned += 1
    return recall


def miss_reason(query, source):
    if toolkit_score(query, source) < MINIMUM:
        return "scored below 70 by its definition"
    return "not among the candidates it scored"

#include "carryover/CarryOver.h"

#include "xliff/StateAttribute.h"
#include "document/TranslationStatus.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

/// The identity Xcode gives a unit: its file's `original`, its id and its source.
QString identity(const UnitRecord &unit)
{
    // U+0001 stands in none of the three: XML does not allow it in text.
    return unit.from.value_or(QString()) + u'\x01' + unit.name.value_or(QString()) + u'\x01' +
           unit.srcs.value_or(QString());
}

/// One target the earlier file gives a source, and how often within one `original`.
struct Candidate
{
    QString target;
    QString from;
    qsizetype count = 0;
};

/// A target and whether it was picked from several that differ.
struct Suggestion
{
    QString target;
    bool severalTargets = false;
};

/// The earlier file's translated targets, by unit identity and by source text.
class EarlierIndex
{
public:
    explicit EarlierIndex(std::span<const UnitRecord> units)
    {
        for (const UnitRecord &unit : units) {
            const bool translated = !TranslationStatus::isUntranslated(unit);
            // Untranslated units keep their place, so repeated identities pair up in order.
            m_exact[identity(unit)].push_back(translated ? unit.tget : std::nullopt);
            if (translated && unit.srcs && !unit.srcs->isEmpty())
                addCandidate(*unit.srcs, *unit.tget, unit.from.value_or(QString()));
        }
    }

    /// The target of the unit with the same identity: the n-th such unit for the n-th.
    std::optional<QString> exact(const QString &key, qsizetype occurrence) const
    {
        const auto found = m_exact.constFind(key);
        if (found == m_exact.cend())
            return std::nullopt;
        const QList<std::optional<QString>> &targets = *found;
        if (occurrence < targets.size())
            return targets[occurrence];
        for (const std::optional<QString> &target : targets) {
            if (target)
                return target;
        }
        return std::nullopt;
    }

    /// The target most often given to the source in the same `original`, else anywhere.
    std::optional<Suggestion> sameText(const QString &source, const QString &from) const
    {
        const auto found = m_text.constFind(source);
        if (found == m_text.cend())
            return std::nullopt;
        const QList<Candidate> &candidates = *found;
        const bool sameFile = std::ranges::any_of(
            candidates, [&](const Candidate &candidate) { return candidate.from == from; });
        // Totals per target, in the order the targets were first met: ties go to the first.
        QList<std::pair<QString, qsizetype>> totals;
        for (const Candidate &candidate : candidates) {
            if (sameFile && candidate.from != from)
                continue;
            auto total =
                std::ranges::find(totals, candidate.target, &std::pair<QString, qsizetype>::first);
            if (total == totals.end())
                totals.append({candidate.target, candidate.count});
            else
                total->second += candidate.count;
        }
        const auto best = std::ranges::max_element(
            totals, [](const auto &a, const auto &b) { return a.second < b.second; });
        return Suggestion{best->first, totals.size() > 1};
    }

private:
    void addCandidate(const QString &source, const QString &target, const QString &from)
    {
        QList<Candidate> &candidates = m_text[source];
        for (Candidate &candidate : candidates) {
            if (candidate.target == target && candidate.from == from) {
                ++candidate.count;
                return;
            }
        }
        candidates.append({target, from, 1});
    }

    QHash<QString, QList<std::optional<QString>>> m_exact;
    QHash<QString, QList<Candidate>> m_text;
};

QString normalisedLanguage(const QString &code)
{
    return QString(code).replace(u'_', u'-').toLower();
}

} // namespace

CarryOver::Result CarryOver::carry(std::span<const UnitRecord> rows,
                                   const std::vector<FileHeader> &files, const ReadResult &earlier,
                                   Options options)
{
    Result result;
    const auto language = FileHeader::targetLanguageOf(files);
    const auto earlierLanguage = FileHeader::targetLanguageOf(earlier.files);
    if (language && earlierLanguage && !sameLanguage(*language, *earlierLanguage)) {
        result.error = QCoreApplication::translate(
                           "CarryOver", "The earlier translation is into \"%1\", this file into "
                                        "\"%2\": only a translation into the same language "
                                        "can be carried over.")
                           .arg(*earlierLanguage, *language);
        return result;
    }

    const EarlierIndex index(earlier.units);
    QHash<QString, qsizetype> occurrences;
    for (size_t i = 0; i < rows.size(); ++i) {
        const UnitRecord &row = rows[i];
        const QString key = identity(row);
        const qsizetype occurrence = occurrences[key]++;
        if (!row.translatable || (!options.overwrite && !TranslationStatus::isUntranslated(row)))
            continue;

        std::optional<QString> target = index.exact(key, occurrence);
        std::optional<QString> state;
        if (target) {
            ++result.counts.exact;
            // Where the file keeps no states, an exact target needs no mark at all.
            if (options.statesUsed)
                state = StateAttribute::translated.toString();
        } else if (const auto suggestion =
                       row.srcs && !row.srcs->isEmpty()
                           ? index.sameText(*row.srcs, row.from.value_or(QString()))
                           : std::nullopt) {
            ++result.counts.review;
            result.counts.severalTargets += suggestion->severalTargets ? 1 : 0;
            target = suggestion->target;
            state = StateAttribute::needsReview.toString();
        } else {
            ++result.counts.notFound;
            continue;
        }
        // A unit that already reads so keeps its state, unless an exact target settles it.
        const bool exact = state != StateAttribute::needsReview;
        if (row.tget == target && (!exact || row.state == state))
            continue;
        result.changes.push_back({i, std::move(target), std::move(state)});
    }
    return result;
}

void CarryOver::apply(std::span<UnitRecord> rows, const std::vector<TargetChange> &changes)
{
    for (const TargetChange &change : changes) {
        if (change.row >= rows.size())
            continue;
        rows[change.row].tget = change.tget;
        rows[change.row].state = change.state;
    }
}

bool CarryOver::sameLanguage(const QString &a, const QString &b)
{
    return normalisedLanguage(a) == normalisedLanguage(b);
}

#include "carryover/EarlierIndex.h"

#include "document/TranslationStatus.h"

EarlierIndex::EarlierIndex(std::span<const UnitRecord> units)
{
    for (const UnitRecord &unit : units) {
        const bool translated = !TranslationStatus::isUntranslated(unit);
        // Untranslated units keep their place, so repeated identities pair up in order.
        m_exact[identity(unit)].push_back(
            translated
                ? std::optional(Target{*unit.rawTarget(), TranslationStatus::needsReview(unit)})
                : std::nullopt);
        // A target equal to its source is an English copy, not a translation to suggest.
        if (!translated || !unit.srcs || unit.srcs->isEmpty() || unit.tget == unit.srcs)
            continue;
        Candidates &candidates = m_text[*unit.srcs];
        const QString &target = *unit.rawTarget();
        ++candidates.all[target];
        ++candidates.byFile[unit.from.value_or(QString())][target];
    }
}

QString EarlierIndex::identity(const UnitRecord &unit)
{
    // U+0001 stands in none of the three: XML does not allow it in text.
    return unit.from.value_or(QString()) + u'\x01' + unit.name.value_or(QString()) + u'\x01' +
           unit.srcs.value_or(QString());
}

std::optional<EarlierIndex::Target> EarlierIndex::exact(const QString &identity,
                                                        qsizetype occurrence) const
{
    const auto found = m_exact.constFind(identity);
    if (found == m_exact.cend())
        return std::nullopt;
    const QList<std::optional<Target>> &targets = *found;
    if (occurrence < targets.size())
        return targets[occurrence];
    for (const std::optional<Target> &target : targets) {
        if (target)
            return target;
    }
    return std::nullopt;
}

std::optional<EarlierIndex::Suggestion> EarlierIndex::sameText(const QString &source,
                                                               const QString &from) const
{
    const auto found = m_text.constFind(source);
    if (found == m_text.cend())
        return std::nullopt;
    const QString key = from + u'\x01' + source;
    const auto chosen = m_chosen.constFind(key);
    if (chosen != m_chosen.cend())
        return *chosen;
    const auto sameFile = found->byFile.constFind(from);
    const std::optional<Suggestion> suggestion =
        best(sameFile != found->byFile.cend() ? *sameFile : found->all);
    m_chosen.insert(key, suggestion);
    return suggestion;
}

std::optional<EarlierIndex::Suggestion> EarlierIndex::best(const Counts &counts)
{
    const QString *winner = nullptr;
    qsizetype most = 0;
    bool tied = false;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            winner = &it.key();
            most = it.value();
            tied = false;
        } else if (it.value() == most) {
            tied = true;
        }
    }
    if (!winner || tied)
        return std::nullopt;
    return Suggestion{*winner, counts.size() > 1};
}

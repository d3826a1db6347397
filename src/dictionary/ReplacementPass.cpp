#include "dictionary/ReplacementPass.h"

#include "dictionary/MenuTitleRules.h"

#include <utility>

ReplacementPass::ReplacementPass(const ReplacementDictionary &dictionary)
{
    m_targets.reserve(static_cast<qsizetype>(dictionary.size()));
    for (const ReplacementEntry &entry : dictionary) {
        // A later entry with a source already seen never decides: the earliest one does.
        if (!m_targets.contains(entry.srcs))
            m_targets.insert(entry.srcs, entry.tget);
    }
}

std::optional<QString> ReplacementPass::targetFor(const UnitRecord &row) const
{
    if (!row.translatable)
        return std::nullopt;
    if (auto title = MenuTitleRules::translate(row.srcs, row.part))
        return title;
    if (!row.srcs)
        return std::nullopt;
    const auto found = m_targets.constFind(*row.srcs);
    if (found == m_targets.cend())
        return std::nullopt;
    return *found;
}

ReplacementResult ReplacementPass::apply(std::vector<UnitRecord> rows) const
{
    ReplacementResult result;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        UnitRecord &row = rows[i];
        auto target = targetFor(row);
        if (!target || row.tget == target)
            continue;
        row.tget = std::move(target);
        result.changedRows.push_back(i);
    }
    result.rows = std::move(rows);
    return result;
}

ReplacementResult ReplacementPass::run(const std::vector<UnitRecord> &rows,
                                       const ReplacementDictionary &dictionary)
{
    return ReplacementPass(dictionary).apply(rows);
}

#include "dictionary/ReplacementPass.h"

#include "dictionary/MenuTitleRules.h"
#include "document/TranslationStatus.h"

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
        if (!TranslationStatus::isUntranslated(row))
            ++result.replacedTranslations;
        row.setTarget(std::move(target));
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

namespace {

bool isJapanese(QString language)
{
    language = language.trimmed().toLower().replace(u'_', u'-');
    return language == u"ja" || language.startsWith(u"ja-");
}

} // namespace

QString ReplacementPass::refusal(const std::vector<FileHeader> &files)
{
    std::optional<QString> named;
    for (const FileHeader &file : files) {
        if (!file.targetLanguage || file.targetLanguage->trimmed().isEmpty())
            continue;
        if (!isJapanese(*file.targetLanguage))
            return tr("The replacement dictionary gives Japanese titles, and this document is "
                      "translated into \"%1\": nothing was replaced.")
                .arg(*file.targetLanguage);
        named = file.targetLanguage;
    }
    if (!named)
        return tr("The replacement dictionary gives Japanese titles, and this document names no "
                  "target language: nothing was replaced.");
    return {};
}

QString ReplacementPass::summary(const ReplacementResult &result)
{
    const int changed = int(result.changedRows.size());
    if (changed == 0)
        return tr("Nothing was replaced: every target the dictionary covers already has its "
                  "entry.");
    if (result.replacedTranslations == 0)
        return tr("Replaced %n target(s).", nullptr, changed);
    return tr("Replaced %n target(s); %1 of them had another translation.", nullptr, changed)
        .arg(result.replacedTranslations);
}

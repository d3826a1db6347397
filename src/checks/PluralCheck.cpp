#include "checks/PluralCheck.h"

#include "checks/PluralVariant.h"
#include "document/TranslationStatus.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

QString PluralCheck::id()
{
    return u"plural"_s;
}

std::vector<PluralGroup> PluralCheck::groups(std::span<const UnitRecord> units)
{
    // Keyed by file and group: Xcode repeats the same ids in different files.
    QHash<std::pair<qint32, QStringView>, std::size_t> index;
    std::vector<PluralGroup> groups;
    for (std::size_t row = 0; row < units.size(); ++row) {
        const UnitRecord &unit = units[row];
        if (!unit.name || !unit.translatable)
            continue;
        const std::optional<PluralVariant> variant = PluralVariant::of(*unit.name);
        if (!variant)
            continue;
        const auto key = std::pair(unit.file, variant->group);
        auto found = index.constFind(key);
        if (found == index.cend()) {
            found = index.insert(key, groups.size());
            groups.push_back({unit.file, {}});
        }
        groups[*found].variants.emplace_back(row, variant->category.toString());
    }
    return groups;
}

std::vector<Problem> PluralCheck::inspect(std::span<const PluralGroup> groups,
                                          std::span<const UnitRecord> units,
                                          std::span<const LanguagePair> languages)
{
    std::vector<Problem> problems;
    const LanguagePair unknown;
    for (const PluralGroup &group : groups) {
        QStringList translated;
        for (const auto &[row, category] : group.variants) {
            if (row < units.size() && !TranslationStatus::isUntranslated(units[row]))
                translated.append(category);
        }
        // Nothing of the group translated yet: the untranslated count has it.
        if (translated.isEmpty())
            continue;
        const bool known = group.file >= 0 && std::size_t(group.file) < languages.size();
        const LanguagePair &language = known ? languages[group.file] : unknown;
        QStringList missing;
        for (const QString &category : language.plurals().required()) {
            if (!translated.contains(category))
                missing.append(category);
        }
        if (missing.isEmpty())
            continue;
        const QString name =
            language.target().isEmpty() ? tr("The target language") : language.target();
        problems.push_back(
            {group.variants.front().first, id(), Problem::Severity::Error,
             tr("The plural forms lack %1; %2 needs %3.")
                 .arg(missing.join(u", "_s), name, language.plurals().required().join(u", "_s))});
    }
    return problems;
}

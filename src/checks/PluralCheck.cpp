#include "checks/PluralCheck.h"

#include "checks/PluralVariant.h"
#include "document/TranslationStatus.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Group
{
    std::size_t firstRow = 0;
    qint32 file = -1;
    QStringList translated; ///< categories whose variant has a translation
};

} // namespace

QString PluralCheck::id()
{
    return u"plural"_s;
}

std::vector<Problem> PluralCheck::inspect(std::span<const UnitRecord> units,
                                          std::span<const LanguagePair> languages)
{
    // Keyed by file and group: Xcode repeats the same ids in different files.
    QHash<std::pair<qint32, QStringView>, std::size_t> index;
    std::vector<Group> groups;
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
            groups.push_back({row, unit.file, {}});
        }
        if (!TranslationStatus::isUntranslated(unit))
            groups[*found].translated.append(variant->category.toString());
    }
    std::vector<Problem> problems;
    const LanguagePair unknown;
    for (const Group &group : groups) {
        if (group.translated.isEmpty())
            continue;
        const bool known = group.file >= 0 && std::size_t(group.file) < languages.size();
        const LanguagePair &language = known ? languages[group.file] : unknown;
        QStringList missing;
        for (const QString &category : language.plurals().required()) {
            if (!group.translated.contains(category))
                missing.append(category);
        }
        if (missing.isEmpty())
            continue;
        const QString name =
            language.target().isEmpty() ? tr("The target language") : language.target();
        problems.push_back(
            {group.firstRow, id(), Problem::Severity::Error,
             tr("The plural forms lack %1; %2 needs %3.")
                 .arg(missing.join(u", "_s), name, language.plurals().required().join(u", "_s))});
    }
    return problems;
}

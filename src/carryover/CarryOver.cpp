#include "carryover/CarryOver.h"

#include "carryover/EarlierIndex.h"
#include "xliff/StateAttribute.h"
#include "document/TranslationStatus.h"

#include <QCoreApplication>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

QString normalisedLanguage(const QString &code)
{
    return QString(code).replace(u'_', u'-').toLower();
}

QString fileName(const FileHeader &file, qsizetype index)
{
    return file.original.value_or(u"#%1"_s.arg(index + 1));
}

/// Why the earlier file can't give this document its targets: it is no export, one of its
/// `<file>`s names no target language, or one of either file's names another language.
QString languageError(const std::vector<FileHeader> &files, const std::vector<FileHeader> &earlier)
{
    if (earlier.empty())
        return QCoreApplication::translate(
            "CarryOver",
            "The earlier translation holds no <file> element: it is not an XLIFF export.");
    const QString language = earlier.front().targetLanguage.value_or(QString());
    for (size_t i = 0; i < earlier.size(); ++i) {
        const std::optional<QString> &own = earlier[i].targetLanguage;
        if (!own || own->isEmpty())
            return QCoreApplication::translate(
                       "CarryOver",
                       "The earlier translation's file \"%1\" names no target language: only a "
                       "translation into this file's language can be carried over.")
                .arg(fileName(earlier[i], qsizetype(i)));
        if (!CarryOver::sameLanguage(*own, language))
            return QCoreApplication::translate(
                       "CarryOver",
                       "The earlier translation is into \"%1\" and \"%2\": only a translation "
                       "into one language can be carried over.")
                .arg(language, *own);
    }
    for (const FileHeader &file : files) {
        if (file.targetLanguage && !file.targetLanguage->isEmpty() &&
            !CarryOver::sameLanguage(*file.targetLanguage, language))
            return QCoreApplication::translate(
                       "CarryOver",
                       "The earlier translation is into \"%1\", this file into \"%2\": only a "
                       "translation into the same language can be carried over.")
                .arg(language, *file.targetLanguage);
    }
    return {};
}

} // namespace

CarryOver::Result CarryOver::carry(std::span<const UnitRecord> rows,
                                   const std::vector<FileHeader> &files, const ReadResult &earlier,
                                   Options options)
{
    Result result;
    result.error = languageError(files, earlier.files);
    if (!result.error.isEmpty())
        return result;

    const EarlierIndex index(earlier.units);
    QHash<QString, qsizetype> occurrences;
    for (size_t i = 0; i < rows.size(); ++i) {
        const UnitRecord &row = rows[i];
        const QString key = EarlierIndex::identity(row);
        const qsizetype occurrence = occurrences[key]++;
        const bool untranslated = TranslationStatus::isUntranslated(row);
        if (!row.translatable || (!options.overwrite && !untranslated))
            continue;
        if (auto change = fill(index, row, i, key, occurrence, untranslated, options, result))
            result.changes.push_back(std::move(*change));
    }
    return result;
}

std::optional<TargetChange> CarryOver::fill(const EarlierIndex &index, const UnitRecord &row,
                                            size_t i, const QString &key, qsizetype occurrence,
                                            bool untranslated, Options options, Result &result)
{
    std::optional<QString> target;
    std::optional<QString> state;
    Kind kind = Kind::Exact;
    if (const auto exact = index.exact(key, occurrence)) {
        ++result.counts.exact;
        target = exact->text;
        // A mark for review comes along; where the file keeps no states an exact target
        // needs no mark at all.
        if (exact->review)
            state = StateAttribute::needsReview.toString();
        else if (options.statesUsed)
            state = StateAttribute::translated.toString();
    } else if (!untranslated || options.exactOnly) {
        // A translation is replaced by the same unit's earlier one only, never a guess.
        if (untranslated)
            ++result.counts.notFound;
        return std::nullopt;
    } else if (const auto suggestion = row.srcs && !row.srcs->isEmpty()
                                           ? index.sameText(*row.srcs, row.from.value_or(QString()))
                                           : std::nullopt) {
        ++result.counts.review;
        result.counts.severalTargets += suggestion->severalTargets ? 1 : 0;
        target = suggestion->text;
        state = StateAttribute::needsReview.toString();
        kind = Kind::Suggestion;
    } else {
        ++result.counts.notFound;
        return std::nullopt;
    }
    // A unit that already reads so keeps its state, unless an exact target settles it.
    const bool settles = state != StateAttribute::needsReview;
    if (row.rawTarget() == target && (!settles || row.state == state))
        return std::nullopt;
    result.kinds.push_back(kind);
    return TargetChange{i, std::move(target), std::move(state)};
}

void CarryOver::apply(std::span<UnitRecord> rows, const std::vector<TargetChange> &changes)
{
    for (const TargetChange &change : changes) {
        if (change.row >= rows.size())
            continue;
        rows[change.row].setTarget(change.tget);
        rows[change.row].state = change.state;
    }
}

bool CarryOver::sameLanguage(const QString &a, const QString &b)
{
    return normalisedLanguage(a) == normalisedLanguage(b);
}

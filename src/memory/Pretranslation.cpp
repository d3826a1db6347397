#include "memory/Pretranslation.h"

#include "document/TranslationStatus.h"
#include "memory/TranslationMemory.h"
#include "xliff/StateAttribute.h"

#include <QCoreApplication>

Pretranslation::Result Pretranslation::run(std::span<const UnitRecord> rows,
                                           const std::vector<FileHeader> &files,
                                           TranslationMemory &memory, const Options &options)
{
    Result result;
    const QString targetLanguage = FileHeader::targetLanguageOf(files).value_or(QString());
    if (targetLanguage.isEmpty()) {
        result.error =
            QCoreApplication::translate("Pretranslation", "the document names no target language");
        return result;
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const UnitRecord &unit = rows[row];
        if (!unit.translatable || !TranslationStatus::isUntranslated(unit) || !unit.srcs ||
            unit.srcs->isEmpty())
            continue;
        const FileHeader *file = unit.file >= 0 && std::size_t(unit.file) < files.size()
                                     ? &files[std::size_t(unit.file)]
                                     : nullptr;
        const QString sourceLanguage = file ? file->sourceLanguage.value_or(QString()) : QString();
        const MatchIndex::Query query{*unit.rawSource(),
                                      unit.from.value_or(QString()),
                                      unit.name.value_or(QString()),
                                      targetLanguage,
                                      options.minimum,
                                      1};
        const auto matches = memory.lookup(sourceLanguage, query);
        if (!matches) {
            result.error =
                QCoreApplication::translate("Pretranslation", "the memory could not be read");
            result.changes.clear();
            return result;
        }
        if (matches->empty()) {
            ++result.counts.notFound;
            continue;
        }
        const TranslationMemory::Match &best = matches->front();
        const bool exact = best.score == 100;
        ++(exact ? result.counts.exact : result.counts.fuzzy);
        std::optional<QString> state = StateAttribute::needsReview.toString();
        if (exact && options.exactAsTranslated) {
            // Where the file keeps no states, a settled target needs no mark at all.
            state = options.statesUsed ? std::optional(StateAttribute::translated.toString())
                                       : std::nullopt;
        }
        result.changes.push_back({row, best.entry.target, std::move(state)});
    }
    return result;
}

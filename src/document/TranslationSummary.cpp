#include "document/TranslationSummary.h"

#include "document/FileHeader.h"
#include "document/TranslationStatus.h"

TranslationSummary TranslationSummary::of(const ReadResult &content)
{
    TranslationSummary summary;
    summary.targetLanguage = FileHeader::targetLanguageOf(content.files);
    summary.total = qsizetype(content.units.size());
    for (const UnitRecord &unit : content.units) {
        if (TranslationStatus::of(unit) == TranslationStatus::Status::Translated)
            ++summary.translated;
    }
    return summary;
}

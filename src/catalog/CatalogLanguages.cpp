#include "catalog/CatalogLanguages.h"

#include "catalog/CatalogDocument.h"
#include "catalog/CatalogUnits.h"
#include "document/TranslationStatus.h"

std::vector<CatalogLanguages::Progress> CatalogLanguages::of(QByteArrayView bytes)
{
    std::vector<Progress> progress;
    const CatalogDocument::Parsed parsed = CatalogDocument::parse(bytes);
    if (!parsed.document)
        return progress;
    for (const QString &language : parsed.document->languages()) {
        Progress each{language, language == parsed.document->sourceLanguage()};
        const CatalogUnits::Units units = CatalogUnits(*parsed.document, language, {}).collect();
        each.units = qsizetype(units.units.size());
        for (const UnitRecord &unit : units.units)
            each.translated += TranslationStatus::of(unit) == TranslationStatus::Status::Translated;
        progress.push_back(each);
    }
    return progress;
}

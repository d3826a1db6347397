#include "catalog/CatalogReader.h"

#include "catalog/CatalogDocument.h"
#include "catalog/CatalogUnits.h"

#include <QCoreApplication>

CatalogRead CatalogReader::read(QByteArrayView bytes, const QString &language,
                                const QString &fileName)
{
    CatalogRead read;
    CatalogDocument::Parsed parsed = CatalogDocument::parse(bytes);
    if (!parsed.document) {
        read.result.errorString = parsed.errorString;
        read.result.line = parsed.line;
        read.result.column = parsed.column;
        return read;
    }
    const CatalogDocument &document = *parsed.document;
    read.sourceLanguage = document.sourceLanguage();
    read.languages = document.languages();
    if (language.isEmpty()) {
        read.result.errorString =
            QCoreApplication::translate("CatalogReader", "no language was chosen");
        return read;
    }
    for (const QString &key : document.duplicateKeys()) {
        read.warnings.append(
            QCoreApplication::translate("CatalogReader",
                                        "The key \"%1\" is written twice. Tarnwick shows and edits "
                                        "the first copy and keeps the second as it is.")
                .arg(key));
    }
    CatalogUnits::Units units = CatalogUnits(document, language, fileName).collect();
    read.result.units = std::move(units.units);
    read.places = std::move(units.places);
    read.result.files.push_back(FileHeader{fileName, document.sourceLanguage(), language});
    read.result.complete = true;
    return read;
}

bool CatalogReader::isCatalogPath(const QString &path)
{
    return path.endsWith(QLatin1String(".xcstrings"), Qt::CaseInsensitive);
}

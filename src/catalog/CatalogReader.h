#pragma once

#include "catalog/CatalogSlot.h"
#include "document/ReadResult.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

/// What reading one language of a String Catalog gave.
struct CatalogRead
{
    /// The units as an export's read gives them; one file header (the catalog).
    ReadResult result;
    std::vector<CatalogSlot> places; ///< where each unit lives, one per unit
    QString sourceLanguage;
    QStringList languages; ///< every language the catalog has, sorted
    /// Things the user must know, such as a key written twice.
    QStringList warnings;
};

/// Reads a String Catalog (`.xcstrings`) into unit records for one target language.
class CatalogReader
{
public:
    /// `fileName` becomes every unit's `from` and the header's `original`.
    static CatalogRead read(QByteArrayView bytes, const QString &language, const QString &fileName);
    /// Whether `path` names a String Catalog, by its extension.
    static bool isCatalogPath(const QString &path);
};

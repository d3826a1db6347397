#pragma once

#include "catalog/CatalogDocument.h"

#include <QByteArrayView>
#include <QString>

/// Proves an edited catalog differs from its original only inside one language's
/// localizations: every other value keeps its bytes, every key its place.
class CatalogDiff
{
public:
    struct Result
    {
        bool onlyLanguage = false;
        /// Where the first difference outside the language is, as a path of keys.
        QString where;
    };

    static Result compare(const CatalogDocument &original, QByteArrayView originalBytes,
                          const CatalogDocument &edited, QByteArrayView editedBytes,
                          const QString &language);
};

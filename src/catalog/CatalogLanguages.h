#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

/// Every language of a catalog and how far its translation has come, for choosing one.
class CatalogLanguages
{
public:
    struct Progress
    {
        QString language;
        bool source = false;      ///< the catalog's source language
        qsizetype units = 0;      ///< units the language is asked to provide
        qsizetype translated = 0; ///< of them, translated as the workbench counts
    };

    /// Sorted by language; empty when the bytes are not a catalog.
    static std::vector<Progress> of(QByteArrayView bytes);
};

#pragma once

#include <QString>

/// One entry of the translation memory: a source text and its translation, the languages
/// they are in, and where and when the pair came from.
struct MemoryEntry
{
    QString source;
    QString target;
    QString sourceLanguage; ///< BCP 47, normalised ("en", "pt-BR")
    QString targetLanguage;
    QString original;   ///< the `<file original>` the unit stood in; empty when not known
    QString unitId;     ///< the unit's id (a TMX `tuid`); empty when not known
    QString project;    ///< the export (or TMX file) the entry came from
    qint64 created = 0; ///< seconds since 1970 UTC
    qint64 rowId = 0;   ///< the entry's key in the store; 0 before it is stored
};

#pragma once

#include "catalog/CatalogDocument.h"
#include "catalog/CatalogSlot.h"
#include "document/UnitRecord.h"

#include <QString>
#include <QStringList>

#include <vector>

/// The units of one language of a catalog, as Xcode's export of it lists them: one per key,
/// or one per leaf of its variations (plural categories, devices, substitutions), ids
/// `key`, `key|==|plural.one`, `key|==|device.mac.plural.other`,
/// `key|==|substitutions.count.plural.few`. A plural group offers every category the
/// language needs, also where the source language has fewer.
class CatalogUnits
{
public:
    struct Units
    {
        std::vector<UnitRecord> units;
        std::vector<CatalogSlot> places; ///< one per unit
    };

    CatalogUnits(const CatalogDocument &document, const QString &language, const QString &from);
    Units collect() const;

    /// The text a source (or target) node shows: its string, its set's values joined by line
    /// feeds, or its `other` variation; null where it has none.
    static QString textOf(const JsonNode *node);

private:
    struct Entry
    {
        qsizetype index;
        const QString &key;
        const JsonNode &value;
    };
    struct Place
    {
        QStringList path;
        QString suffix; ///< the id's part after "|==|", built as the walk descends
        /// The source text where the source has nothing at this place (its `other`).
        QString sourceText;
    };

    void walk(const Entry &entry, const JsonNode *source, const JsonNode *target,
              const Place &place, Units &out) const;
    bool walkDevices(const Entry &entry, const JsonNode *shape, const JsonNode *source,
                     const JsonNode *target, const Place &place, Units &out) const;
    bool walkPlural(const Entry &entry, const JsonNode *shape, const JsonNode *source,
                    const JsonNode *target, const Place &place, Units &out) const;
    void leaf(const Entry &entry, const JsonNode *source, const JsonNode *target,
              const Place &place, Units &out) const;
    void substitutions(const Entry &entry, const JsonNode *source, const JsonNode *target,
                       Units &out) const;
    QStringList categories(const JsonNode *shape, bool fromTarget) const;

    const CatalogDocument &m_document;
    QString m_language;
    QString m_from;
    QStringList m_required;
};

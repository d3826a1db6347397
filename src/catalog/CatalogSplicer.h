#pragma once

#include "catalog/CatalogDocument.h"
#include "catalog/CatalogUnits.h"
#include "catalog/JsonTextEdits.h"
#include "catalog/XcodeJsonWriter.h"
#include "document/UnitRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

/// Writes one language's targets into a catalog's text. Only that language's values and
/// states change; a localization, variation or entry that must be made is inserted in
/// Xcode's layout where Xcode's key order puts it; every other byte stays.
class CatalogSplicer
{
public:
    struct Result
    {
        std::optional<QByteArray> bytes; ///< the new text; none when it could not be made
        QString errorString;
        /// Rows whose unit the catalog no longer has (by position and id), in row order.
        std::vector<std::size_t> unplaced;
        /// The state each placed row's unit must read back with, by row (none: untouched).
        std::vector<std::optional<QString>> expectedStates;
    };

    CatalogSplicer(const CatalogDocument &document, QByteArrayView original,
                   const QString &language);
    Result splice(const std::vector<UnitRecord> &rows) const;

    /// The state a unit is saved with: the row's where it changed it, "translated" for a
    /// target whose text changed, else the one the file has.
    static std::optional<QString> savedState(const UnitRecord &row, const UnitRecord &read);

private:
    std::optional<std::size_t> unitFor(const UnitRecord &row) const;
    bool place(const UnitRecord &row, std::size_t unit, const std::optional<QString> &state,
               JsonTextEdits &edits) const;
    void fillLeaf(JsonNode &holder, const CatalogSlot &slot, const UnitRecord &row,
                  const std::optional<QString> &state) const;
    void editLeaf(const JsonNode &leaf, const CatalogSlot &slot, const UnitRecord &row,
                  const std::optional<QString> &state, JsonTextEdits &edits) const;
    void copySubstitution(const CatalogSlot &slot, JsonNode &created) const;
    JsonNode valuesArray(const QString &joined) const;

    const CatalogDocument &m_document;
    QByteArrayView m_original;
    QString m_language;
    CatalogUnits::Units m_units;
    XcodeJsonWriter m_writer;
};

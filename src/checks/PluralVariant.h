#pragma once

#include <QStringView>

#include <optional>

/// Where a unit's id says it is one variant of a plural string: ids ending in
/// `:dict/<category>:dict/:string` (from a `.stringsdict`) or `|==|…plural.<category>`
/// (from a String Catalog).
struct PluralVariant
{
    QStringView group;    ///< the id up to the category: the same for every variant
    QStringView category; ///< "zero", "one", "two", "few", "many" or "other"

    /// The variant an id names, or nothing for an ordinary unit.
    static std::optional<PluralVariant> of(QStringView id);
    static bool isCategory(QStringView word);
};

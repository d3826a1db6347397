#pragma once

#include <QStringList>

/// Where a unit read from a catalog lives in the file, so a save finds (or makes) its place.
struct CatalogSlot
{
    /// The entry's index among the members of `strings` (the first copy of its key).
    qsizetype entry = -1;
    /// Keys from the language's localization object down to the object that holds the
    /// unit's `stringUnit`, e.g. {"variations", "plural", "one"}; empty for the plain string.
    QStringList path;
    /// The unit is a `stringSet`: its values joined by line feeds.
    bool stringSet = false;
};

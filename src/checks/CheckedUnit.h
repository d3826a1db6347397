#pragma once

#include "checks/LanguagePair.h"
#include "document/UnitRecord.h"

#include <QStringView>

/// A translated unit as a check sees it: its record, its two texts and its file's languages.
struct CheckedUnit
{
    const UnitRecord &record;
    QStringView source; ///< empty when the unit has none
    QStringView target; ///< never empty: untranslated units are not checked
    const LanguagePair &languages;
};

#pragma once

#include "checks/LanguagePair.h"
#include "document/UnitRecord.h"

#include <QSet>
#include <QStringView>

/// A translated unit as a check sees it: its record, its two texts and its file's languages.
struct CheckedUnit
{
    const UnitRecord &record;
    /// The texts as the file holds them (or as typed), blanks kept; `source` is empty when
    /// the unit has none, `target` never: untranslated units are not checked.
    QStringView source;
    QStringView target;
    const LanguagePair &languages;
    const QSet<QString> *terms = nullptr; ///< words the project keeps as they are
};

#pragma once

#include "checks/LanguagePair.h"
#include "checks/PluralGroup.h"
#include "checks/Problem.h"
#include "document/UnitRecord.h"

#include <QCoreApplication>

#include <span>
#include <vector>

/// The variants of one plural string must give a translation for every plural category the
/// file's target language uses. A group none of whose variants is translated yet is left
/// to the untranslated count.
class PluralCheck
{
    Q_DECLARE_TR_FUNCTIONS(PluralCheck)

public:
    static QString id();
    /// The document's plural groups, by first row. Ids do not change while a document is
    /// open, so the window finds them once per load.
    static std::vector<PluralGroup> groups(std::span<const UnitRecord> units);
    /// One problem per incomplete group, on the group's first row.
    static std::vector<Problem> inspect(std::span<const PluralGroup> groups,
                                        std::span<const UnitRecord> units,
                                        std::span<const LanguagePair> languages);
};

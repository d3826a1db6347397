#pragma once

#include "xliff/UnitLayout.h"
#include "document/UnitRecord.h"
#include "splice/UnitSplice.h"

#include <QString>

#include <vector>

/// Places targets by the positions of a unit's elements, for the units whose start tag,
/// target or line endings the patterns can't reach: the content of an existing target is
/// replaced, an empty `<target/>` gets the text (its attributes kept), and a unit without a
/// target gets one on its own line after the source, indented and ended as that line is.
/// A target that carries a `state` takes the row's state where it differs from the file's,
/// else "translated": the user has just translated it. In a file whose targets carry states
/// (`statesUsed`), a target without one is given the row's; a mark for review is given in
/// any file. A row without a target removes the unit's target element.
class PositionalSplicer
{
public:
    /// The edit that gives `unit` the row's target. A row without a target takes the unit's
    /// target out, with the line it stands on; nothing when neither has one.
    static std::optional<TextEdit> targetEdit(QStringView text, const UnitLayout &unit,
                                              const UnitRecord &row, bool statesUsed);
};

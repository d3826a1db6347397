#pragma once

#include "document/UnitRecord.h"

#include <QByteArray>

/// Units as the command-line tool prints them: one JSON object per unit and line, keyed by
/// the record's short key names, absent keys left out. Written straight to UTF-8, since a
/// large export prints hundreds of thousands of values.
namespace UnitJson {

/// Appends the unit's line, line feed included.
void appendLine(QByteArray &out, const UnitRecord &unit);

} // namespace UnitJson

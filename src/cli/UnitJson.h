#pragma once

#include "document/UnitRecord.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringView>

/// Units as the command-line tool prints them: one JSON object per unit and line, keyed by
/// the record's short key names, absent keys left out. Written straight to UTF-8, since a
/// large export prints hundreds of thousands of values.
namespace UnitJson {

/// Appends the unit's line, line feed included.
void appendLine(QByteArray &out, const UnitRecord &unit);

/// The unit's place as the lines about it name it: `from` and `name` where it has them,
/// and `port`; the caller adds what it says of the unit.
QJsonObject placeOf(const UnitRecord &unit);

/// Appends `text` as a JSON string, quotes included: control characters, quotes and
/// backslashes escaped, and U+FEFF too, which some parsers drop at the start of a value.
void appendString(QByteArray &out, QStringView text);

} // namespace UnitJson

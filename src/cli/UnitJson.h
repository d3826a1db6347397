#pragma once

#include "document/UnitRecord.h"

#include <QByteArray>
#include <QJsonObject>

/// Units as the command-line tool prints them: one JSON object per unit, keyed by the
/// record's short key names, absent keys left out.
namespace UnitJson {

QJsonObject toJson(const UnitRecord &unit);

/// One compact line of JSON, without the line feed.
QByteArray toLine(const QJsonObject &object);

} // namespace UnitJson

#pragma once

#include <QByteArray>

/// Qt's JSON parser drops a U+FEFF that begins a string value, so text holding that
/// character would not survive a write and a read. Written as the escape "\ufeff" it does.
namespace JsonText {

/// Replaces every raw U+FEFF in JSON text by its escape. Outside a string a raw U+FEFF is
/// not valid JSON anyway (a byte-order mark at the very start must be removed first), so
/// the meaning of valid text never changes.
QByteArray escapeByteOrderMarks(QByteArray json);

} // namespace JsonText

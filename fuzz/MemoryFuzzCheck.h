#pragma once

#include <QByteArrayView>
#include <QString>

/// What the memory fuzz target asks of any input: TMX read never fails but with a reason,
/// and what is read, written as TMX again, reads back as the same entries; and the input's
/// lines, as a memory, give a lookup of its first line exactly the entries and scores a plain
/// edit distance admits. Empty when all holds.
namespace MemoryFuzzCheck {

QString check(QByteArrayView data);

} // namespace MemoryFuzzCheck

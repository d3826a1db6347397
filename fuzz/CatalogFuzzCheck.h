#pragma once

#include <QByteArrayView>
#include <QString>

/// What the catalog fuzz target asks of any input: reading never fails but with a reason; a
/// save without edits gives the bytes back; a save with every unit edited is proven and
/// read back, and saving its result again changes nothing. Empty when all holds.
namespace CatalogFuzzCheck {

QString check(QByteArrayView data);

} // namespace CatalogFuzzCheck

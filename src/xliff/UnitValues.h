#pragma once

#include "document/UnitRecord.h"

#include <QByteArrayView>

#include <optional>
#include <vector>

/// The units of a file text as the reader reads them, parsed only when first asked for.
/// A save asks only where a range's own text and the reader's value of it may differ
/// (elements nested in a target or note, text between elements), which real exports rarely
/// have, so most saves never pay for the parse.
class UnitValues
{
public:
    /// `bytes`, the file as UTF-8, must outlive this object.
    explicit UnitValues(QByteArrayView bytes) : m_bytes(bytes) {}

    /// The unit the reader numbers `port`, when it has the row's id; else nothing.
    const UnitRecord *unitOf(const UnitRecord &row);

private:
    QByteArrayView m_bytes;
    std::optional<std::vector<UnitRecord>> m_units;
};

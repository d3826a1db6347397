#pragma once

#include <QString>

#include <cstddef>
#include <optional>

/// A new target for one row of the open document, and the `state` it has with it.
struct TargetChange
{
    std::size_t row = 0;          ///< index into the document's rows (the record's `port`)
    std::optional<QString> tget;  ///< the new target text; absent: no target
    std::optional<QString> state; ///< the new `state` value; absent: none
};

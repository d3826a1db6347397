#pragma once

#include <QString>

#include <cstddef>
#include <optional>

/// A new target for one row of a document: its text (absent: no target) and the `state`
/// that goes with it. Rows are numbered in file order.
struct TargetChange
{
    std::size_t row = 0;
    std::optional<QString> tget;
    std::optional<QString> state;

    bool operator==(const TargetChange &) const = default;
};

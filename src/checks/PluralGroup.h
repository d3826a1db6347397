#pragma once

#include <QString>

#include <cstddef>
#include <utility>
#include <vector>

/// The variants of one plural string in one `<file>`: their rows and categories.
struct PluralGroup
{
    qint32 file = -1;
    std::vector<std::pair<std::size_t, QString>> variants; ///< in file order
};

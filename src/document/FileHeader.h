#pragma once

#include <QString>

#include <optional>

/// What a `<file>` element says about the units inside it.
struct FileHeader
{
    std::optional<QString> original;       ///< `original`: the project file the units come from
    std::optional<QString> sourceLanguage; ///< `source-language`, e.g. "en"
    std::optional<QString> targetLanguage; ///< `target-language`, e.g. "ja"
};

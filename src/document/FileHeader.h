#pragma once

#include <QString>

#include <optional>
#include <vector>

/// What a `<file>` element says about the units inside it.
struct FileHeader
{
    std::optional<QString> original;       ///< `original`: the project file the units come from
    std::optional<QString> sourceLanguage; ///< `source-language`, e.g. "en"
    std::optional<QString> targetLanguage; ///< `target-language`, e.g. "ja"

    /// A document's target language: the first that one of its files names.
    static std::optional<QString> targetLanguageOf(const std::vector<FileHeader> &files)
    {
        for (const FileHeader &file : files) {
            if (file.targetLanguage && !file.targetLanguage->isEmpty())
                return file.targetLanguage;
        }
        return std::nullopt;
    }
};

#pragma once

#include <QString>

#include <optional>

/// Which entries a command of the memory means. A language given without a region ("ja")
/// takes every region of it; one with a region ("ja-JP") that tag alone. Unset parts take
/// every entry.
struct MemoryFilter
{
    QString sourceLanguage;
    QString targetLanguage;
    std::optional<QString> project;
    std::optional<QString> source;

    bool empty() const
    {
        return sourceLanguage.isEmpty() && targetLanguage.isEmpty() && !project && !source;
    }
};

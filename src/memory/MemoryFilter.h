#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

    /// The filter as the WHERE clause of the memory's table (empty for every entry) and
    /// the texts it binds, in order.
    struct Where
    {
        QByteArray sql;
        QStringList values;
    };
    Where where() const;
};

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

/// A unit whose new target the splice could not place.
struct UnwrittenUnit
{
    std::optional<QString> from;
    std::optional<QString> name;
    quint64 port = 0;
};

/// What a save may write.
struct SpliceResult
{
    /// The whole new file text, and the same as UTF-8; absent when nothing may be written.
    std::optional<QString> text;
    QByteArray bytes;
    /// Rows whose target does not read back from `text` as the row holds it.
    std::vector<UnwrittenUnit> unwritten;
    /// Why `text` is absent.
    QString errorString;
    /// True when `text` is absent because the file could not be read or decoded.
    bool unreadable = false;
};

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
    /// The whole new file as UTF-8; absent when nothing may be written.
    std::optional<QByteArray> bytes;
    /// Rows whose target does not read back from `bytes` as the row holds it.
    std::vector<UnwrittenUnit> unwritten;
    /// Why `bytes` is absent.
    QString errorString;
    /// True when `bytes` is absent because the file could not be read or decoded.
    bool unreadable = false;

    /// The new file as text (a byte-order mark kept as U+FEFF); absent with `bytes`.
    std::optional<QString> text() const;
};

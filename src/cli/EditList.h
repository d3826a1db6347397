#pragma once

#include "document/UnitRecord.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

/// Target edits read from JSON Lines: `{"port": N, "tget": "…"}` or
/// `{"from": "…", "name": "…", "tget": "…"}`, one object per line.
class EditList
{
public:
    struct Edit
    {
        std::optional<quint64> port;
        std::optional<QString> from;
        std::optional<QString> name; ///< with `port`, must name the same unit
        QString tget;
        int line = 0;
    };

    /// Parses the edits; on failure `error` names the line.
    static std::optional<EditList> parse(QByteArrayView jsonLines, QString *error);
    /// Reads and parses an edits file; on failure `error` says why.
    static std::optional<EditList> readFile(const QString &path, QString *error);

    /// Sets the targets on the rows. An edit that names no unit, or a unit another line
    /// already edits, is an error, and then no row is changed.
    bool applyTo(std::vector<UnitRecord> &rows, QString *error) const;

    qsizetype size() const { return qsizetype(m_edits.size()); }

private:
    std::vector<Edit> m_edits;
};

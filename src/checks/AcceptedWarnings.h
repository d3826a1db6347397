#pragma once

#include "checks/Problem.h"
#include "document/UnitRecord.h"

#include <QSet>
#include <QString>

#include <optional>

/// The warnings a reviewer has read and accepted, one unit at a time, kept outside the export
/// (Xcode owns that file). Each is keyed by the unit's file (`original`), id, the check and
/// the source text, so a changed source asks again. Stored as JSON Lines, one
/// `{"from", "name", "check", "srcs"}` object per accepted warning. Errors can't be accepted.
class AcceptedWarnings
{
public:
    /// The warnings stored at `path`; none when the file does not exist. A file that can't
    /// be read or holds a line that is no such object gives nothing, with the reason.
    static std::optional<AcceptedWarnings> load(const QString &path, QString *error);

    /// Whether the problem, found on `unit`, is an accepted warning.
    bool accepts(const UnitRecord &unit, const Problem &problem) const;
    /// Accepts a warning of `check` on the unit; false when it already was.
    bool accept(const UnitRecord &unit, const QString &check);
    /// Takes an accepted warning back; false when it was not accepted.
    bool revoke(const UnitRecord &unit, const QString &check);
    bool isEmpty() const { return m_keys.isEmpty(); }

    /// Writes every accepted warning to `path`, replacing the file in one step.
    bool save(const QString &path, QString *error) const;

private:
    static QString keyOf(const std::optional<QString> &from, const std::optional<QString> &name,
                         const QString &check, const std::optional<QString> &source);

    QSet<QString> m_keys;
};

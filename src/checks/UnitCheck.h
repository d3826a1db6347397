#pragma once

#include "checks/CheckedUnit.h"
#include "checks/Finding.h"
#include "checks/Problem.h"

#include <QString>

#include <optional>

/// A check that looks at one translated unit at a time.
class UnitCheck
{
public:
    UnitCheck(QString id, Problem::Severity severity) : m_id(std::move(id)), m_severity(severity) {}
    virtual ~UnitCheck() = default;
    UnitCheck(const UnitCheck &) = delete;
    UnitCheck &operator=(const UnitCheck &) = delete;

    /// The short name users pass to `check --only`, e.g. "format".
    const QString &id() const { return m_id; }
    Problem::Severity severity() const { return m_severity; }
    /// What is wrong with the unit's target, or nothing when it passes.
    virtual std::optional<Finding> inspect(const CheckedUnit &unit) const = 0;

private:
    QString m_id;
    Problem::Severity m_severity;
};

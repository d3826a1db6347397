#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// A source ending in an ellipsis (a command that asks for more) keeps one in the target.
class EllipsisCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(EllipsisCheck)

public:
    EllipsisCheck() : UnitCheck(QStringLiteral("ellipsis"), Problem::Severity::Warning) {}
    std::optional<Finding> inspect(const CheckedUnit &unit) const override;
};

#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// A Japanese menu item title does not end with a full stop.
class MenuPeriodCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(MenuPeriodCheck)

public:
    MenuPeriodCheck() : UnitCheck(QStringLiteral("menu-period"), Problem::Severity::Warning) {}
    std::optional<Finding> inspect(const CheckedUnit &unit) const override;
};

#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// The target keeps the source's markup tags, each closed and properly nested.
class MarkupCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(MarkupCheck)

public:
    MarkupCheck() : UnitCheck(QStringLiteral("markup"), Problem::Severity::Warning) {}
    std::optional<Finding> inspect(const CheckedUnit &unit) const override;
};

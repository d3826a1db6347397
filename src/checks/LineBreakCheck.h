#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// The target should break lines as often as the source, which was laid out for them.
class LineBreakCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(LineBreakCheck)

public:
    LineBreakCheck() : UnitCheck(QStringLiteral("line-breaks"), Problem::Severity::Warning) {}
    std::optional<Finding> inspect(const CheckedUnit &unit) const override;
};

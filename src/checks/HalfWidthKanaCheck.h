#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// A Japanese target should not use half-width katakana.
class HalfWidthKanaCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(HalfWidthKanaCheck)

public:
    HalfWidthKanaCheck() : UnitCheck(QStringLiteral("half-width-kana"), Problem::Severity::Warning)
    {
    }
    std::optional<Finding> inspect(const CheckedUnit &unit) const override;
};

#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// Leading and trailing blanks should match the source's: they often separate the string from what
/// the app puts beside it.
class BlankCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(BlankCheck)

public:
    BlankCheck() : UnitCheck(QStringLiteral("blanks"), Problem::Severity::Warning) {}
    std::optional<Finding> inspect(const CheckedUnit &unit) const override;
};

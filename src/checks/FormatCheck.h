#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// The target must pass the same arguments the same way as the source: the same specifiers
/// as a multiset of (position, size, conversion), so `%1$@` and `%@` in a one-argument
/// string agree, and `%ld` and `%lld` do too. A target that reorders them must number them.
class FormatCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(FormatCheck)

public:
    FormatCheck() : UnitCheck(QStringLiteral("format"), Problem::Severity::Error) {}
    std::optional<Finding> inspect(const CheckedUnit &unit) const override;
};

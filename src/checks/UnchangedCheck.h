#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// A target identical to the source in a file that translates into another language, where
/// the source has words to translate: not an Info.plist name, a copyright line, an address,
/// nor words that are all names (`iCloud`) or the project's terms.
class UnchangedCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(UnchangedCheck)

public:
    UnchangedCheck() : UnitCheck(QStringLiteral("unchanged"), Problem::Severity::Warning) {}
    std::optional<Finding> inspect(const CheckedUnit &unit) const override;
};

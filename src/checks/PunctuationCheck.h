#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// Ending punctuation dropped or added, in the marks of the target's script. An
/// abbreviation's dot (`Max.`) and a developer's key as the source are not sentences.
class PunctuationCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(PunctuationCheck)

public:
    PunctuationCheck() : UnitCheck(QStringLiteral("punctuation"), Problem::Severity::Warning) {}
    std::optional<Finding> inspect(const CheckedUnit &unit) const override;
};

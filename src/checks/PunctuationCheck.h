#pragma once

#include "checks/UnitCheck.h"

#include <QCoreApplication>

/// Ending punctuation dropped or added; for a Japanese or Chinese target
/// their full-width forms count.
class PunctuationCheck final : public UnitCheck
{
    Q_DECLARE_TR_FUNCTIONS(PunctuationCheck)

public:
    PunctuationCheck() : UnitCheck(QStringLiteral("punctuation"), Problem::Severity::Warning) {}
    std::optional<QString> inspect(const CheckedUnit &unit) const override;
};

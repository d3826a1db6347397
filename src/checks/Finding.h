#pragma once

#include "checks/Problem.h"

#include <QString>

#include <optional>

/// What a unit check found: its message, and a severity of its own where the finding is
/// milder (or graver) than the check usually reports.
struct Finding
{
    Finding(QString text, std::optional<Problem::Severity> level = std::nullopt)
        : message(std::move(text)), severity(level)
    {
    }

    QString message;
    std::optional<Problem::Severity> severity; ///< none: the check's own severity
};

#pragma once

#include <QString>

#include <cstddef>

/// One thing a check found wrong with a translated unit.
struct Problem
{
    enum class Severity
    {
        Warning, ///< worth a look; the app works either way
        Error    ///< breaks the shipped app or shows the wrong form
    };

    std::size_t row = 0; ///< index of the unit in the document's rows
    QString check;       ///< id of the check that found it, e.g. "format"
    Severity severity = Severity::Warning;
    QString message;       ///< what is wrong, in the user's words
    bool accepted = false; ///< a warning the reviewer has accepted (see `AcceptedWarnings`)
};

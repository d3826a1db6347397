#pragma once

#include "document/ReadResult.h"

#include <QString>

#include <optional>

/// How far a file is translated, at a glance: its target language and how many of its
/// units are translated.
struct TranslationSummary
{
    std::optional<QString> targetLanguage;
    qsizetype translated = 0; ///< units whose target counts as translated
    qsizetype total = 0;

    static TranslationSummary of(const ReadResult &content);
};

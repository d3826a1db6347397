#pragma once

#include "document/ReadResult.h"

#include <QString>

#include <optional>

/// Finds and reads the earlier translation a carry-over takes its targets from: an XLIFF
/// file, or a folder (an `.xcloc` package, an export folder) holding one file of the
/// document's target language.
class EarlierTranslation
{
public:
    struct Loaded
    {
        QString path;       ///< the file read
        ReadResult content; ///< complete when `error` is empty
        QString error;      ///< why nothing could be read, naming the path
    };

    /// Reads `path`, or the one file below it for `language` (any, when it is absent and
    /// the folder holds a single file).
    static Loaded load(const QString &path, const std::optional<QString> &language);
};

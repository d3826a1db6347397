#pragma once

#include "memory/MemoryEntry.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

/// Reads a TMX document (1.4b, and the 1.1–1.3 files that name languages with `lang`) into
/// memory entries: each translation unit gives one entry per variant in another language
/// than its source, or, with `srclang="*all*"`, one per ordered pair of its variants.
/// Language tags are compared without regard to case; the text of inline elements (`bpt`,
/// `ept`, `ph`, `it`, `hi`, `ut`, `sub`) is kept as text of the segment.
class TmxReader
{
public:
    struct Result
    {
        bool complete = false; ///< the whole document parsed
        QString errorString;
        qint64 line = 0;
        qint64 column = 0;
        std::vector<MemoryEntry> entries;
        qsizetype units = 0;         ///< `tu` elements read
        qsizetype noSource = 0;      ///< units without a variant in their source language
        qsizetype noTranslation = 0; ///< units with no variant in another language
        qsizetype noLanguage = 0;    ///< variants without a language
        qsizetype emptySegments = 0; ///< variants whose segment is empty
    };

    /// `project` names the entries' project unless a unit's `x-project` property does.
    static Result read(QByteArrayView bytes, const QString &project, qint64 now);

    /// A TMX date, `YYYYMMDDThhmmssZ`, as seconds since 1970; nothing for another shape.
    static std::optional<qint64> parseDate(QStringView text);
};

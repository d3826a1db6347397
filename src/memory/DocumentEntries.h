#pragma once

#include "document/ReadResult.h"
#include "memory/MemoryEntry.h"

#include <QString>

#include <vector>

/// What a document gives the memory: each translated unit as an entry. Units without a
/// translation, still to review, or not to be translated stay out, and so does a unit whose
/// `<file>` names no source or target language.
class DocumentEntries
{
public:
    struct Result
    {
        std::vector<MemoryEntry> entries;
        qsizetype untranslated = 0; ///< no target, an empty one, or Xcode's copy of the source
        qsizetype toReview = 0;     ///< a target still marked for review
        qsizetype notToTranslate = 0;
        qsizetype noLanguage = 0; ///< the unit's `<file>` names no source or target language
    };

    /// The entries of a document read from `path`, made at `created` (seconds since 1970).
    static Result of(const ReadResult &content, const QString &path, qint64 created);

    /// The project an export belongs to: the name of the `.xcloc` holding it, else the
    /// file's name without its extension.
    static QString projectOf(const QString &path);
};

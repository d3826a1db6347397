#pragma once

#include "document/UnitRecord.h"

#include <QString>

#include <cstdint>
#include <memory>

/// Counts words as translators quote and bill them: by ICU's word boundaries, so a run of
/// Latin letters or digits is one word and Japanese or Chinese text is split into the words
/// of ICU's dictionary rather than counted as one or as characters. Punctuation, blanks
/// and symbols are not words. One counter is meant for many texts (it is costly to make).
class WordCount
{
public:
    /// The source words of a document: of units translated (or to review) and of units
    /// still to translate. Units marked not to be translated count in neither.
    struct Totals
    {
        std::int64_t translated = 0;
        std::int64_t toTranslate = 0;
    };

    WordCount();
    ~WordCount();
    WordCount(const WordCount &) = delete;
    WordCount &operator=(const WordCount &) = delete;

    /// The words of `text`; 0 for a text without any.
    int words(const QString &text) const;
    /// The words of a unit's source (absent: none).
    int sourceWords(const UnitRecord &unit) const;
    /// Adds a unit whose source has `words` words to `totals`, by its status.
    static void add(Totals &totals, const UnitRecord &unit, int words);

private:
    struct Boundaries; ///< ICU's word break iterator, kept out of this header
    std::unique_ptr<Boundaries> m_words;
};

#include "document/WordCount.h"

#include "document/TranslationStatus.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

struct WordCount::Boundaries
{
    std::unique_ptr<icu::BreakIterator> iterator;
};

WordCount::WordCount() : m_words(std::make_unique<Boundaries>())
{
    UErrorCode status = U_ZERO_ERROR;
    // The root rules segment every script; CJK text goes through ICU's own dictionary.
    m_words->iterator.reset(icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status))
        m_words->iterator.reset();
}

WordCount::~WordCount() = default;

int WordCount::words(const QString &text) const
{
    icu::BreakIterator *boundaries = m_words->iterator.get();
    if (text.isEmpty() || !boundaries)
        return 0;
    const icu::UnicodeString value(false, reinterpret_cast<const char16_t *>(text.utf16()),
                                   int32_t(text.size()));
    boundaries->setText(value);
    int count = 0;
    for (int32_t end = boundaries->next(); end != icu::BreakIterator::DONE;
         end = boundaries->next()) {
        // Segments of blanks, punctuation and symbols have the status "none".
        if (boundaries->getRuleStatus() != UBRK_WORD_NONE)
            ++count;
    }
    // The iterator keeps no hold on a text that goes away with this call.
    boundaries->setText(icu::UnicodeString());
    return count;
}

int WordCount::sourceWords(const UnitRecord &unit) const
{
    return unit.srcs ? words(*unit.srcs) : 0;
}

void WordCount::add(Totals &totals, const UnitRecord &unit, int words)
{
    if (!unit.translatable)
        return;
    if (TranslationStatus::isUntranslated(unit))
        totals.toTranslate += words;
    else
        totals.translated += words;
}

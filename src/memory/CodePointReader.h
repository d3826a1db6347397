#pragma once

#include <QChar>
#include <QStringView>

/// Steps through the code points of UTF-16 text as the memory counts and compares texts: a
/// pair of surrogates is one code point, a lone surrogate one of its own.
struct CodePointReader
{
    QStringView text;
    qsizetype at = 0; ///< the next code point's first UTF-16 unit

    bool atEnd() const { return at >= text.size(); }

    /// The code point at `at`; `at` moves past it.
    char32_t next()
    {
        const char16_t unit = text[at++].unicode();
        if (QChar::isHighSurrogate(unit) && at < text.size() &&
            QChar::isLowSurrogate(text[at].unicode()))
            return QChar::surrogateToUcs4(unit, text[at++].unicode());
        return unit;
    }
};

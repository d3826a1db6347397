#pragma once

#include <QStringView>

/// What a text is, where that changes what a check may ask of its translation.
class TextShape
{
public:
    /// A developer's key used as the source (`SOME_ALERT_BODY`, `settings.title.label`):
    /// no blank, only letters, digits, `_`, `.` and `-`, with an `_` or two dots.
    static bool isDeveloperKey(QStringView text);
    /// The text ends in an abbreviation's dot (`Lv.`, `Max.`, `Hdg.`), not a sentence's: a
    /// short word that has no vowel or is one of the common abbreviations.
    static bool endsWithAbbreviation(QStringView text);
    /// A copyright line: it starts with "Copyright" or holds `©` or `(c)` before a year.
    static bool isCopyright(QStringView text);
    /// The text without its web and e-mail addresses and domain names (`example.com`).
    static QString withoutAddresses(QStringView text);
};

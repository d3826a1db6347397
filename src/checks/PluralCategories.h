#pragma once

#include <QStringList>

/// The plural categories a language's strings must provide.
class PluralCategories
{
public:
    /// ICU's categories for the language that some count from 0 to 999 selects, and
    /// `other`, from zero to other. A category reached only by a million or by compact
    /// exponents (the `many` of French, Spanish, Italian and Portuguese) is left out: for
    /// those counts the system's fallback to `other` reads right. Unknown languages need
    /// only `other`.
    static QStringList required(const QString &languageTag);
};

#pragma once

#include <QStringList>

/// The plural categories of a language, from ICU's plural rules.
class PluralCategories
{
public:
    /// Unknown languages have only `other`.
    explicit PluralCategories(const QString &languageTag = {});

    /// The categories the language's strings must provide: those some count from 0 to 999
    /// selects, and `other`, from zero to other. A category reached only by a million or
    /// by compact exponents (the `many` of French, Spanish, Italian and Portuguese) is left
    /// out: for those counts the system's fallback to `other` reads right.
    const QStringList &required() const { return m_required; }
    /// True when the category stands for one count alone (English `one`: 1), so its text
    /// may spell the number out instead of printing it.
    bool isSingleCount(QStringView category) const { return m_single.contains(category); }

private:
    QStringList m_required;
    QStringList m_single;
};

#pragma once

#include "checks/PluralCategories.h"
#include "document/FileHeader.h"

#include <QStringList>

#include <vector>

/// What the checks need to know of a `<file>`'s languages.
class LanguagePair
{
public:
    LanguagePair() = default;
    LanguagePair(const FileHeader &header, PluralCategories plurals);

    /// One pair per file header, in order; each distinct target language asks ICU once.
    static std::vector<LanguagePair> ofFiles(const std::vector<FileHeader> &files);

    /// True when the target language is Japanese (any region or script).
    bool japaneseTarget() const { return m_japanese; }
    /// True when the target language is Greek, whose question mark looks like `;`.
    bool greekTarget() const { return m_greek; }
    /// True when both languages are known and are different languages, not only regions.
    bool translates() const { return m_translates; }
    /// The target language as the file names it, e.g. "pt-BR"; empty when unknown.
    const QString &target() const { return m_target; }
    /// The plural categories of the target language.
    const PluralCategories &plurals() const { return m_plurals; }

    /// The primary subtag of a language tag: "pt" for "pt-BR", "zh" for "zh_Hans".
    static QString primary(const QString &tag);

private:
    QString m_target;
    PluralCategories m_plurals;
    bool m_japanese = false;
    bool m_greek = false;
    bool m_translates = false;
};

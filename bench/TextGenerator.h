#pragma once

#include <QString>
#include <QStringList>

#include <random>

/// Interface strings built from a vocabulary with a few very common words, as menus,
/// buttons and messages are: 1 to 14 words, some with a format specifier. The same seed
/// gives the same texts wherever the same C++ library is used.
class TextGenerator
{
public:
    explicit TextGenerator(unsigned seed);

    QString sentence();

    /// The text with one to three characters changed, inserted or removed.
    QString edited(QString text);

    /// Another string of the same family, as interfaces have them ("Save the document",
    /// "Save the documents?"): a word replaced, removed or added, or a few characters edited.
    QString variant(const QString &text);

    /// A Japanese rendering of a generated sentence: the common words as an interface
    /// translates them, every other word as katakana of its own, the specifier kept.
    static QString japanese(const QString &sentence);

private:
    QString word();

    std::mt19937 m_random;
    QStringList m_words;
};

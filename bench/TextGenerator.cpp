#include "TextGenerator.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

TextGenerator::TextGenerator(unsigned seed) : m_random(seed)
{
    const char *const common[] = {"the",  "a",      "to",     "of",       "file",
                                  "and",  "is",     "not",    "in",       "Open",
                                  "Save", "Cancel", "Delete", "document", "window"};
    for (const char *word : common)
        m_words.append(QString::fromUtf8(word));
    std::uniform_int_distribution<int> letters(0, 25);
    std::uniform_int_distribution<int> size(2, 10);
    for (int i = 0; i < 20000; ++i) {
        QString word;
        for (int n = size(m_random); n > 0; --n)
            word += QChar(u'a' + letters(m_random));
        m_words.append(word);
    }
}

QString TextGenerator::word()
{
    // Zipf-like: small indexes far more often.
    std::exponential_distribution<double> rank(0.002);
    return m_words[std::min<qsizetype>(qsizetype(rank(m_random)), m_words.size() - 1)];
}

QString TextGenerator::sentence()
{
    std::uniform_int_distribution<int> count(1, 14);
    QString text;
    for (int n = count(m_random); n > 0; --n) {
        if (!text.isEmpty())
            text += u' ';
        text += word();
    }
    if (m_random() % 10 == 0)
        text += u" %@"_s;
    return text;
}

QString TextGenerator::edited(QString text)
{
    for (int edits = 1 + int(m_random() % 3); edits > 0 && !text.isEmpty(); --edits) {
        const auto at = qsizetype(m_random() % std::uint32_t(text.size()));
        switch (m_random() % 3) {
        case 0:
            text.remove(at, 1);
            break;
        case 1:
            text.insert(at, u'e');
            break;
        default:
            text[at] = u'o';
        }
    }
    return text;
}

QString TextGenerator::variant(const QString &text)
{
    QStringList words = text.split(u' ');
    const auto at = qsizetype(m_random() % std::uint32_t(words.size()));
    switch (m_random() % 4) {
    case 0:
        words[at] = word();
        break;
    case 1:
        if (words.size() > 1)
            words.removeAt(at);
        else
            words.append(word());
        break;
    case 2:
        words.insert(at, word());
        break;
    default:
        return edited(text);
    }
    return words.join(u' ');
}

QString TextGenerator::japanese(const QString &sentence)
{
    static const QHash<QString, QString> common = {
        {u"the"_s, QString()},        {u"a"_s, QString()},         {u"to"_s, u"へ"_s},
        {u"of"_s, u"の"_s},           {u"file"_s, u"ファイル"_s},  {u"and"_s, u"と"_s},
        {u"is"_s, u"は"_s},           {u"not"_s, u"ない"_s},       {u"in"_s, u"に"_s},
        {u"Open"_s, u"開く"_s},       {u"Save"_s, u"保存"_s},      {u"Cancel"_s, u"キャンセル"_s},
        {u"Delete"_s, u"削除"_s},     {u"document"_s, u"書類"_s},  {u"window"_s, u"ウインドウ"_s},
        {u"%@"_s, u"%@"_s}};
    static const QString katakana = u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモラリルレロ"_s;
    QString text;
    for (const QString &word : sentence.split(u' ', Qt::SkipEmptyParts)) {
        const auto known = common.constFind(word);
        if (known != common.constEnd()) {
            text += *known;
            continue;
        }
        // Two letters of the word make one kana, so the same word reads the same everywhere.
        for (qsizetype i = 0; i < word.size(); i += 2) {
            const int code = word[i].unicode() * 31 + (i + 1 < word.size() ? word[i + 1].unicode() : 0);
            text += katakana[code % katakana.size()];
        }
    }
    return text.isEmpty() ? u"項目"_s : text;
}

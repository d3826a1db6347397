#include "cli/FlatJsonObject.h"

#include <algorithm>
#include <cctype>

namespace {

/// The largest number of digits whose every value a double holds exactly.
constexpr qsizetype maxDigits = 15;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNoncharacter(char16_t c)
{
    return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

/// Walks one line; every `read…` returns false where the quick reading stops.
class Cursor
{
public:
    explicit Cursor(QByteArrayView line) : m_line(line) {}

    void skipBlanks()
    {
        while (m_at < m_line.size() && isBlank(m_line[m_at]))
            ++m_at;
    }

    bool atEnd() const { return m_at == m_line.size(); }

    /// Takes `c` if it is next.
    bool take(char c)
    {
        if (m_at < m_line.size() && m_line[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool readValue(FlatJsonObject::Value &value)
    {
        if (m_at < m_line.size() && m_line[m_at] == '"') {
            value.text.emplace();
            return readString(*value.text);
        }
        return readNumber(value.number);
    }

    /// A key: which of `keys` it is, or -1 for another. A key of plain ASCII is compared
    /// where it stands; any other is decoded first.
    bool readKey(std::span<const QLatin1StringView> keys, qsizetype &index)
    {
        const qsizetype start = m_at + 1;
        qsizetype end = start;
        while (end < m_line.size() && m_line[end] > 0x1F && m_line[end] < 0x7F &&
               m_line[end] != '"' && m_line[end] != '\\')
            ++end;
        const bool isPlain = m_at < m_line.size() && m_line[m_at] == '"' && end < m_line.size() &&
                             m_line[end] == '"';
        QString decoded;
        if (isPlain)
            m_at = end + 1;
        else if (!readString(decoded))
            return false;
        const QLatin1StringView plain(m_line.sliced(start, end - start));
        index = -1;
        for (qsizetype i = 0; i < qsizetype(keys.size()); ++i) {
            if (isPlain ? plain == keys[size_t(i)] : decoded == keys[size_t(i)])
                index = i;
        }
        return true;
    }

    /// A string with no escaped surrogate, holding valid UTF-8 of characters a JSON parser
    /// takes as they are: no control character, no surrogate pair, no noncharacter.
    bool readString(QString &text)
    {
        if (!take('"'))
            return false;
        qsizetype run = m_at;
        for (; m_at < m_line.size(); ++m_at) {
            const auto c = static_cast<unsigned char>(m_line[m_at]);
            if (c < 0x20)
                return false;
            if (c == '"') {
                const bool ok = appendUtf8(text, m_line.sliced(run, m_at - run));
                ++m_at;
                return ok;
            }
            if (c == '\\') {
                if (!appendUtf8(text, m_line.sliced(run, m_at - run)) || !readEscape(text))
                    return false;
                run = m_at + 1;
            }
        }
        return false;
    }

private:
    static bool appendUtf8(QString &text, QByteArrayView bytes)
    {
        if (!bytes.isValidUtf8())
            return false;
        const qsizetype from = text.size();
        text += QString::fromUtf8(bytes);
        for (qsizetype i = from; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if (QChar::isSurrogate(c) || isNoncharacter(c))
                return false;
        }
        return true;
    }

    /// The escape at the backslash under the cursor; leaves the cursor on its last byte.
    bool readEscape(QString &text)
    {
        if (m_at + 1 >= m_line.size())
            return false;
        const char kind = m_line[++m_at];
        switch (kind) {
        case '"':
        case '\\':
        case '/':
            text += QLatin1Char(kind);
            return true;
        case 'b':
            text += u'\b';
            return true;
        case 'f':
            text += u'\f';
            return true;
        case 'n':
            text += u'\n';
            return true;
        case 'r':
            text += u'\r';
            return true;
        case 't':
            text += u'\t';
            return true;
        case 'u':
            return readUnicodeEscape(text);
        default:
            return false;
        }
    }

    bool readUnicodeEscape(QString &text)
    {
        if (m_at + 4 >= m_line.size())
            return false;
        const QByteArrayView hex = m_line.sliced(m_at + 1, 4);
        if (!std::ranges::all_of(hex, [](char c) { return std::isxdigit(uchar(c)) != 0; }))
            return false;
        const auto code = char16_t(hex.toUInt(nullptr, 16));
        if (QChar::isSurrogate(code) || isNoncharacter(code))
            return false;
        text += QChar(code);
        m_at += 4;
        return true;
    }

    /// A whole number without sign, fraction or exponent, short enough to be exact.
    bool readNumber(double &number)
    {
        const qsizetype start = m_at;
        while (m_at < m_line.size() && m_line[m_at] >= '0' && m_line[m_at] <= '9')
            ++m_at;
        const qsizetype digits = m_at - start;
        if (digits == 0 || digits > maxDigits || (digits > 1 && m_line[start] == '0'))
            return false;
        if (m_at < m_line.size() && !isBlank(m_line[m_at]) && m_line[m_at] != ',' &&
            m_line[m_at] != '}')
            return false;
        number = double(m_line.sliced(start, digits).toLongLong());
        return true;
    }

    QByteArrayView m_line;
    qsizetype m_at = 0;
};

} // namespace

std::optional<FlatJsonObject> FlatJsonObject::parse(QByteArrayView line,
                                                    std::span<const QLatin1StringView> keys)
{
    if (line.contains("\xEF\xBB\xBF"))
        return std::nullopt;
    Cursor cursor(line);
    FlatJsonObject object;
    object.m_values.resize(qsizetype(keys.size()));
    cursor.skipBlanks();
    if (!cursor.take('{'))
        return std::nullopt;
    cursor.skipBlanks();
    if (!cursor.take('}')) {
        do {
            cursor.skipBlanks();
            qsizetype index = -1;
            Value value;
            if (!cursor.readKey(keys, index))
                return std::nullopt;
            cursor.skipBlanks();
            if (!cursor.take(':'))
                return std::nullopt;
            cursor.skipBlanks();
            if (!cursor.readValue(value) || (index >= 0 && object.m_values[index]))
                return std::nullopt;
            if (index >= 0)
                object.m_values[index] = std::move(value);
            cursor.skipBlanks();
        } while (cursor.take(','));
        if (!cursor.take('}'))
            return std::nullopt;
    }
    cursor.skipBlanks();
    if (!cursor.atEnd())
        return std::nullopt;
    return object;
}

#include "files/StrictJson.h"

#include <QCoreApplication>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

/// The length of the well-formed UTF-8 sequence at `at` (no overlong form, no surrogate,
/// nothing past U+10FFFF), or 0.
qsizetype utf8Length(QByteArrayView text, qsizetype at)
{
    const auto lead = uchar(text[at]);
    qsizetype length = 0;
    uint code = 0;
    uint least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        const auto next = uchar(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < least || surrogate || code > 0x10FFFF ? 0 : length;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("StrictJson", text);
}

/// A recursive walk of the grammar; each `read…` leaves `m_fault` set where it fails.
class Grammar
{
public:
    explicit Grammar(QByteArrayView text) : m_text(text) {}

    std::optional<StrictJson::Fault> check()
    {
        skipBlanks();
        if (readValue(0)) {
            skipBlanks();
            if (m_at < m_text.size())
                fail(tr("text after the value"));
        }
        return m_fault;
    }

private:
    bool fail(const QString &reason)
    {
        if (!m_fault)
            m_fault = StrictJson::Fault{m_at, reason};
        return false;
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    char next() const { return atEnd() ? '\0' : m_text[m_at]; }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_text[m_at]))
            ++m_at;
    }

    bool take(char c)
    {
        if (atEnd() || m_text[m_at] != c)
            return false;
        ++m_at;
        return true;
    }

    bool readValue(int depth)
    {
        if (atEnd())
            return fail(tr("a value is missing"));
        switch (next()) {
        case '{':
            return readObject(depth + 1);
        case '[':
            return readArray(depth + 1);
        case '"':
            return readString();
        case 't':
            return readWord("true");
        case 'f':
            return readWord("false");
        case 'n':
            return readWord("null");
        default:
            return readNumber();
        }
    }

    bool readObject(int depth)
    {
        if (depth > StrictJson::maxDepth)
            return fail(tr("values nested too deeply"));
        ++m_at;
        skipBlanks();
        if (take('}'))
            return true;
        do {
            skipBlanks();
            if (next() != '"')
                return fail(tr("a member name must be a string"));
            if (!readString())
                return false;
            skipBlanks();
            if (!take(':'))
                return fail(tr("a colon is missing after a member name"));
            skipBlanks();
            if (!readValue(depth))
                return false;
            skipBlanks();
        } while (take(','));
        return take('}') || fail(tr("a comma or closing brace is missing"));
    }

    bool readArray(int depth)
    {
        if (depth > StrictJson::maxDepth)
            return fail(tr("values nested too deeply"));
        ++m_at;
        skipBlanks();
        if (take(']'))
            return true;
        do {
            skipBlanks();
            if (!readValue(depth))
                return false;
            skipBlanks();
        } while (take(','));
        return take(']') || fail(tr("a comma or closing bracket is missing"));
    }

    bool readWord(QByteArrayView word)
    {
        if (!m_text.sliced(m_at).startsWith(word))
            return fail(tr("an unknown word"));
        m_at += word.size();
        return true;
    }

    /// `-? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [+-]? [0-9]+)?`
    bool readNumber()
    {
        take('-');
        if (!isDigit(next()))
            return fail(tr("not a value"));
        if (!take('0')) {
            while (isDigit(next()))
                ++m_at;
        }
        if (take('.') && !readDigits())
            return false;
        if (!take('e') && !take('E'))
            return true;
        if (!take('+'))
            take('-');
        return readDigits();
    }

    bool readDigits()
    {
        if (!isDigit(next()))
            return fail(tr("a number is cut short"));
        while (isDigit(next()))
            ++m_at;
        return true;
    }

    bool readString()
    {
        ++m_at;
        while (!atEnd()) {
            const auto c = uchar(m_text[m_at]);
            if (c == '"') {
                ++m_at;
                return true;
            }
            if (c < 0x20)
                return fail(tr("a control character inside a string"));
            if (c == '\\') {
                if (!readEscape())
                    return false;
            } else if (c < 0x80) {
                ++m_at;
            } else if (const qsizetype length = utf8Length(m_text, m_at); length > 0) {
                m_at += length;
            } else {
                return fail(tr("bytes that are not UTF-8"));
            }
        }
        return fail(tr("a string is not closed"));
    }

    bool readEscape()
    {
        ++m_at;
        const char kind = next();
        if (kind != '\0' && QByteArrayView("\"\\/bfnrt").contains(kind)) {
            ++m_at;
            return true;
        }
        if (kind != 'u')
            return fail(tr("an escape JSON does not have"));
        ++m_at;
        for (int i = 0; i < 4; ++i, ++m_at) {
            if (!isHexDigit(next()))
                return fail(tr("an escape JSON does not have"));
        }
        return true;
    }

    QByteArrayView m_text;
    qsizetype m_at = 0;
    std::optional<StrictJson::Fault> m_fault;
};

} // namespace

std::optional<StrictJson::Fault> StrictJson::fault(QByteArrayView text)
{
    return Grammar(text).check();
}

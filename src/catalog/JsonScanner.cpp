#include "catalog/JsonScanner.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool validUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

JsonScanner::Result JsonScanner::parse(QByteArrayView bytes)
{
    Result result;
    if (!validUtf8(bytes)) {
        result.errorString = QCoreApplication::translate("JsonScanner", "the file is not UTF-8");
        result.line = 1;
        result.column = 1;
        return result;
    }
    JsonScanner scanner(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        scanner.m_pos = 3;
    JsonNode root;
    scanner.skipBlanks();
    bool parsed = scanner.value(root, 0);
    if (parsed) {
        scanner.skipBlanks();
        if (!scanner.atEnd())
            parsed = scanner.fail(
                QCoreApplication::translate("JsonScanner", "text after the end of the JSON"));
    }
    if (parsed) {
        result.root = std::move(root);
        return result;
    }
    result.errorString = scanner.m_error;
    const QByteArrayView before = bytes.first(std::min(scanner.m_pos, bytes.size()));
    result.line = before.count('\n') + 1;
    result.column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
    return result;
}

bool JsonScanner::fail(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = reason;
    return false;
}

void JsonScanner::skipBlanks()
{
    while (!atEnd()) {
        const char c = peek();
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return;
        ++m_pos;
    }
}

bool JsonScanner::value(JsonNode &node, int depth)
{
    if (depth > maxDepth)
        return fail(QCoreApplication::translate("JsonScanner", "values nested too deeply"));
    node.depth = depth;
    node.begin = m_pos;
    bool parsed = false;
    switch (peek()) {
    case '{':
        parsed = object(node, depth);
        break;
    case '[':
        parsed = array(node, depth);
        break;
    case '"':
        node.kind = JsonNode::Kind::String;
        parsed = string(node.text);
        break;
    case 't':
        parsed = literal(node, "true", JsonNode::Kind::True);
        break;
    case 'f':
        parsed = literal(node, "false", JsonNode::Kind::False);
        break;
    case 'n':
        parsed = literal(node, "null", JsonNode::Kind::Null);
        break;
    default:
        parsed = number(node);
    }
    node.end = m_pos;
    return parsed;
}

bool JsonScanner::object(JsonNode &node, int depth)
{
    node.kind = JsonNode::Kind::Object;
    ++m_pos; // {
    skipBlanks();
    if (peek() == '}') {
        ++m_pos;
        return true;
    }
    while (true) {
        skipBlanks();
        if (peek() != '"')
            return fail(QCoreApplication::translate("JsonScanner", "a key was expected"));
        JsonMember member;
        member.keyBegin = m_pos;
        if (!string(member.key))
            return false;
        skipBlanks();
        if (peek() != ':')
            return fail(QCoreApplication::translate("JsonScanner", "\":\" was expected"));
        ++m_pos;
        skipBlanks();
        if (!value(member.value, depth + 1))
            return false;
        node.members.push_back(std::move(member));
        skipBlanks();
        if (peek() == '}') {
            ++m_pos;
            return true;
        }
        if (peek() != ',')
            return fail(QCoreApplication::translate("JsonScanner", "\",\" or \"}\" was expected"));
        ++m_pos;
    }
}

bool JsonScanner::array(JsonNode &node, int depth)
{
    node.kind = JsonNode::Kind::Array;
    ++m_pos; // [
    skipBlanks();
    if (peek() == ']') {
        ++m_pos;
        return true;
    }
    while (true) {
        skipBlanks();
        JsonNode item;
        if (!value(item, depth + 1))
            return false;
        node.items.push_back(std::move(item));
        skipBlanks();
        if (peek() == ']') {
            ++m_pos;
            return true;
        }
        if (peek() != ',')
            return fail(QCoreApplication::translate("JsonScanner", "\",\" or \"]\" was expected"));
        ++m_pos;
    }
}

bool JsonScanner::string(QString &text)
{
    ++m_pos; // opening quote
    qsizetype runStart = m_pos;
    while (!atEnd()) {
        const char c = peek();
        if (c == '"' || c == '\\') {
            text += QString::fromUtf8(m_bytes.sliced(runStart, m_pos - runStart));
            ++m_pos;
            if (c == '"')
                return true;
            if (!escape(text))
                return false;
            runStart = m_pos;
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x20)
            return fail(
                QCoreApplication::translate("JsonScanner", "a control character inside a string"));
        ++m_pos;
    }
    return fail(QCoreApplication::translate("JsonScanner", "a string is not closed"));
}

bool JsonScanner::escape(QString &text)
{
    const char c = peek();
    ++m_pos;
    switch (c) {
    case '"':
    case '\\':
    case '/':
        text += QChar(QLatin1Char(c));
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
        break;
    default:
        --m_pos;
        return fail(QCoreApplication::translate("JsonScanner", "an unknown escape"));
    }
    int code = 0;
    for (int i = 0; i < 4; ++i) {
        const int digit = hexValue(peek());
        if (digit < 0)
            return fail(
                QCoreApplication::translate("JsonScanner", "a \\u escape needs 4 hex digits"));
        code = code * 16 + digit;
        ++m_pos;
    }
    // A lone surrogate is kept as it is: its bytes are never rewritten unless edited.
    text += QChar(char16_t(code));
    return true;
}

bool JsonScanner::number(JsonNode &node)
{
    node.kind = JsonNode::Kind::Number;
    const qsizetype start = m_pos;
    if (peek() == '-')
        ++m_pos;
    if (peek() == '0') {
        ++m_pos;
    } else if (isDigit(peek())) {
        while (isDigit(peek()))
            ++m_pos;
    } else {
        return fail(QCoreApplication::translate("JsonScanner", "a value was expected"));
    }
    if (peek() == '.') {
        ++m_pos;
        if (!isDigit(peek()))
            return fail(QCoreApplication::translate("JsonScanner", "a digit was expected"));
        while (isDigit(peek()))
            ++m_pos;
    }
    if (peek() == 'e' || peek() == 'E') {
        ++m_pos;
        if (peek() == '+' || peek() == '-')
            ++m_pos;
        if (!isDigit(peek()))
            return fail(QCoreApplication::translate("JsonScanner", "a digit was expected"));
        while (isDigit(peek()))
            ++m_pos;
    }
    node.text = QString::fromLatin1(m_bytes.sliced(start, m_pos - start));
    return true;
}

bool JsonScanner::literal(JsonNode &node, QByteArrayView word, JsonNode::Kind kind)
{
    node.kind = kind;
    if (!m_bytes.sliced(m_pos).startsWith(word))
        return fail(QCoreApplication::translate("JsonScanner", "a value was expected"));
    m_pos += word.size();
    node.text = QString::fromLatin1(word);
    return true;
}

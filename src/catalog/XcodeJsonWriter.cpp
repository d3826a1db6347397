#include "catalog/XcodeJsonWriter.h"

#include <algorithm>

namespace {

void appendEscaped(QByteArray &out, char16_t c)
{
    switch (c) {
    case u'"':
        out += "\\\"";
        return;
    case u'\\':
        out += "\\\\";
        return;
    case u'\n':
        out += "\\n";
        return;
    case u'\r':
        out += "\\r";
        return;
    case u'\t':
        out += "\\t";
        return;
    case u'\b':
        out += "\\b";
        return;
    case u'\f':
        out += "\\f";
        return;
    default:
        break;
    }
    static constexpr char hex[] = "0123456789abcdef";
    out += "\\u00";
    out += hex[(c >> 4) & 0xF];
    out += hex[c & 0xF];
}

} // namespace

QByteArray XcodeJsonWriter::quoted(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 2);
    out += '"';
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c != u'"' && c != u'\\')
            continue;
        out += text.sliced(runStart, i - runStart).toUtf8();
        appendEscaped(out, c);
        runStart = i + 1;
    }
    out += text.sliced(runStart).toUtf8();
    out += '"';
    return out;
}

std::vector<const JsonMember *> XcodeJsonWriter::sorted(const JsonNode &object) const
{
    std::vector<const JsonMember *> members;
    members.reserve(object.members.size());
    for (const JsonMember &each : object.members)
        members.push_back(&each);
    std::stable_sort(members.begin(), members.end(),
                     [this](const JsonMember *a, const JsonMember *b) {
                         return m_keyOrder.less(a->key, b->key);
                     });
    return members;
}

QByteArray XcodeJsonWriter::write(const JsonNode &value, int depth) const
{
    QByteArray out;
    append(out, value, depth);
    return out;
}

QByteArray XcodeJsonWriter::member(const QString &key, const JsonNode &value, int depth) const
{
    QByteArray out = quoted(key);
    out += " : ";
    append(out, value, depth);
    return out;
}

void XcodeJsonWriter::append(QByteArray &out, const JsonNode &value, int depth) const
{
    switch (value.kind) {
    case JsonNode::Kind::String:
        out += quoted(value.text);
        return;
    case JsonNode::Kind::Object: {
        out += '{';
        if (value.members.empty())
            out += '\n';
        const char *separator = "\n";
        for (const JsonMember *each : sorted(value)) {
            out += separator;
            out += indent(depth + 1);
            out += quoted(each->key);
            out += " : ";
            append(out, each->value, depth + 1);
            separator = ",\n";
        }
        out += '\n' + indent(depth) + '}';
        return;
    }
    case JsonNode::Kind::Array: {
        out += '[';
        if (value.items.empty())
            out += '\n';
        const char *separator = "\n";
        for (const JsonNode &item : value.items) {
            out += separator;
            out += indent(depth + 1);
            append(out, item, depth + 1);
            separator = ",\n";
        }
        out += '\n' + indent(depth) + ']';
        return;
    }
    default:
        out += value.text.toLatin1();
    }
}

#include "cli/UnitJson.h"

namespace {

void appendEscaped(QByteArray &out, const QByteArray &utf8)
{
    static constexpr char hex[] = "0123456789abcdef";
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        if (QByteArrayView(utf8).sliced(i).startsWith("\xEF\xBB\xBF")) {
            // Escaped, since Qt's and other parsers drop a U+FEFF that begins a value.
            out += "\\ufeff";
            i += 2;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
}

/// Appends `text` as a JSON string, quotes included.
void appendString(QByteArray &out, const QString &text)
{
    out += '"';
    appendEscaped(out, text.toUtf8());
    out += '"';
}

} // namespace

void UnitJson::appendLine(QByteArray &out, const UnitRecord &unit)
{
    const std::pair<const char *, const std::optional<QString> *> fields[] = {
        {"\"from\":", &unit.from}, {"\"name\":", &unit.name}, {"\"srcs\":", &unit.srcs},
        {"\"tget\":", &unit.tget}, {"\"note\":", &unit.note}, {"\"part\":", &unit.part},
    };
    out += '{';
    for (const auto &[key, value] : fields) {
        if (!*value)
            continue;
        out += key;
        appendString(out, **value);
        out += ',';
    }
    out += "\"port\":";
    out += QByteArray::number(unit.port);
    if (!unit.translatable)
        out += ",\"translate\":false";
    out += "}\n";
}

#include "cli/UnitJson.h"

#include <QStringEncoder>

#include <algorithm>

namespace {

bool isPlain(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    // 0xEF leads U+FEFF, which is escaped; it also leads other characters, which are not.
    return byte >= 0x20 && c != '"' && c != '\\' && byte != 0xEF;
}

void appendEscaped(QByteArray &out, QByteArrayView utf8)
{
    static constexpr char hex[] = "0123456789abcdef";
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (isPlain(c))
            continue;
        out.append(utf8.sliced(plainFrom, i - plainFrom));
        plainFrom = i + 1;
        const auto byte = static_cast<unsigned char>(c);
        if (utf8.sliced(i).startsWith("\xEF\xBB\xBF")) {
            // Escaped, since Qt's and other parsers drop a U+FEFF that begins a value.
            out += "\\ufeff";
            i += 2;
            plainFrom = i + 1;
        } else if (byte == 0xEF) {
            out += c;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
    out.append(utf8.sliced(plainFrom));
}

/// Appends `text` as a JSON string, quotes included. The text is encoded straight into
/// `out`; only a value that holds a character JSON needs escaped is rewritten.
void appendString(QByteArray &out, const QString &text)
{
    out += '"';
    const qsizetype start = out.size();
    QStringEncoder encoder(QStringEncoder::Utf8);
    out.resize(start + encoder.requiredSpace(text.size()));
    char *const end = encoder.appendToBuffer(out.data() + start, text);
    out.resize(end - out.constData());
    const QByteArrayView written = QByteArrayView(out).sliced(start);
    if (!std::ranges::all_of(written, isPlain)) {
        const QByteArray raw = written.toByteArray();
        out.resize(start);
        appendEscaped(out, raw);
    }
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

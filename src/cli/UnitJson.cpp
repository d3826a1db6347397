#include "cli/UnitJson.h"

#include <QStringEncoder>

#include <charconv>
#include <string_view>

namespace {

bool needsEscape(char16_t c)
{
    // U+FEFF is escaped since Qt's and other parsers drop one that begins a value.
    return c < 0x20 || c == u'"' || c == u'\\' || c == 0xFEFF;
}

void appendEscape(QByteArray &out, char16_t c)
{
    static constexpr char hex[] = "0123456789abcdef";
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
    case u'\t':
        out += "\\t";
        return;
    case u'\r':
        out += "\\r";
        return;
    case 0xFEFF:
        out += "\\ufeff";
        return;
    default:
        out += "\\u00";
        out += hex[c >> 4];
        out += hex[c & 0xF];
    }
}

/// Encodes the text as UTF-8 straight onto the end of `out`.
void appendUtf8(QByteArray &out, QStringView text)
{
    if (text.isEmpty())
        return;
    QStringEncoder encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    const qsizetype start = out.size();
    out.resize(start + encoder.requiredSpace(text.size()));
    char *const end = encoder.appendToBuffer(out.data() + start, text);
    out.truncate(end - out.constData());
}

/// Appends `text` as a JSON string, quotes included: runs of plain characters are encoded
/// as they are, the characters between them escaped.
void appendString(QByteArray &out, QStringView text)
{
    out += '"';
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!needsEscape(c))
            continue;
        appendUtf8(out, text.sliced(plainFrom, i - plainFrom));
        appendEscape(out, c);
        plainFrom = i + 1;
    }
    appendUtf8(out, text.sliced(plainFrom));
    out += '"';
}

} // namespace

void UnitJson::appendLine(QByteArray &out, const UnitRecord &unit)
{
    using namespace std::string_view_literals;
    const std::pair<std::string_view, const std::optional<QString> *> fields[] = {
        {"\"from\":"sv, &unit.from}, {"\"name\":"sv, &unit.name}, {"\"srcs\":"sv, &unit.srcs},
        {"\"tget\":"sv, &unit.tget}, {"\"note\":"sv, &unit.note}, {"\"part\":"sv, &unit.part},
    };
    out += '{';
    for (const auto &[key, value] : fields) {
        if (!*value)
            continue;
        out.append(key.data(), qsizetype(key.size()));
        appendString(out, **value);
        out += ',';
    }
    char port[32] = "\"port\":";
    // A 64-bit number always fits in what is left of the buffer.
    const char *const end = std::to_chars(port + 7, port + sizeof port, unit.port).ptr;
    out.append(port, end - port);
    if (!unit.translatable)
        out += ",\"translate\":false";
    out += "}\n";
}

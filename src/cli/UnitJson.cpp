#include "cli/UnitJson.h"

#include <QStringEncoder>

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

bool needsEscape(char16_t c)
{
    // U+FEFF is escaped since Qt's and other parsers drop one that begins a value.
    return c < 0x20 || c == u'"' || c == u'\\' || c == 0xFEFF;
}

/// Writes the escape of `c` at `to`; the end of what it wrote.
char *writeEscape(char *to, char16_t c)
{
    static constexpr char hex[] = "0123456789abcdef";
    const auto put = [&to](std::string_view text) {
        to = std::copy(text.begin(), text.end(), to);
        return to;
    };
    switch (c) {
    case u'"':
        return put("\\\"");
    case u'\\':
        return put("\\\\");
    case u'\n':
        return put("\\n");
    case u'\t':
        return put("\\t");
    case u'\r':
        return put("\\r");
    case 0xFEFF:
        return put("\\ufeff");
    default:
        put("\\u00");
        *to++ = hex[c >> 4];
        *to++ = hex[c & 0xF];
        return to;
    }
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

/// Appends `text` as a JSON string, quotes included: runs of plain characters are encoded
/// as they are, the characters between them escaped, all written in place into room made
/// once for the longest it can be (an escape takes six bytes, a character at most three).
void UnitJson::appendString(QByteArray &out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + 2 + 6 * text.size());
    char *to = out.data() + start;
    *to++ = '"';
    QStringEncoder encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!needsEscape(c))
            continue;
        to = encoder.appendToBuffer(to, text.sliced(plainFrom, i - plainFrom));
        to = writeEscape(to, c);
        plainFrom = i + 1;
    }
    to = encoder.appendToBuffer(to, text.sliced(plainFrom));
    *to++ = '"';
    out.truncate(to - out.constData());
}

QJsonObject UnitJson::placeOf(const UnitRecord &unit)
{
    QJsonObject object;
    if (unit.from)
        object.insert(QLatin1StringView("from"), *unit.from);
    if (unit.name)
        object.insert(QLatin1StringView("name"), *unit.name);
    object.insert(QLatin1StringView("port"), qint64(unit.port));
    return object;
}

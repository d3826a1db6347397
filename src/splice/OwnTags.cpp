#include "splice/OwnTags.h"

#include "xliff/DocumentCut.h"
#include "xliff/ParallelParse.h"
#include "xliff/UnitLocator.h"

#include <algorithm>
#include <cstring>
#include <future>

namespace {

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

/// Whether the bytes are the id as the file writes attribute values (`&`, `"`, `<`, `>`
/// escaped), in UTF-8: compared as they are, without building the escaped id.
bool writtenAs(QByteArrayView bytes, QStringView id)
{
    qsizetype at = 0;
    const auto expect = [&](QByteArrayView text) {
        if (bytes.size() - at < text.size() ||
            std::memcmp(bytes.data() + at, text.data(), size_t(text.size())) != 0)
            return false;
        at += text.size();
        return true;
    };
    for (qsizetype i = 0; i < id.size(); ++i) {
        const char16_t c = id[i].unicode();
        // The common case, a plain ASCII character, is one byte to compare.
        if (c < 0x80 && c != u'&' && c != u'"' && c != u'<' && c != u'>') {
            if (at == bytes.size() || bytes[at] != char(c))
                return false;
            ++at;
            continue;
        }
        bool ok = true;
        switch (c) {
        case u'&':
            ok = expect("&amp;");
            break;
        case u'"':
            ok = expect("&quot;");
            break;
        case u'<':
            ok = expect("&lt;");
            break;
        case u'>':
            ok = expect("&gt;");
            break;
        default: {
            char32_t code = c;
            if (QChar::isHighSurrogate(c) && i + 1 < id.size() && id[i + 1].isLowSurrogate())
                code = QChar::surrogateToUcs4(c, id[++i].unicode());
            else if (QChar::isSurrogate(c))
                code = QChar::ReplacementCharacter; // as encoding the id to UTF-8 writes it
            char utf8[4];
            const qsizetype length = code < 0x80      ? (utf8[0] = char(code), 1)
                                     : code < 0x800   ? (utf8[0] = char(0xC0 | code >> 6), 2)
                                     : code < 0x10000 ? (utf8[0] = char(0xE0 | code >> 12), 3)
                                                      : (utf8[0] = char(0xF0 | code >> 18), 4);
            for (qsizetype k = 1; k < length; ++k)
                utf8[k] = char(0x80 | ((code >> (6 * (length - 1 - k))) & 0x3F));
            ok = expect(QByteArrayView(utf8, length));
        }
        }
        if (!ok)
            return false;
    }
    return at == bytes.size();
}

/// The length of `<trans-unit id="…" xml:space="preserve">` for this id, written as the file
/// writes attribute values, when the bytes start with it; else -1.
qsizetype startTagLength(QByteArrayView bytes, QStringView id)
{
    static constexpr QByteArrayView open = "<trans-unit id=\"";
    static constexpr QByteArrayView close = "\" xml:space=\"preserve\">";
    if (!bytes.startsWith(open))
        return -1;
    // The escaped id holds no quote, so the first one after it closes the value.
    const qsizetype quote = bytes.indexOf('"', open.size());
    if (quote < 0 || !bytes.sliced(quote).startsWith(close))
        return -1;
    const QByteArrayView value = bytes.sliced(open.size(), quote - open.size());
    const bool same = writtenAs(value, id);
    return same ? quote + close.size() : -1;
}

} // namespace

OwnTags::Found OwnTags::find(QByteArrayView bytes, std::span<const UnitRecord> rows)
{
    Found found;
    found.rows.assign(rows.size(), unreachable);
    found.tagEnds.assign(rows.size(), unreachable);
    found.units = unitStarts(bytes, rows);
    // Each row's tag is checked on its own: a large file's rows are checked in two halves
    // at once.
    const auto tie = [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            const UnitRecord &row = rows[i];
            if (!row.name || row.port >= found.units.size())
                continue;
            const qsizetype start = found.units[size_t(row.port)];
            const qsizetype length = startTagLength(bytes.sliced(start), *row.name);
            if (length >= 0) {
                found.rows[i] = start;
                found.tagEnds[i] = start + length;
            }
        }
    };
    if (bytes.size() < ParallelParse::defaultFromSize()) {
        tie(0, rows.size());
        return found;
    }
    const size_t half = rows.size() / 2;
    auto secondHalf =
        std::async(std::launch::async | std::launch::deferred, tie, half, rows.size());
    tie(0, half);
    secondHalf.get();
    return found;
}

std::vector<qsizetype> OwnTags::unitStarts(QByteArrayView bytes, std::span<const UnitRecord> rows)
{
    // Outside comments, CDATA sections and processing instructions, "<trans-unit" can only
    // be a unit's start tag. When there are exactly as many as the rows have units and no
    // unit stands inside another, the k-th is unit k; otherwise only the parser can tell.
    quint64 units = 0;
    for (const UnitRecord &row : rows)
        units = std::max(units, row.port + 1);
    const PlainScan scan = plainScan(bytes);
    if (scan.flat && units == rows.size() && scan.starts.size() == units)
        return scan.starts;
    const UnitLocator::Result located = UnitLocator::locate(bytes, UnitLocator::Positions::Utf8);
    std::vector<qsizetype> starts;
    if (!located.complete || located.nestedUnits)
        return starts;
    starts.reserve(located.units.size());
    for (const UnitLayout &unit : located.units)
        starts.push_back(unit.startTag.begin);
    return starts;
}

OwnTags::PlainScan OwnTags::plainScan(QByteArrayView bytes)
{
    // With no comment, CDATA section, DOCTYPE or processing instruction, "<trans-unit" and
    // "</trans-unit" are only ever tags; each unit must end before the next one starts.
    // One pass over the markup's "<" tells both where units start and whether that holds.
    // A large file is scanned in two halves at once, the second from a unit's start tag:
    // a unit left open across it would be one unit inside another.
    const qsizetype afterDeclaration = bytes.startsWith("<?xml") ? bytes.indexOf("?>") : 0;
    if (afterDeclaration < 0)
        return {};
    const qsizetype split =
        bytes.size() >= ParallelParse::defaultFromSize() ? DocumentCut::place(bytes) : -1;
    if (split < 0) {
        PlainScan scan = scanStretch(bytes, 0, bytes.size(), afterDeclaration);
        scan.flat = scan.plain && !scan.unitOpen;
        return scan.plain ? scan : PlainScan{};
    }
    auto second = std::async(std::launch::async | std::launch::deferred, scanStretch, bytes, split,
                             bytes.size(), afterDeclaration);
    PlainScan scan = scanStretch(bytes, 0, split, afterDeclaration);
    const PlainScan rest = second.get();
    if (!scan.plain || !rest.plain || scan.unitOpen)
        return {};
    scan.starts.insert(scan.starts.end(), rest.starts.begin(), rest.starts.end());
    scan.flat = !rest.unitOpen;
    return scan;
}

OwnTags::PlainScan OwnTags::scanStretch(QByteArrayView bytes, qsizetype from, qsizetype to,
                                        qsizetype afterDeclaration)
{
    PlainScan scan;
    for (qsizetype at = bytes.indexOf('<', from); at >= 0 && at < to;
         at = bytes.indexOf('<', at + 1)) {
        const QByteArrayView rest = bytes.sliced(at + 1);
        if (rest.startsWith('!') || (rest.startsWith('?') && at >= afterDeclaration))
            return {};
        // Most tags are told apart by their second letter, without comparing names.
        const char first = rest.isEmpty() ? '\0' : rest.front();
        if (first == '/' && rest.size() > 1 && rest[1] == 't' && rest.startsWith("/trans-unit")) {
            scan.unitOpen = false;
        } else if (first == 't' && rest.size() > 10 && rest[1] == 'r' &&
                   rest.startsWith("trans-unit")) {
            const char next = rest[10];
            if (!isAsciiSpace(next) && next != '>' && next != '/')
                continue;
            if (scan.unitOpen)
                return {};
            scan.starts.push_back(at);
            scan.unitOpen = true;
        }
    }
    scan.plain = true;
    return scan;
}

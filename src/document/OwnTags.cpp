#include "document/OwnTags.h"

#include "document/SplicePatterns.h"
#include "document/UnitLocator.h"

#include <algorithm>

namespace {

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

OwnTags::Found OwnTags::find(QByteArrayView bytes, std::span<const UnitRecord> rows)
{
    Found found;
    found.rows.assign(rows.size(), unreachable);
    found.tagEnds.assign(rows.size(), unreachable);
    found.units = unitStarts(bytes, rows);
    for (size_t i = 0; i < rows.size(); ++i) {
        const UnitRecord &row = rows[i];
        if (!row.name || row.port >= found.units.size())
            continue;
        const qsizetype start = found.units[size_t(row.port)];
        const QByteArray tag = SplicePatterns::startTag(*row.name).toUtf8();
        if (bytes.sliced(start).startsWith(tag)) {
            found.rows[i] = start;
            found.tagEnds[i] = start + tag.size();
        }
    }
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
    const UnitLocator::Result located =
        UnitLocator::locate(bytes, UnitLocator::Positions::Utf8);
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
    PlainScan scan;
    const qsizetype afterDeclaration = bytes.startsWith("<?xml") ? bytes.indexOf("?>") : 0;
    if (afterDeclaration < 0)
        return {};
    bool unitOpen = false;
    for (qsizetype at = bytes.indexOf('<'); at >= 0; at = bytes.indexOf('<', at + 1)) {
        const QByteArrayView rest = bytes.sliced(at + 1);
        if (rest.startsWith('!') || (rest.startsWith('?') && at >= afterDeclaration))
            return {};
        if (rest.startsWith("/trans-unit")) {
            unitOpen = false;
        } else if (rest.startsWith("trans-unit") && rest.size() > 10) {
            const char next = rest[10];
            if (!isAsciiSpace(next) && next != '>' && next != '/')
                continue;
            if (unitOpen)
                return {};
            scan.starts.push_back(at);
            unitOpen = true;
        }
    }
    scan.flat = !unitOpen;
    return scan;
}

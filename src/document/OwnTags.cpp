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
    std::vector<qsizetype> starts;
    starts.reserve(rows.size());
    static constexpr QByteArrayView open = "<trans-unit";
    for (qsizetype at = bytes.indexOf(open); at >= 0; at = bytes.indexOf(open, at + 1)) {
        if (at + open.size() >= bytes.size())
            break;
        const char next = bytes[at + open.size()];
        if (isAsciiSpace(next) || next == '>' || next == '/')
            starts.push_back(at);
    }
    if (units == rows.size() && starts.size() == units && plainlyFlat(bytes, starts))
        return starts;
    const UnitLocator::Result located =
        UnitLocator::locate(bytes, UnitLocator::Positions::Utf8);
    starts.clear();
    if (!located.complete || located.nestedUnits)
        return starts;
    for (const UnitLayout &unit : located.units)
        starts.push_back(unit.startTag.begin);
    return starts;
}

bool OwnTags::plainlyFlat(QByteArrayView bytes, const std::vector<qsizetype> &starts)
{
    // With no comment, CDATA section, DOCTYPE or processing instruction, "<trans-unit" and
    // "</trans-unit" are only ever tags; each unit must end before the next one starts.
    const qsizetype afterDeclaration = bytes.startsWith("<?xml") ? bytes.indexOf("?>") : 0;
    if (afterDeclaration < 0 || bytes.indexOf("<!") >= 0 ||
        bytes.indexOf("<?", afterDeclaration) >= 0)
        return false;
    for (size_t k = 0; k < starts.size(); ++k) {
        const qsizetype end = bytes.indexOf("</trans-unit", starts[k]);
        const qsizetype next = k + 1 < starts.size() ? starts[k + 1] : bytes.size();
        if (end < 0 || end > next)
            return false;
    }
    return true;
}

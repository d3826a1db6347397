#include "document/OwnTags.h"

#include "document/DocumentFile.h"
#include "document/SplicePatterns.h"
#include "document/UnitLocator.h"

OwnTags::Found OwnTags::find(const QString &text, std::span<const UnitRecord> rows)
{
    std::vector<qsizetype> tags(rows.size(), unreachable);
    std::vector<qsizetype> starts = unitStarts(text, rows);
    for (size_t i = 0; i < rows.size(); ++i) {
        const UnitRecord &row = rows[i];
        if (!row.name || row.port >= starts.size())
            continue;
        const qsizetype start = starts[size_t(row.port)];
        if (QStringView(text).sliced(start).startsWith(SplicePatterns::startTag(*row.name)))
            tags[i] = start;
    }
    return {std::move(tags), std::move(starts)};
}

std::vector<qsizetype> OwnTags::unitStarts(const QString &text, std::span<const UnitRecord> rows)
{
    // Outside comments, CDATA sections and processing instructions, "<trans-unit" can only
    // be a unit's start tag. When there are exactly as many as the rows have units and no
    // unit stands inside another, the k-th is unit k; otherwise only the parser can tell.
    quint64 units = 0;
    for (const UnitRecord &row : rows)
        units = std::max(units, row.port + 1);
    std::vector<qsizetype> starts;
    starts.reserve(rows.size());
    static constexpr QStringView open = u"<trans-unit";
    const QStringView view(text);
    for (qsizetype at = view.indexOf(u'<'); at >= 0; at = view.indexOf(u'<', at + 1)) {
        if (!view.sliced(at).startsWith(open) || at + open.size() >= view.size())
            continue;
        const QChar next = view[at + open.size()];
        if (next.isSpace() || next == u'>' || next == u'/')
            starts.push_back(at);
    }
    if (units == rows.size() && starts.size() == units && plainlyFlat(view, starts))
        return starts;
    const UnitLocator::Result located = UnitLocator::locate(DocumentFile::encodeUtf8(text));
    starts.clear();
    if (!located.complete || located.nestedUnits)
        return starts;
    for (const UnitLayout &unit : located.units)
        starts.push_back(unit.startTag.begin);
    return starts;
}

bool OwnTags::plainlyFlat(QStringView text, const std::vector<qsizetype> &starts)
{
    // With no comment, CDATA section, DOCTYPE or processing instruction, "<trans-unit" and
    // "</trans-unit" are only ever tags; each unit must end before the next one starts.
    const qsizetype afterDeclaration = text.startsWith(u"<?xml") ? text.indexOf(u"?>") : 0;
    if (afterDeclaration < 0 || text.indexOf(u"<!") >= 0 ||
        text.indexOf(u"<?", afterDeclaration) >= 0)
        return false;
    for (size_t k = 0; k < starts.size(); ++k) {
        const qsizetype end = text.indexOf(u"</trans-unit", starts[k]);
        const qsizetype next = k + 1 < starts.size() ? starts[k + 1] : text.size();
        if (end < 0 || end > next)
            return false;
    }
    return true;
}

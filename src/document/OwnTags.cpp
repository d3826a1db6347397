#include "document/OwnTags.h"

#include "document/DocumentFile.h"
#include "document/SplicePatterns.h"
#include "document/UnitLocator.h"

#include <QHash>

std::vector<qsizetype> OwnTags::find(const QString &text, std::span<const UnitRecord> rows)
{
    QHash<QStringView, int> counts;
    counts.reserve(qsizetype(rows.size()));
    bool repeats = false;
    for (const UnitRecord &row : rows) {
        if (row.name)
            repeats |= ++counts[QStringView(*row.name)] > 1;
    }
    std::vector<qsizetype> tags(rows.size(), searchAll);
    if (!repeats)
        return tags;
    // Only the parser knows which start tag belongs to which unit: tags may take other
    // forms, and a comment may hold text that looks like one.
    const UnitLocator::Result located = UnitLocator::locate(DocumentFile::encodeUtf8(text));
    for (size_t i = 0; i < rows.size(); ++i) {
        const UnitRecord &row = rows[i];
        if (!row.name || counts.value(QStringView(*row.name)) < 2)
            continue;
        tags[i] = unreachable;
        if (!located.complete || row.port >= located.units.size())
            continue;
        const UnitLayout &unit = located.units[row.port];
        const QStringView tag =
            QStringView(text).sliced(unit.startTag.begin, unit.startTag.end - unit.startTag.begin);
        if (unit.name == row.name && tag == SplicePatterns::startTag(*row.name))
            tags[i] = unit.startTag.begin;
    }
    return tags;
}

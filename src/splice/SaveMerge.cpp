#include "splice/SaveMerge.h"

#include "xliff/ParseState.h"
#include "xliff/XliffReader.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

/// A unit's file, id and source and which repeat of them it is; absent differs from empty.
QString identityOf(const UnitRecord &unit, QHash<QString, int> &seen)
{
    QString key;
    for (const std::optional<QString> *value : {&unit.from, &unit.name, &unit.srcs}) {
        key += value->has_value() ? u'+' : u'-';
        key += value->value_or(QString());
        key += QChar(u'\0');
    }
    key += QString::number(seen[key]++);
    return key;
}

bool sameValues(const UnitRecord &a, const UnitRecord &b)
{
    return a.tget == b.tget && a.state == b.state && a.note == b.note;
}

std::optional<std::vector<UnitRecord>> unitsOf(const QByteArray &bytes)
{
    ParseState state;
    ReadResult read = XliffReader(state).read(bytes);
    if (!read.complete)
        return std::nullopt;
    return std::move(read.units);
}

UnwrittenUnit unwritten(const UnitRecord &row)
{
    return {row.from, row.name, row.port};
}

} // namespace

bool SaveMerge::changed(const UnitRecord &row, const UnitRecord &loaded)
{
    return !sameValues(row, loaded);
}

SaveMerge::Plan SaveMerge::plan(const QByteArray &loadedBytes, std::span<const UnitRecord> rows,
                                const std::optional<QByteArray> &currentBytes)
{
    Plan plan;
    const auto asLoaded = [&] {
        plan.rows.assign(rows.begin(), rows.end());
        plan.fromRow.resize(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            plan.fromRow[i] = qint64(i);
    };
    // Gone: written back from the bytes last read, every row as the window has it.
    if (!currentBytes) {
        plan.fileBytes = loadedBytes;
        plan.merged = true;
        asLoaded();
        return plan;
    }
    plan.fileBytes = *currentBytes;
    if (*currentBytes == loadedBytes) {
        asLoaded();
        return plan;
    }
    plan.merged = true;
    const std::optional<std::vector<UnitRecord>> loaded = unitsOf(loadedBytes);
    std::optional<std::vector<UnitRecord>> now = unitsOf(*currentBytes);
    if (!now) {
        plan.error = tr("the file was changed on disk and is no longer a well-formed XLIFF file");
        return plan;
    }
    if (!loaded || loaded->size() != rows.size()) {
        plan.error = tr("the file as it was read no longer matches the window's units");
        return plan;
    }
    plan.rows = std::move(*now);
    plan.fromRow.assign(plan.rows.size(), -1);
    QHash<QString, std::size_t> unitOf;
    QHash<QString, int> seenNow;
    for (std::size_t i = 0; i < plan.rows.size(); ++i)
        unitOf.insert(identityOf(plan.rows[i], seenNow), i);
    QHash<QString, int> seenLoaded;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const UnitRecord &before = (*loaded)[row];
        const QString identity = identityOf(before, seenLoaded);
        if (!changed(rows[row], before))
            continue;
        const auto found = unitOf.constFind(identity);
        if (found == unitOf.constEnd()) {
            plan.notPlaced.push_back(unwritten(rows[row]));
            continue;
        }
        UnitRecord &unit = plan.rows[*found];
        // The file already holds what the user made: nothing to write, nothing to ask.
        if (sameValues(unit, rows[row]))
            continue;
        if (!sameValues(unit, before))
            plan.conflicts.push_back({row, *found, unit});
        unit.setTarget(rows[row].tget);
        unit.state = rows[row].state;
        unit.note = rows[row].note;
        plan.fromRow[*found] = qint64(row);
    }
    return plan;
}

void SaveMerge::keepTheirs(Plan &plan)
{
    for (const Conflict &conflict : plan.conflicts) {
        plan.rows[conflict.unit] = conflict.theirs;
        plan.fromRow[conflict.unit] = -1;
    }
    plan.conflicts.clear();
}

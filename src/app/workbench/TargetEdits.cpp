#include "app/workbench/TargetEdits.h"

#include "app/flows/SaveRunner.h"
#include "app/workbench/TargetsCommand.h"
#include "app/workbench/UnitTableModel.h"
#include "dictionary/ReplacementPass.h"

#include <QUndoStack>

using namespace Qt::StringLiterals;

void TargetEdits::change(std::vector<TargetChange> changes, const QString &undoText)
{
    push(std::move(changes), [&undoText](std::size_t) { return undoText; });
}

void TargetEdits::push(std::vector<TargetChange> changes,
                       const std::function<QString(std::size_t units)> &undoText)
{
    // Rows are not edited while a save works on them (the save's copy would not hold it).
    if (!m_bank || m_saveRunner.isRunning())
        return;
    // A step that would change nothing is not worth undoing.
    const std::vector<UnitRecord> &rows = m_bank->rows();
    std::erase_if(changes, [&rows](const TargetChange &change) {
        return change.row >= rows.size() ||
               (rows[change.row].tget == change.tget && rows[change.row].state == change.state);
    });
    if (changes.empty())
        return;
    const QString text = undoText(changes.size());
    m_undo.push(new TargetsCommand(*m_bank, std::move(changes), text));
}

void TargetEdits::changeEach(
    const std::vector<std::size_t> &rows, const QString &undoText,
    const std::function<std::optional<TargetChange>(const UnitRecord &, std::size_t)> &next)
{
    if (!m_bank)
        return;
    std::vector<TargetChange> changes;
    for (const std::size_t row : rows) {
        const UnitRecord *unit = m_bank->record(int(row));
        if (!unit)
            continue;
        if (std::optional<TargetChange> changed = next(*unit, row))
            changes.push_back(std::move(*changed));
    }
    // A command on the selection says when it changed more than the one unit on show.
    push(std::move(changes), [&undoText](std::size_t units) {
        if (units < 2)
            return undoText;
        return tr("%1 (%n Units)", nullptr, int(units)).arg(undoText);
    });
}

void TargetEdits::copySources(const std::vector<std::size_t> &rows, const QString &undoText)
{
    changeEach(rows, undoText,
               [](const UnitRecord &unit, std::size_t row) -> std::optional<TargetChange> {
                   // The source as the file holds it: its blanks belong to the text.
                   if (!unit.srcs)
                       return std::nullopt;
                   return UnitTableModel::typed(unit, row, *unit.rawSource());
               });
}

void TargetEdits::clearTargets(const std::vector<std::size_t> &rows, const QString &undoText)
{
    changeEach(rows, undoText,
               [](const UnitRecord &unit, std::size_t row) -> std::optional<TargetChange> {
                   // A unit without a target keeps having none: clearing adds no empty
                   // element. Where the file keeps states, an emptied target is one still
                   // to translate.
                   if (!unit.tget || unit.tget->isEmpty())
                       return std::nullopt;
                   return TargetChange{row, QString(),
                                       unit.state ? std::optional(u"new"_s) : std::nullopt};
               });
}

TargetEdits::Replaced TargetEdits::replace(const ReplacementDictionary &dictionary,
                                           const QString &undoText)
{
    // Rows are not edited while a save works on them; without rows there is nothing to say.
    if (!m_bank || m_bank->rowCount() == 0 || m_saveRunner.isRunning())
        return {};
    if (QString refusal = ReplacementPass::refusal(m_bank->files()); !refusal.isEmpty())
        return {std::move(refusal), true};
    const ReplacementResult result = ReplacementPass::run(m_bank->rows(), dictionary);
    std::vector<TargetChange> changes;
    changes.reserve(result.changedRows.size());
    for (const std::size_t row : result.changedRows) {
        const UnitRecord &filled = result.rows[row];
        changes.push_back(
            UnitTableModel::typed(m_bank->rows()[row], row, filled.tget.value_or(QString())));
    }
    change(std::move(changes), undoText);
    return {ReplacementPass::summary(result), false};
}

#include "app/workbench/TargetsCommand.h"

#include "app/workbench/UnitTableModel.h"

TargetsCommand::TargetsCommand(UnitTableModel &model, std::vector<TargetChange> changes,
                               const QString &text)
    : QUndoCommand(text), m_model(&model), m_after(std::move(changes))
{
    m_before.reserve(m_after.size());
    const std::vector<UnitRecord> &rows = model.rows();
    for (const TargetChange &change : m_after) {
        if (change.row >= rows.size())
            continue;
        const UnitRecord &record = rows[change.row];
        m_before.push_back({change.row, record.tget, record.state});
    }
}

void TargetsCommand::redo()
{
    if (m_model)
        m_model->applyChanges(m_after);
}

void TargetsCommand::undo()
{
    if (m_model)
        m_model->applyChanges(m_before);
}

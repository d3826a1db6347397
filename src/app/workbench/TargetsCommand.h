#pragma once

#include "document/TargetChange.h"

#include <QPointer>
#include <QUndoCommand>

#include <vector>

class UnitTableModel;

/// One undoable step over the targets of a document: a typed target, a copied source, a
/// cleared target, or a whole pass over many rows. It keeps the targets it replaced, so
/// undo gives back exactly the records that were there.
class TargetsCommand : public QUndoCommand
{
public:
    /// `changes` name the new values; the current ones are taken from `model` now.
    TargetsCommand(UnitTableModel &model, std::vector<TargetChange> changes, const QString &text);

    void redo() override;
    void undo() override;

private:
    QPointer<UnitTableModel> m_model;
    std::vector<TargetChange> m_after;
    std::vector<TargetChange> m_before;
};

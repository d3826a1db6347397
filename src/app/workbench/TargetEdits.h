#pragma once

#include "dictionary/ReplacementDictionary.h"
#include "document/TargetChange.h"
#include "document/UnitRecord.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QUndoStack;
class SaveRunner;
class UnitTableModel;

/// The commands that change many targets at once, each as one step on the undo stack:
/// copying sources, clearing targets, the dictionary pass, and any list of changes a flow
/// hands over. Nothing changes while a save works on the rows. A command on the selection
/// that changes several units names their number ("Copy Source to Target (3 Units)").
class TargetEdits
{
    Q_DECLARE_TR_FUNCTIONS(TargetEdits)

public:
    TargetEdits(QUndoStack &undo, const SaveRunner &saveRunner)
        : m_undo(undo), m_saveRunner(saveRunner)
    {
    }

    void setBank(UnitTableModel *bank) { m_bank = bank; }

    /// Changes targets as one undoable step named `undoText`; a step that would change
    /// nothing is left out.
    void change(std::vector<TargetChange> changes, const QString &undoText);
    /// Copies each row's source into its target.
    void copySources(const std::vector<std::size_t> &rows, const QString &undoText);
    /// Empties the targets of the rows that have one.
    void clearTargets(const std::vector<std::size_t> &rows, const QString &undoText);
    /// What the dictionary pass did, in the user's words (empty: there were no rows), or
    /// why it refused the document.
    struct Replaced
    {
        QString message;
        bool refused = false;
    };
    /// Fills targets from the replacement dictionary, in a document translated into
    /// Japanese only.
    Replaced replace(const ReplacementDictionary &dictionary, const QString &undoText);

private:
    /// One step of the changes that change something, named by their number.
    void push(std::vector<TargetChange> changes,
              const std::function<QString(std::size_t units)> &undoText);
    /// One step of the changes `next` makes to each of `rows` (none: the row stays).
    void changeEach(
        const std::vector<std::size_t> &rows, const QString &undoText,
        const std::function<std::optional<TargetChange>(const UnitRecord &, std::size_t)> &next);

    QUndoStack &m_undo;
    const SaveRunner &m_saveRunner;
    QPointer<UnitTableModel> m_bank;
};

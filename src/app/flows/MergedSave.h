#pragma once

#include "app/flows/ConflictSheet.h"
#include "splice/SaveMerge.h"
#include "splice/SpliceResult.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <span>

class SaveRunner;

/// The window's side of saving into the file as it is now. It keeps the bytes the open
/// document was read from (the base the user's changes are told from, and what a deleted
/// file is written back from), plans each save off the main thread (`SaveMerge`), and asks
/// about units changed on both sides before anything is written.
class MergedSave : public QObject
{
    Q_OBJECT

public:
    using Plan = std::shared_ptr<SaveMerge::Plan>;

    explicit MergedSave(SaveRunner &runner, QObject *parent = nullptr);

    /// The document now is these bytes: it was read, or saved whole.
    void setLoaded(const QByteArray &bytes) { m_loaded = bytes; }
    const QByteArray &loaded() const { return m_loaded; }

    /// Plans the save of `rows` into the file at `path` (on a thread of its own for a large
    /// file), then asks on `window` about conflicts, then calls `settled` with the plan to
    /// write. When no save can be made, says why ("Could not save.") if there were rows to
    /// lose; a cancelled question saves nothing and says nothing.
    void prepare(QWidget *window, const QString &path,
                 std::shared_ptr<const std::vector<UnitRecord>> rows,
                 std::function<void(Plan)> settled);

    /// The question about conflicts while it is on show, else null.
    ConflictSheet *conflictSheet() const { return m_sheet; }

    /// Off the main thread: the plan for `rows` into the file at `path` as it is now.
    static SaveMerge::Plan plan(const QByteArray &loaded, const QString &path,
                                std::span<const UnitRecord> rows);
    /// The plan's units that could not be placed joined to what a splice did not write.
    static void addNotPlaced(const SaveMerge::Plan &plan, SpliceResult &packed);

private:
    void ask(QWidget *window, const QString &path, Plan plan, std::function<void(Plan)> settled);

    SaveRunner &m_runner;
    QByteArray m_loaded;
    QPointer<ConflictSheet> m_sheet;
};

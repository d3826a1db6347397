#include "app/flows/MergedSave.h"

#include "app/flows/DocumentAlerts.h"
#include "app/flows/SaveRunner.h"
#include "files/DocumentFile.h"

#include <QFileInfo>

MergedSave::MergedSave(SaveRunner &runner, QObject *parent) : QObject(parent), m_runner(runner) {}

SaveMerge::Plan MergedSave::plan(const QByteArray &loaded, const QString &path,
                                 std::span<const UnitRecord> rows)
{
    const QFileInfo file(path);
    // Gone (deleted, or moved away): written back from the bytes last read.
    if (!file.exists() && !file.isSymLink() && !loaded.isNull())
        return SaveMerge::plan(loaded, rows, std::nullopt);
    DocumentFile::Bytes now = DocumentFile::read(path);
    if (!now.error.isEmpty()) {
        SaveMerge::Plan failed;
        failed.error = now.error;
        return failed;
    }
    // Nothing was read at the load (the table is empty): the file is all there is.
    if (loaded.isNull())
        return SaveMerge::plan(now.bytes, rows, now.bytes);
    return SaveMerge::plan(loaded, rows, now.bytes);
}

void MergedSave::addNotPlaced(const SaveMerge::Plan &plan, SpliceResult &packed)
{
    packed.unwritten.insert(packed.unwritten.end(), plan.notPlaced.begin(), plan.notPlaced.end());
}

void MergedSave::prepare(QWidget *window, const QString &path,
                         std::shared_ptr<const std::vector<UnitRecord>> rows,
                         std::function<void(Plan)> settled)
{
    auto planned = std::make_shared<SaveMerge::Plan>();
    m_runner.run(
        window, path,
        [planned, rows, loaded = m_loaded, path] { *planned = plan(loaded, path, *rows); },
        [this, window, path, planned, hadRows = !rows->empty(), settled = std::move(settled)] {
            if (!planned->error.isEmpty()) {
                if (hadRows)
                    DocumentAlerts::saveFailed(window, planned->error);
                return;
            }
            if (planned->conflicts.empty()) {
                settled(planned);
                return;
            }
            ask(window, path, planned, settled);
        });
}

void MergedSave::ask(QWidget *window, const QString &path, Plan plan,
                     std::function<void(Plan)> settled)
{
    QStringList units;
    for (const SaveMerge::Conflict &conflict : plan->conflicts) {
        const QString id = conflict.theirs.name.value_or(QString());
        units.append(conflict.theirs.from ? tr("%1 (in %2)").arg(id, *conflict.theirs.from) : id);
    }
    auto *sheet = new ConflictSheet(QFileInfo(path).fileName(), units, window);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    m_sheet = sheet;
    connect(sheet, &ConflictSheet::keepMine, this, [sheet, plan, settled] {
        sheet->close();
        settled(plan);
    });
    connect(sheet, &ConflictSheet::keepTheirs, this, [sheet, plan, settled] {
        sheet->close();
        SaveMerge::keepTheirs(*plan);
        settled(plan);
    });
    sheet->open();
}

#include "app/flows/SaveFlow.h"

#include "app/flows/AppDelegate.h"
#include "app/flows/CatalogFile.h"
#include "app/flows/DocumentAlerts.h"
#include "app/workbench/UnitTableModel.h"
#include "files/DocumentFile.h"
#include "splice/DocumentSave.h"
#include "splice/XliffWriter.h"
#include "xliff/XliffReader.h"

#include <QFileDialog>
#include <QFileInfo>

#include <memory>

using namespace Qt::StringLiterals;

bool SaveFlow::packed(const SpliceResult &packed, bool hadRows)
{
    if (packed.bytes && !packed.bytes->isEmpty())
        return true;
    // With rows in the table there is work that would be lost: say so instead of
    // returning as if the document had been saved.
    if (hadRows)
        DocumentAlerts::saveFailed(m_delegate.window(), packed.errorString);
    return false;
}

bool SaveFlow::writeDocument(const QString &path, const SpliceResult &packed)
{
    emit m_delegate.aboutToWrite(path);
    QString error;
    const bool written = DocumentFile::write(path, *packed.bytes, &error);
    reportWritten(path, packed, written, error, m_delegate.undoStack().index());
    return written && packed.unwritten.empty();
}

void SaveFlow::reportWritten(const QString &path, const SpliceResult &packed, bool written,
                             const QString &error, int packedAt)
{
    if (!written) {
        DocumentAlerts::saveFailed(m_delegate.window(), error);
        return;
    }
    emit m_delegate.documentWritten(path, *packed.bytes, packed.unwritten.empty());
    // What could be written is on disk, but the edits still missing keep the mark.
    if (!packed.unwritten.empty()) {
        DocumentAlerts::unwritten(m_delegate.window(), packed.unwritten);
        return;
    }
    // Only a save over the open document makes its current state the saved one; a copy
    // saved elsewhere leaves the document's own file behind. A step undone or redone while
    // the save ran is not in the file.
    if (m_delegate.undoStack().index() != packedAt) {
        m_delegate.setEdited(true);
        emit m_delegate.saved(path);
        return;
    }
    if (m_delegate.state().document.documentPath == path)
        m_delegate.undoStack().setClean();
    m_delegate.setEdited(false);
    emit m_delegate.saved(path);
}

SaveFlow::Rows SaveFlow::rowsNow() const
{
    // A save works on a copy of the rows; the table takes no edits until it is done.
    const UnitTableModel *bank = m_delegate.bank();
    return {std::make_shared<const std::vector<UnitRecord>>(bank ? bank->rows()
                                                                 : std::vector<UnitRecord>{}),
            bank && bank->rowCount() > 0};
}

void SaveFlow::save(AfterSave next)
{
    const std::optional<QString> &path = m_delegate.state().document.documentPath;
    if (!path)
        return;
    const Rows now = rowsNow();
    const std::shared_ptr<const std::vector<UnitRecord>> rows = now.rows;
    const bool hadRows = now.hadRows;
    const int packedAt = m_delegate.undoStack().index();
    if (const QString &language = m_delegate.catalogLanguage(); !language.isEmpty()) {
        saveCatalog(*path, language, rows, hadRows, packedAt, next);
        return;
    }
    m_delegate.mergedSave().prepare(
        m_delegate.window(), *path, rows,
        [this, hadRows, packedAt, next, path = *path](const MergedSave::Plan &plan) {
            writePlan(path, plan, hadRows, packedAt, next);
        });
}

void SaveFlow::writePlan(const QString &path, const MergedSave::Plan &plan, bool hadRows,
                         int packedAt, AfterSave next)
{
    // The export as it was is kept before the first save over it.
    emit m_delegate.aboutToWrite(path);
    auto outcome = std::make_shared<DocumentSave::Outcome>();
    m_delegate.saveRunner().run(
        m_delegate.window(), path,
        [outcome, plan, path] {
            *outcome = DocumentSave::run(plan->fileBytes, plan->rows, path);
            MergedSave::addNotPlaced(*plan, outcome->packed);
        },
        [this, outcome, plan, hadRows, packedAt, next, path] {
            if (!packed(outcome->packed, hadRows))
                return;
            reportWritten(path, outcome->packed, outcome->written, outcome->writeError, packedAt);
            if (outcome->written && outcome->packed.unwritten.empty())
                adoptSaved(*outcome->packed.bytes, plan->merged,
                           m_delegate.undoStack().index() == packedAt);
            m_delegate.continueAfterSave(next);
        });
}

void SaveFlow::adoptSaved(const QByteArray &bytes, bool merged, bool unchangedSince)
{
    UnitTableModel *bank = m_delegate.bank();
    if (!unchangedSince) {
        // Edits made or undone while the file was written are told from what it holds now;
        // when other programs' changes came in, the rows lack them, so the base stays.
        if (!merged)
            m_delegate.mergedSave().setLoaded(bytes);
        return;
    }
    m_delegate.mergedSave().setLoaded(bytes);
    if (!merged || !bank)
        return;
    // Other programs' changes are in the file now: the table shows it as saved.
    ReadResult result = XliffReader(m_delegate.state().parse).read(bytes);
    if (!result.complete)
        return;
    m_delegate.undoStack().clear();
    bank->setRows(std::move(result.units), std::move(result.files));
    m_delegate.setEdited(false);
}

void SaveFlow::saveCatalog(const QString &path, const QString &language,
                           std::shared_ptr<const std::vector<UnitRecord>> rows, bool hadRows,
                           int packedAt, AfterSave next)
{
    // A catalog is spliced into its file as it is now: only the chosen language's values
    // change, whatever else another program wrote stays.
    emit m_delegate.aboutToWrite(path);
    auto outcome = std::make_shared<DocumentSave::Outcome>();
    m_delegate.saveRunner().run(
        m_delegate.window(), path,
        [outcome, rows, language, path] { *outcome = CatalogFile::save(path, language, *rows); },
        [this, outcome, hadRows, packedAt, next, path] {
            if (!packed(outcome->packed, hadRows))
                return;
            reportWritten(path, outcome->packed, outcome->written, outcome->writeError, packedAt);
            m_delegate.continueAfterSave(next);
        });
}

void SaveFlow::saveAs()
{
    const std::optional<QString> &path = m_delegate.state().document.documentPath;
    if (!path)
        return;
    const Rows now = rowsNow();
    const std::shared_ptr<const std::vector<UnitRecord>> rows = now.rows;
    const bool hadRows = now.hadRows;
    if (const QString &language = m_delegate.catalogLanguage(); !language.isEmpty()) {
        auto text = std::make_shared<SpliceResult>();
        m_delegate.saveRunner().run(
            m_delegate.window(), *path,
            [text, rows, language, path = *path] {
                *text = CatalogFile::pack(path, language, *rows);
            },
            [this, text, hadRows, path = *path] {
                if (packed(*text, hadRows))
                    chooseCopy(path, text);
            });
        return;
    }
    const auto splice = [this, hadRows, path = *path](const MergedSave::Plan &plan) {
        auto text = std::make_shared<SpliceResult>();
        m_delegate.saveRunner().run(
            m_delegate.window(), path,
            [text, plan] {
                *text = XliffWriter::splice(plan->fileBytes, plan->rows);
                MergedSave::addNotPlaced(*plan, *text);
            },
            [this, text, hadRows, path] {
                if (packed(*text, hadRows))
                    chooseCopy(path, text);
            });
    };
    m_delegate.mergedSave().prepare(m_delegate.window(), *path, rows, splice);
}

void SaveFlow::chooseCopy(const QString &path, const std::shared_ptr<const SpliceResult> &text)
{
    const QFileInfo current(path);
    auto *dialog = new QFileDialog(m_delegate.window(), tr("Save As"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    const bool catalog = !m_delegate.catalogLanguage().isEmpty();
    dialog->setNameFilter(catalog ? tr("String Catalogs (*.xcstrings)")
                                  : tr("XLIFF files (*.xliff)"));
    dialog->setDefaultSuffix(catalog ? u"xcstrings"_s : u"xliff"_s);
    dialog->setDirectory(current.absolutePath());
    dialog->selectFile(current.fileName());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The text is the one packed before the dialog opened; the dialog blocks the window,
    // so no edit can come in between.
    QObject::connect(dialog, &QFileDialog::fileSelected, &m_delegate,
                     [this, text](const QString &chosen) { writeDocument(chosen, *text); });
    dialog->open();
}

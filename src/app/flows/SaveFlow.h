#pragma once

#include "app/flows/MergedSave.h"
#include "splice/SpliceResult.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <vector>

class AppDelegate;

/// Save and Save As of the open document. The rows are planned into the file as it is now
/// (`MergedSave`), written off the main thread when the file is large (`SaveRunner`), and
/// the outcome reported; what a question waited for (closing the window, opening another
/// document) goes on only once the save has left nothing unsaved.
class SaveFlow
{
    Q_DECLARE_TR_FUNCTIONS(SaveFlow)

public:
    /// What waits for a save that a question asked for.
    enum class AfterSave
    {
        Nothing,
        Close,
        Open
    };

    explicit SaveFlow(AppDelegate &delegate) : m_delegate(delegate) {}

    /// Saves over the open document, then does `next` if nothing is left unsaved.
    void save(AfterSave next);
    /// Asks where to write a copy of the document, then writes it there.
    void saveAs();

private:
    struct Rows
    {
        std::shared_ptr<const std::vector<UnitRecord>> rows;
        bool hadRows = false; ///< the table held rows: a failure would lose work
    };
    /// A copy of the table's rows for a save to work on.
    Rows rowsNow() const;
    /// Whether a packed document can be written; else shows why (when there is work to lose).
    bool packed(const SpliceResult &packed, bool hadRows);
    /// Writes a packed document and reports the outcome; true when it is fully saved.
    bool writeDocument(const QString &path, const SpliceResult &packed);
    /// Asks where to write a copy of the packed document, then writes it.
    void chooseCopy(const QString &path, const std::shared_ptr<const SpliceResult> &text);
    /// Reports a save's outcome as writeDocument does; `packedAt` is the undo history's
    /// place when the rows were taken.
    void reportWritten(const QString &path, const SpliceResult &packed, bool written,
                       const QString &error, int packedAt);
    /// Writes a settled plan over the document at `path` and reports it.
    void writePlan(const QString &path, const MergedSave::Plan &plan, bool hadRows, int packedAt,
                   AfterSave next);
    /// Saves the open String Catalog's language over the catalog at `path`.
    void saveCatalog(const QString &path, const QString &language,
                     std::shared_ptr<const std::vector<UnitRecord>> rows, bool hadRows,
                     int packedAt, AfterSave next);
    /// The document is now the saved bytes; after a merge the table shows them, unless
    /// the rows changed while the file was written (`unchangedSince` false).
    void adoptSaved(const QByteArray &bytes, bool merged, bool unchangedSince);

    AppDelegate &m_delegate;
};

#pragma once

#include "app/flows/ConfirmSheet.h"
#include "app/flows/MergedSave.h"
#include "app/flows/PickerSheet.h"
#include "app/flows/RecentDocuments.h"
#include "app/flows/SaveFlow.h"
#include "app/flows/SaveRunner.h"
#include "app/preferences/DictionaryController.h"
#include "app/workbench/TargetEdits.h"
#include "app/workbench/UnitTableModel.h"
#include "document/ReadResult.h"
#include "splice/SpliceResult.h"
#include "xliff/ProcessState.h"

#include <QAbstractItemModel>
#include <QObject>
#include <QPointer>
#include <QStringListModel>
#include <QTableView>
#include <QUndoStack>
#include <QWidget>

#include <functional>
#include <memory>

/// The application's one controller. It owns the process-wide state and carries every
/// flow: launch, opening a file or folder, confirming the replacement of the open
/// document, picking one of several found files, saving, saving a copy and quitting.
/// It reaches the interface only through its outlets, which it does not own.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    /// The answer to a termination request.
    enum class TerminateReply
    {
        Cancel = 0,
        Now = 1
    };

    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    ProcessState &state() { return m_state; }
    const ProcessState &state() const { return m_state; }
    RecentDocuments &recentDocuments() { return m_recent; }
    /// The history of target changes of the open document; a load empties it.
    QUndoStack &undoStack() { return m_undo; }

    /// Changes targets as one undoable step named `undoText` (shown as "Undo …"). Every
    /// change of targets goes through here or through a committed edit in the table.
    void changeTargets(std::vector<TargetChange> changes, const QString &undoText);
    /// Runs Save and Save As; a large file is saved off the main thread.
    SaveRunner &saveRunner() { return m_saveRunner; }
    /// Saves into the file as it is now, asking about units changed on both sides.
    MergedSave &mergedSave() { return m_merge; }

    // Outlets, set by the window that builds the interface.
    UnitTableModel *bank() const { return m_bank; }
    void setBank(UnitTableModel *bank)
    {
        m_bank = bank;
        m_edits.setBank(bank);
    }
    QAbstractItemModel *ctrl() const { return m_ctrl; }
    void setCtrl(QAbstractItemModel *ctrl) { m_ctrl = ctrl; }
    QTableView *grid() const { return m_grid; }
    void setGrid(QTableView *grid) { m_grid = grid; }
    PickerSheet *more() const { return m_more; }
    void setMore(PickerSheet *more) { m_more = more; }
    QStringListModel *xtra() const { return m_xtra; }
    void setXtra(QStringListModel *xtra) { m_xtra = xtra; }
    ConfirmSheet *confTerm() const { return m_confTerm; }
    void setConfTerm(ConfirmSheet *confTerm) { m_confTerm = confTerm; }
    ConfirmSheet *confOver() const { return m_confOver; }
    void setConfOver(ConfirmSheet *confOver) { m_confOver = confOver; }
    QWidget *window() const { return m_window; }
    void setWindow(QWidget *window) { m_window = window; }
    // The dictionary's operations, and the windows the Edit and Help menus open.
    DictionaryController *dictionary() const { return m_dictionary; }
    void setDictionary(DictionaryController *dictionary);
    void setPreferencesWindow(QWidget *preferences) { m_preferences = preferences; }
    void setHelpWindow(QWidget *help) { m_help = help; }

public slots:
    /// Once the interface is built: observe the unit list, then install the dictionary.
    void launch();

    /// An open request from any source. Asks first when the table holds rows (false:
    /// nothing loaded yet); otherwise reads the path at once.
    bool openFile(const QString &path);
    /// The confirm button of the replacement question.
    void ride();
    /// Opens a file, or scans a folder for XLIFF files. Clears the edited mark; always true.
    bool read(const QString &path);
    /// Loads one file into the table.
    void walk(const QString &path);
    /// Loads one language of a String Catalog into the table.
    void walkCatalog(const QString &path, const QString &language);
    /// The language of the open String Catalog; empty for an export.
    const QString &catalogLanguage() const { return m_catalogLanguage; }
    /// The confirm button of the picker.
    void pass();
    /// Ends the sheet on show.
    void miss();

    void save();
    void dupe();
    /// The confirm button of the quit question: discard the changes and close.
    void confTermDone();
    /// The Save button of the quit and the replacement question: save, then (once nothing
    /// is left unsaved) close the window or open the waiting path.
    void confSave();
    /// Any termination request, including closing the main window.
    TerminateReply shouldTerminate();

    /// Installs the built-in dictionary when the dictionary is empty.
    void fill();
    /// The add (tag 0) and remove (tag 1) buttons of the dictionary table.
    void plus(int tag);
    /// Fills targets from the replacement dictionary.
    void pset();
    /// Copies each row's source into its target, as one step.
    void copySources(const std::vector<std::size_t> &rows);
    /// Empties the targets of the rows that have one, as one step.
    void clearTargets(const std::vector<std::size_t> &rows);
    void showHelp();
    void showPreferences();

signals:
    // What protects unsaved edits (RecoveryController) follows the document through these.
    /// A file was handed to the reader; the table holds its units, or none if it failed.
    /// `bytes` are the file as read (null when it could not be read).
    void documentRead(const QString &path, const QByteArray &bytes);
    /// A save is about to replace the file at `path`.
    void aboutToWrite(const QString &path);
    /// A save wrote `bytes` to `path`; `complete` when every edit is in it.
    void documentWritten(const QString &path, const QByteArray &bytes, bool complete);
    /// The document was written whole to `path` (a save, or a save as).
    void saved(const QString &path);
    /// A short account of what a command did, for the status bar.
    void reported(const QString &message);

protected:
    /// Takes the platform's file-open events (a file dropped on the application icon).
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class SaveFlow;
    /// Goes on with what a question waited for, once its save has left nothing unsaved.
    void continueAfterSave(SaveFlow::AfterSave next);
    void markEdited();
    void setEdited(bool edited);
    void showSheet(QWidget *sheet);
    void updateTitle();
    static void present(QWidget *window);
    /// Asks which language of the catalog at `path` to open, in a sheet.
    void offerLanguages(const QString &path);
    /// Puts a read document in the table (none when the read failed, with an alert saying
    /// why) and starts its history afresh.
    void load(const QString &path, ReadResult result, const QByteArray &bytes);

    ProcessState m_state;
    RecentDocuments m_recent;
    QUndoStack m_undo;
    SaveRunner m_saveRunner;
    MergedSave m_merge{m_saveRunner};
    TargetEdits m_edits;
    SaveFlow m_saves;

    QPointer<UnitTableModel> m_bank;
    QPointer<QAbstractItemModel> m_ctrl;
    QPointer<QTableView> m_grid;
    QPointer<PickerSheet> m_more;
    QPointer<QStringListModel> m_xtra;
    QPointer<ConfirmSheet> m_confTerm;
    QPointer<ConfirmSheet> m_confOver;
    QPointer<QWidget> m_window;
    QPointer<DictionaryController> m_dictionary;
    QPointer<QWidget> m_preferences;
    QPointer<QWidget> m_help;
    QString m_catalogLanguage; ///< the open catalog's language; empty for an export
};

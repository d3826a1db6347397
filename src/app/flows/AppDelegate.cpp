#include "app/flows/AppDelegate.h"

#include "app/flows/CatalogFile.h"
#include "app/flows/CatalogLanguageSheet.h"
#include "app/flows/ConfirmSheet.h"
#include "app/flows/DocumentAlerts.h"
#include "app/flows/DocumentQuestions.h"
#include "app/flows/PickerSheet.h"
#include "app/workbench/UnitTableModel.h"
#include "catalog/CatalogReader.h"
#include "xliff/XliffFinder.h"
#include "xliff/XliffReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QMessageBox>
#include <QStringListModel>

#include <memory>

using namespace Qt::StringLiterals;

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent), m_edits(m_undo, m_saveRunner), m_saves(*this)
{
}

AppDelegate::~AppDelegate()
{
    // The history announces its end as it goes, after the outlets it would reach are gone.
    m_undo.disconnect(this);
}

void AppDelegate::launch()
{
    if (m_bank) {
        connect(m_bank, &UnitTableModel::unitsChanged, this, &AppDelegate::markEdited);
        m_bank->setUndoStack(&m_undo);
    }
    // Undoing or redoing back to what was last saved leaves nothing unsaved.
    connect(&m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            setEdited(false);
    });
    // The user's own dictionary comes back before fill decides whether it is empty.
    if (m_dictionary)
        m_dictionary->restore();
    fill();
}

void AppDelegate::setDictionary(DictionaryController *dictionary)
{
    m_dictionary = dictionary;
    if (!dictionary)
        return;
    connect(dictionary, &DictionaryController::problem, this, [this](const QString &text) {
        DocumentAlerts::show(m_window, tr("Replacement Dictionary"), text);
    });
}

void AppDelegate::markEdited()
{
    setEdited(true);
}

void AppDelegate::setEdited(bool edited)
{
    if (m_window)
        m_window->setWindowModified(edited);
}

bool AppDelegate::openFile(const QString &path)
{
    if (m_bank && m_bank->rowCount() > 0) {
        if (m_confOver)
            DocumentQuestions::openOver(*m_confOver, m_window && m_window->isWindowModified());
        m_state.document.activeSheet = m_confOver;
        m_state.document.pendingPath = path;
        showSheet(m_confOver);
        return false;
    }
    return read(path);
}

void AppDelegate::ride()
{
    miss();
    const std::optional<QString> path = std::exchange(m_state.document.pendingPath, {});
    if (path)
        read(*path);
}

bool AppDelegate::read(const QString &path)
{
    if (CatalogReader::isCatalogPath(path)) {
        offerLanguages(path);
        return true;
    }
    if (XliffFinder::isXliffPath(path)) {
        walk(path);
        setEdited(false);
        return true;
    }

    const QStringList found = XliffFinder::find(path);
    if (found.size() == 1) {
        walk(found.first());
    } else if (found.size() > 1 && m_xtra) {
        const int first = m_xtra->rowCount();
        m_xtra->insertRows(first, static_cast<int>(found.size()));
        for (qsizetype i = 0; i < found.size(); ++i)
            m_xtra->setData(m_xtra->index(first + static_cast<int>(i)), found.at(i));
        m_state.document.activeSheet = m_more;
        if (m_more)
            m_more->selectRow(first);
        showSheet(m_more);
    } else {
        DocumentAlerts::show(m_window, tr("Not Found"), tr("No appropriate files found"));
    }
    setEdited(false);
    return true;
}

void AppDelegate::offerLanguages(const QString &path)
{
    // A file with no languages to offer is no catalog: the read says why.
    if (!CatalogLanguageSheet::ask(m_window, path, this, &AppDelegate::walkCatalog))
        walkCatalog(path, QString());
}

void AppDelegate::walkCatalog(const QString &path, const QString &language)
{
    QByteArray bytes;
    QStringList warnings;
    ReadResult result = CatalogFile::read(path, language, &bytes, &warnings);
    m_catalogLanguage = result.complete ? language : QString();
    load(path, std::move(result), bytes);
    setEdited(false);
    if (!warnings.isEmpty())
        DocumentAlerts::show(m_window, tr("A Key Is Written Twice"), warnings.join(u'\n'));
}

void AppDelegate::walk(const QString &path)
{
    m_catalogLanguage.clear();
    QByteArray bytes;
    ReadResult result = XliffReader(m_state.parse).readFile(path, &bytes);
    load(path, std::move(result), bytes);
}

void AppDelegate::load(const QString &path, ReadResult result, const QByteArray &bytes)
{
    m_state.document.documentPath = path;
    m_recent.add(path);
    updateTitle();
    // A file that can't be read or parsed leaves the table empty, and the user is told
    // why rather than left with an empty table and no reason.
    if (!result.complete)
        DocumentAlerts::openFailed(m_window, path, result);
    m_undo.clear();
    if (!m_bank)
        return;
    if (!result.complete)
        result = ReadResult{};
    // What the user changes from now on is told apart from these bytes at a save.
    m_merge.setLoaded(result.complete ? bytes : QByteArray());
    m_bank->setRows(std::move(result.units), std::move(result.files));
    emit documentRead(path, bytes);
}

void AppDelegate::pass()
{
    if (!m_more || !m_xtra)
        return;
    const int row = m_more->selectedRow();
    if (row < 0 || row >= m_xtra->rowCount())
        return;
    walk(m_xtra->index(row).data().toString());
    miss();
}

void AppDelegate::miss()
{
    if (auto *sheet = qobject_cast<QWidget *>(m_state.document.activeSheet.data()))
        sheet->hide();
    m_state.document.activeSheet = nullptr;
}

void AppDelegate::showSheet(QWidget *sheet)
{
    if (auto *dialog = qobject_cast<QDialog *>(sheet))
        dialog->open();
}

void AppDelegate::save()
{
    m_saves.save(SaveFlow::AfterSave::Nothing);
}

void AppDelegate::dupe()
{
    m_saves.saveAs();
}

AppDelegate::TerminateReply AppDelegate::shouldTerminate()
{
    if (!m_window || !m_window->isWindowModified())
        return TerminateReply::Now;
    if (m_confTerm)
        DocumentQuestions::quit(*m_confTerm);
    m_state.document.activeSheet = m_confTerm;
    showSheet(m_confTerm);
    return TerminateReply::Cancel;
}

void AppDelegate::confSave()
{
    const bool quitting = m_state.document.activeSheet.data() == m_confTerm.data();
    miss();
    // What the question waited for follows the save through planning, a question about
    // conflicts and the write; a save that is cancelled or fails takes it nowhere.
    m_saves.save(quitting ? SaveFlow::AfterSave::Close : SaveFlow::AfterSave::Open);
}

void AppDelegate::continueAfterSave(SaveFlow::AfterSave next)
{
    // A failed or partial save keeps the mark and says why: the work stays on screen.
    if (next == SaveFlow::AfterSave::Nothing || !m_window || m_window->isWindowModified())
        return;
    if (next == SaveFlow::AfterSave::Close)
        m_window->close();
    else
        ride();
}

void AppDelegate::confTermDone()
{
    miss();
    setEdited(false);
    if (m_window)
        m_window->close();
}

void AppDelegate::fill()
{
    if (m_dictionary)
        m_dictionary->fill();
}

void AppDelegate::plus(int tag)
{
    if (m_dictionary)
        m_dictionary->plus(tag);
}

void AppDelegate::pset()
{
    // Rows are not edited while a save works on them; the edited mark follows the undo
    // history, so a pass that changed nothing leaves it as it was.
    if (m_saveRunner.isRunning() || !m_dictionary)
        return;
    const TargetEdits::Replaced done =
        m_edits.replace(m_dictionary->dictionary(), tr("Replace With Replacement Dictionary"));
    if (done.refused)
        DocumentAlerts::show(m_window, tr("Nothing Replaced"), done.message);
    else if (!done.message.isEmpty())
        emit reported(done.message);
}

void AppDelegate::copySources(const std::vector<std::size_t> &rows)
{
    m_edits.copySources(rows, tr("Copy Source to Target"));
}

void AppDelegate::clearTargets(const std::vector<std::size_t> &rows)
{
    m_edits.clearTargets(rows, tr("Clear Target"));
}

void AppDelegate::changeTargets(std::vector<TargetChange> changes, const QString &undoText)
{
    m_edits.change(std::move(changes), undoText);
}

void AppDelegate::showHelp()
{
    present(m_help);
}

void AppDelegate::showPreferences()
{
    present(m_preferences);
}

void AppDelegate::present(QWidget *window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void AppDelegate::updateTitle()
{
    if (!m_window)
        return;
    const QString app = QCoreApplication::applicationName();
    if (!m_state.document.documentPath) {
        m_window->setWindowTitle(app + u"[*]"_s);
        return;
    }
    QString file = QFileInfo(*m_state.document.documentPath).fileName();
    if (!m_catalogLanguage.isEmpty())
        file = tr("%1 (%2)").arg(file, m_catalogLanguage);
    m_window->setWindowTitle(tr("%1[*] — %2").arg(file, app));
}

bool AppDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FileOpen) {
        openFile(static_cast<QFileOpenEvent *>(event)->file());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

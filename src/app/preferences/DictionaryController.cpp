#include "app/preferences/DictionaryController.h"

#include "app/preferences/DictionaryModel.h"
#include "app/preferences/PreferencesWindow.h"
#include "dictionary/BuiltinDictionary.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QSet>
#include <QTableView>

#include <utility>

DictionaryController::DictionaryController(DictionaryModel *model, DictionaryStore store,
                                           QObject *parent)
    : QObject(parent), m_model(model), m_store(std::move(store))
{
    if (m_model)
        connect(m_model, &DictionaryModel::entriesChanged, this, &DictionaryController::save);
}

DictionaryLoad DictionaryController::restore()
{
    DictionaryLoad load = m_store.restore();
    if (load.status == DictionaryLoad::Status::Loaded && m_model) {
        // What was just read needs no writing back.
        m_restoring = true;
        m_model->setEntries(load.entries);
        m_restoring = false;
    }
    if (load.status != DictionaryLoad::Status::Unreadable)
        return load;

    const QString path = QDir::toNativeSeparators(m_store.filePath());
    if (!load.movedTo.isEmpty()) {
        emit problem(tr("The saved replacement dictionary could not be read (%1). It was "
                        "kept as %2, and the built-in dictionary is used instead.")
                         .arg(load.error, QDir::toNativeSeparators(load.movedTo)));
    } else {
        emit problem(tr("The saved replacement dictionary %1 could not be read (%2), nor "
                        "moved aside. The built-in dictionary is used, and changes to it are "
                        "not saved, so that the file stays as it is.")
                         .arg(path, load.error));
    }
    return load;
}

void DictionaryController::fill()
{
    if (!m_model || m_model->rowCount() > 0)
        return;
    m_model->setEntries(BuiltinDictionary::entries());
}

void DictionaryController::plus(int tag)
{
    if (!m_model)
        return;
    if (tag == 0) {
        const int row = m_model->appendEntry({tr("untitled"), QString()});
        if (!m_grid || m_grid->model() != m_model)
            return;
        const QModelIndex index = m_model->index(row, 0);
        m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        m_grid->scrollTo(index);
        return;
    }
    if (!m_grid || m_grid->model() != m_model)
        return;
    QSet<int> rows;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    m_model->removeEntries(rows.values());
}

ReplacementDictionary DictionaryController::dictionary() const
{
    return m_model ? m_model->entries() : ReplacementDictionary{};
}

void DictionaryController::setGrid(QTableView *grid)
{
    m_grid = grid;
}

void DictionaryController::attach(PreferencesWindow *window)
{
    window->setModel(m_model);
    setGrid(window->grid());
    connect(window, &PreferencesWindow::plusRequested, this, &DictionaryController::plus);
    connect(window, &PreferencesWindow::problem, this, &DictionaryController::problem);
}

void DictionaryController::save()
{
    if (m_restoring || !m_model)
        return;
    const auto error = m_store.save(m_model->entries());
    if (!error) {
        m_lastSaveError.clear();
        return;
    }
    if (*error == m_lastSaveError)
        return;
    m_lastSaveError = *error;
    emit problem(*error);
}

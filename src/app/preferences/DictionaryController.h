#pragma once

#include "dictionary/DictionaryLoad.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/ReplacementDictionary.h"

#include <QObject>
#include <QPointer>
#include <QString>

class DictionaryModel;
class PreferencesWindow;
class QTableView;

/// The dictionary's operations for the application: restoring the stored entries at
/// launch, installing the built-in list when there are none (`fill`), adding and removing
/// entries from the preferences table (`plus`), and saving after every change.
/// It holds the model and the table weakly; neither touches the open document.
class DictionaryController : public QObject
{
    Q_OBJECT

public:
    /// Saves every change of `model` to `store` from now on.
    DictionaryController(DictionaryModel *model, DictionaryStore store, QObject *parent = nullptr);

    /// Puts the stored entries into the model; call it once at launch, before fill().
    /// An unreadable stored file is moved aside and reported through problem().
    DictionaryLoad restore();
    /// Installs the built-in list, in one step, when the dictionary is empty.
    void fill();
    /// Tag 0 appends an "untitled" entry with an empty target, selects it as the only
    /// selected row and scrolls to it; any other tag removes all selected rows in one step.
    void plus(int tag);

    /// The entries in display order, for the replacement pass.
    ReplacementDictionary dictionary() const;

    /// The table whose selection plus() works on.
    void setGrid(QTableView *grid);
    /// Shows the model in `window`'s table and wires its buttons to plus().
    void attach(PreferencesWindow *window);

    const DictionaryStore &store() const { return m_store; }

signals:
    /// Something the user should hear of: the stored dictionary was unreadable, or a
    /// change could not be saved. Repeated save failures with the same text are told once.
    void problem(const QString &text);

private:
    void save();

    QPointer<DictionaryModel> m_model;
    QPointer<QTableView> m_grid;
    DictionaryStore m_store;
    bool m_restoring = false;
    QString m_lastSaveError;
};

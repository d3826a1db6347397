#pragma once

#include "dictionary/ReplacementDictionary.h"

#include <QAbstractTableModel>
#include <QList>

/// The replacement dictionary as a table of two editable columns, in display order.
/// Built-in and added entries are plain values alike, so every entry can be edited in place.
/// Every change (edit, add, remove, new content) ends with entriesChanged(), once.
class DictionaryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Column
    {
        Source,
        Target,
        Count
    };

    explicit DictionaryModel(QObject *parent = nullptr);

    const ReplacementDictionary &entries() const { return m_entries; }
    /// Replaces the whole content in one step.
    void setEntries(ReplacementDictionary entries);
    /// Appends one entry and returns its row.
    int appendEntry(ReplacementEntry entry);
    /// Removes the entries at `rows` (any order, duplicates and rows out of range ignored).
    void removeEntries(const QList<int> &rows);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    /// The entries changed; the store saves on it.
    void entriesChanged();

private:
    bool isEntry(const QModelIndex &index) const;

    ReplacementDictionary m_entries;
};

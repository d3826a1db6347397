#pragma once

#include "document/UnitRecord.h"

#include <QAbstractTableModel>

#include <vector>

/// The unit list of the open document, one row per translation unit in file order.
/// Only the Target column is editable; every change of the rows or of a target is
/// announced through unitsChanged(), which marks the document edited.
class UnitTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Column
    {
        File,
        Id,
        Source,
        Target,
        Note,
        Count
    };

    explicit UnitTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    const std::vector<UnitRecord> &rows() const { return m_rows; }

    /// Replaces the whole list (a load): one model reset.
    void setRows(std::vector<UnitRecord> rows);

    /// Replaces the records by edited copies of the same count, announcing one batched
    /// change over the Target column. A list of another length is refused.
    bool replaceRows(std::vector<UnitRecord> rows);

    static int column(Column column) { return static_cast<int>(column); }

signals:
    /// The rows were replaced or a row's target changed.
    void unitsChanged();

private:
    const std::optional<QString> &cellValue(const UnitRecord &record, int column) const;

    std::vector<UnitRecord> m_rows;
};

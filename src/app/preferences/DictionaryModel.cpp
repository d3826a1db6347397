#include "app/preferences/DictionaryModel.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kColumnCount = static_cast<int>(DictionaryModel::Column::Count);

QString &field(ReplacementEntry &entry, int column)
{
    return column == static_cast<int>(DictionaryModel::Column::Source) ? entry.srcs : entry.tget;
}

const QString &field(const ReplacementEntry &entry, int column)
{
    return column == static_cast<int>(DictionaryModel::Column::Source) ? entry.srcs : entry.tget;
}

} // namespace

DictionaryModel::DictionaryModel(QObject *parent) : QAbstractTableModel(parent) {}

void DictionaryModel::setEntries(ReplacementDictionary entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
    emit entriesChanged();
}

int DictionaryModel::appendEntry(ReplacementEntry entry)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_entries.push_back(std::move(entry));
    endInsertRows();
    emit entriesChanged();
    return row;
}

void DictionaryModel::removeEntries(const QList<int> &rows)
{
    QList<int> sorted;
    for (const int row : rows) {
        if (row >= 0 && row < rowCount())
            sorted.append(row);
    }
    if (sorted.isEmpty())
        return;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());

    // From the bottom up, one removal per run of neighbouring rows, so the rows still to
    // remove keep their numbers.
    qsizetype i = 0;
    while (i < sorted.size()) {
        const int last = sorted.at(i);
        int first = last;
        while (i + 1 < sorted.size() && sorted.at(i + 1) == first - 1)
            first = sorted.at(++i);
        ++i;
        beginRemoveRows({}, first, last);
        m_entries.erase(m_entries.begin() + first, m_entries.begin() + last + 1);
        endRemoveRows();
    }
    emit entriesChanged();
}

int DictionaryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int DictionaryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

bool DictionaryModel::isEntry(const QModelIndex &index) const
{
    // Views ask about the invalid index routinely; only a valid one is checked further.
    return index.isValid() &&
           checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid);
}

QVariant DictionaryModel::data(const QModelIndex &index, int role) const
{
    if (!isEntry(index))
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return field(m_entries.at(static_cast<std::size_t>(index.row())), index.column());
}

QVariant DictionaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (static_cast<Column>(section)) {
    case Column::Source:
        return tr("Source");
    case Column::Target:
        return tr("Target");
    case Column::Count:
        break;
    }
    return {};
}

Qt::ItemFlags DictionaryModel::flags(const QModelIndex &index) const
{
    if (!isEntry(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

bool DictionaryModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!isEntry(index) || role != Qt::EditRole || !value.canConvert<QString>())
        return false;
    QString &text = field(m_entries.at(static_cast<std::size_t>(index.row())), index.column());
    const QString newText = value.toString();
    if (text == newText)
        return true;
    text = newText;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit entriesChanged();
    return true;
}

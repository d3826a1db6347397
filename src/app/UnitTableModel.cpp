#include "app/UnitTableModel.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace {

const std::optional<QString> &absentValue()
{
    static const std::optional<QString> none;
    return none;
}

// A cell shows one line; line breaks would cut the text off after the first one.
QString singleLine(QString text)
{
    text.replace(u"\r\n"_s, u" "_s);
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    return text;
}

} // namespace

UnitTableModel::UnitTableModel(QObject *parent) : QAbstractTableModel(parent) {}

int UnitTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(m_rows.size());
}

int UnitTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return column(Column::Count);
}

const std::optional<QString> &UnitTableModel::cellValue(const UnitRecord &record, int column) const
{
    switch (static_cast<Column>(column)) {
    case Column::File:
        return record.from;
    case Column::Id:
        return record.name;
    case Column::Source:
        return record.srcs;
    case Column::Target:
        return record.tget;
    case Column::Note:
        return record.note;
    case Column::Count:
        break;
    }
    return absentValue();
}

QVariant UnitTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const UnitRecord &record = m_rows[static_cast<std::size_t>(index.row())];
    const std::optional<QString> &value = cellValue(record, index.column());

    switch (role) {
    case Qt::DisplayRole:
        if (!value)
            return {};
        return singleLine(*value);
    case Qt::EditRole:
        return value.value_or(QString());
    case Qt::ToolTipRole: {
        QString tip = value.value_or(QString());
        if (!record.translatable) {
            const QString notice = tr("This unit is marked not to be translated.");
            tip = tip.isEmpty() ? notice : notice + u"\n\n"_s + tip;
        }
        if (tip.isEmpty())
            return {};
        return tip;
    }
    case Qt::ForegroundRole:
        if (record.translatable)
            return {};
        return QBrush(QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text));
    default:
        return {};
    }
}

QVariant UnitTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (static_cast<Column>(section)) {
    case Column::File:
        return tr("File");
    case Column::Id:
        return tr("ID");
    case Column::Source:
        return tr("Source");
    case Column::Target:
        return tr("Target");
    case Column::Note:
        return tr("Note");
    case Column::Count:
        break;
    }
    return {};
}

Qt::ItemFlags UnitTableModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (index.column() == column(Column::Target))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool UnitTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != column(Column::Target))
        return false;
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    if (!value.canConvert<QString>())
        return false;
    const QString text = value.toString();
    UnitRecord &record = m_rows[static_cast<std::size_t>(index.row())];
    // Committing an editor without typing changes nothing: an absent target stays absent
    // (no empty <target/> is added to the file) and an equal one is not a change.
    if ((!record.tget && text.isEmpty()) || record.tget == text)
        return true;
    record.tget = text;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole});
    emit unitsChanged();
    return true;
}

void UnitTableModel::setRows(std::vector<UnitRecord> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    emit unitsChanged();
}

bool UnitTableModel::replaceRows(std::vector<UnitRecord> rows)
{
    if (rows.size() != m_rows.size())
        return false;
    m_rows = std::move(rows);
    if (!m_rows.empty()) {
        const int target = column(Column::Target);
        emit dataChanged(index(0, target), index(rowCount() - 1, target),
                         {Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole});
    }
    emit unitsChanged();
    return true;
}

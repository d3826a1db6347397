#include "app/workbench/UnitTableModel.h"

#include "app/workbench/ProblemIndex.h"
#include "app/workbench/TargetsCommand.h"
#include "xliff/MarkupText.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>
#include <QUndoStack>

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

const std::optional<QString> &UnitTableModel::cellValue(const UnitRecord &record, int column)
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
    case Column::State:
        return record.state;
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
        if (index.column() == column(Column::State))
            return stateName(*value);
        // The file's name says which file; its folders are in the tooltip and the pane.
        if (index.column() == column(Column::File))
            return fileName(*value);
        return singleLine(*value);
    case Qt::EditRole:
        // An editor starts from the file's own text, so typing keeps its blanks.
        if (index.column() == column(Column::Target))
            return record.rawTarget().value_or(QString());
        return value.value_or(QString());
    case Qt::ToolTipRole:
        if (m_problems && index.column() == column(Column::Target) &&
            m_problems->hasProblems(index.row()))
            return m_problems->toolTip(index.row(), toolTip(record, value, index.column()));
        return toolTip(record, value, index.column());
    case Qt::DecorationRole:
        if (m_problems && index.column() == column(Column::Target))
            return m_problems->marker(index.row());
        return {};
    case Qt::ForegroundRole:
        if (record.translatable)
            return {};
        return QBrush(QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text));
    default:
        return {};
    }
}

QVariant UnitTableModel::toolTip(const UnitRecord &record, const std::optional<QString> &value,
                                 int column) const
{
    QString tip = value.value_or(QString());
    if (column == UnitTableModel::column(Column::State) && value)
        tip = tr("%1 (state=\"%2\")").arg(stateName(*value), *value);
    if (!record.translatable) {
        const QString notice = tr("This unit is marked not to be translated.");
        tip = tip.isEmpty() ? notice : notice + u"\n\n"_s + tip;
    }
    if (tip.isEmpty())
        return {};
    return tip;
}

namespace {

// The context is the model's, which looks the names up.
const std::pair<QStringView, const char *> stateNameKeys[] = {
    {u"new", QT_TRANSLATE_NOOP("UnitTableModel", "New")},
    {u"translated", QT_TRANSLATE_NOOP("UnitTableModel", "Translated")},
    {u"final", QT_TRANSLATE_NOOP("UnitTableModel", "Final")},
    {u"signed-off", QT_TRANSLATE_NOOP("UnitTableModel", "Signed Off")},
    {u"needs-translation", QT_TRANSLATE_NOOP("UnitTableModel", "Needs Translation")},
    {u"needs-l10n", QT_TRANSLATE_NOOP("UnitTableModel", "Needs Localisation")},
    {u"needs-adaptation", QT_TRANSLATE_NOOP("UnitTableModel", "Needs Adaptation")},
    {u"needs-review-translation", QT_TRANSLATE_NOOP("UnitTableModel", "Needs Review")},
    {u"needs-review-l10n", QT_TRANSLATE_NOOP("UnitTableModel", "Needs Review")},
    {u"needs-review-adaptation", QT_TRANSLATE_NOOP("UnitTableModel", "Needs Review")},
};

} // namespace

QString UnitTableModel::fileName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return singleLine(slash < 0 || slash + 1 == path.size() ? path : path.mid(slash + 1));
}

QStringList UnitTableModel::stateNames()
{
    QStringList names;
    for (const auto &[value, name] : stateNameKeys)
        names.append(tr(name));
    return names;
}

QString UnitTableModel::stateName(const QString &state)
{
    for (const auto &[value, name] : stateNameKeys) {
        if (state == value)
            return tr(name);
    }
    return state;
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
    case Column::State:
        return tr("State");
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

const UnitRecord *UnitTableModel::record(int row) const
{
    if (row < 0 || size_t(row) >= m_rows.size())
        return nullptr;
    return &m_rows[size_t(row)];
}

TargetChange UnitTableModel::typed(const UnitRecord &record, std::size_t row, const QString &text)
{
    std::optional<QString> state = record.state;
    if (state)
        state = u"translated"_s;
    return {row, text, std::move(state)};
}

bool UnitTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if ((role != Qt::EditRole && role != ConfirmRole) || index.column() != column(Column::Target))
        return false;
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    if (!value.canConvert<QString>())
        return false;
    const QString text = value.toString();
    // Text a file cannot hold would fail the save's read-back as a target that could not be
    // placed; it is refused here, where the user still knows what was typed.
    if (const auto c = MarkupText::unwritableCharacter(text)) {
        const QString code = u"%1"_s.arg(uint(*c), 4, 16, QChar(u'0')).toUpper();
        emit commitRefused(tr("The target was not changed: it holds the character U+%1, which "
                              "an XLIFF file cannot hold.")
                               .arg(code));
        return false;
    }
    const auto row = static_cast<std::size_t>(index.row());
    const UnitRecord &record = m_rows[row];
    // Committing an editor without typing changes nothing: an absent target stays absent
    // (no empty <target/> is added to the file) and an equal one is not a change.
    if ((!record.tget && text.isEmpty()) ||
        ((record.tget == text || record.rawTarget() == text) && role != ConfirmRole))
        return true;
    std::vector<TargetChange> change{typed(record, row, text)};
    if (change.front().tget == record.tget && change.front().state == record.state)
        return true;
    if (m_undo)
        m_undo->push(new TargetsCommand(*this, std::move(change), tr("Typing")));
    else
        applyChanges(change);
    return true;
}

void UnitTableModel::setProblems(ProblemIndex *problems)
{
    m_problems = problems;
    connect(problems, &ProblemIndex::problemsChanged, this, [this](QList<int> rows) {
        // Runs of neighbouring rows are announced together, as in applyChanges().
        const int target = column(Column::Target);
        std::sort(rows.begin(), rows.end());
        rows.removeIf([this](int row) { return row < 0 || row >= rowCount(); });
        for (qsizetype first = 0; first < rows.size();) {
            qsizetype last = first;
            while (last + 1 < rows.size() && rows[last + 1] <= rows[last] + 1)
                ++last;
            emit dataChanged(index(rows[first], target), index(rows[last], target),
                             {Qt::DecorationRole, Qt::ToolTipRole});
            first = last + 1;
        }
    });
}

void UnitTableModel::setRows(std::vector<UnitRecord> rows, std::vector<FileHeader> files)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_files = std::move(files);
    endResetModel();
    emit unitsChanged();
}

void UnitTableModel::applyChanges(const std::vector<TargetChange> &changes)
{
    QList<int> changed;
    for (const TargetChange &change : changes) {
        if (change.row >= m_rows.size())
            continue;
        UnitRecord &record = m_rows[change.row];
        if (record.tget == change.tget && record.state == change.state)
            continue;
        record.setTarget(change.tget);
        record.state = change.state;
        changed.append(int(change.row));
    }
    if (changed.isEmpty())
        return;
    // Neighbouring rows are announced together, so a pass over thousands of rows costs a
    // few signals rather than one per row.
    const QList<int> roles{Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole};
    QList<int> sorted = changed;
    std::sort(sorted.begin(), sorted.end());
    for (qsizetype first = 0; first < sorted.size();) {
        qsizetype last = first;
        while (last + 1 < sorted.size() && sorted[last + 1] <= sorted[last] + 1)
            ++last;
        emit dataChanged(index(sorted[first], column(Column::Target)),
                         index(sorted[last], column(Column::State)), roles);
        first = last + 1;
    }
    emit unitsChanged();
    emit targetsChanged(changed);
}

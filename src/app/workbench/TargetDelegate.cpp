#include "app/workbench/TargetDelegate.h"

#include "app/workbench/UnitTableModel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The multi-line editor grows with the text up to this many lines, then scrolls.
constexpr int maxEditorLines = 8;

bool spansLines(const QModelIndex &index)
{
    return index.data(Qt::EditRole).toString().contains(u'\n');
}

} // namespace

QWidget *TargetDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    if (!spansLines(index))
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *editor = new QPlainTextEdit(parent);
    editor->setObjectName(QStringLiteral("multiLineTarget"));
    editor->setTabChangesFocus(true);
    return editor;
}

void TargetDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *text = qobject_cast<QPlainTextEdit *>(editor)) {
        text->setPlainText(index.data(Qt::EditRole).toString());
        text->selectAll();
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void TargetDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                  const QModelIndex &index) const
{
    const int role = m_confirming ? int(UnitTableModel::ConfirmRole) : int(Qt::EditRole);
    if (auto *text = qobject_cast<QPlainTextEdit *>(editor)) {
        model->setData(index, text->toPlainText(), role);
        return;
    }
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        model->setData(index, line->text(), role);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void TargetDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    auto *text = qobject_cast<QPlainTextEdit *>(editor);
    if (!text) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    // Sized from the row's value: the view places the editor before it fills it.
    const QString value = index.data(Qt::EditRole).toString();
    const int lines = std::min<int>(maxEditorLines, int(value.count(u'\n')) + 1);
    const int margins = 2 * (text->frameWidth() + int(text->document()->documentMargin()));
    const int height = (2 * lines + 1) * text->fontMetrics().lineSpacing() / 2 + margins;
    QRect rect = option.rect;
    rect.setHeight(std::max(rect.height(), height));
    editor->setGeometry(rect);
}

bool TargetDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (editor && event->type() == QEvent::ShortcutOverride) {
        // Ctrl+Return is the window's command too: here the editor commits it itself.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    if (editor && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (isReturn && !(key->modifiers() & Qt::ShiftModifier)) {
            const bool confirm = key->modifiers() & Qt::ControlModifier;
            m_confirming = confirm;
            emit commitData(editor);
            m_confirming = false;
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit advanceRequested(confirm ? EditAdvance::NextUntranslated : EditAdvance::NextRow);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

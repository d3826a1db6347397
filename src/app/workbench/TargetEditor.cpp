#include "app/workbench/TargetEditor.h"

#include <QKeyEvent>
#include <QTextOption>

TargetEditor::TargetEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("detailTarget"));
    setTabChangesFocus(true);
    QTextOption option = document()->defaultTextOption();
    option.setFlags(option.flags() | QTextOption::ShowTabsAndSpaces |
                    QTextOption::ShowLineAndParagraphSeparators);
    document()->setDefaultTextOption(option);
}

void TargetEditor::setTarget(const QString &text)
{
    if (text != toPlainText())
        setPlainText(text);
    document()->setModified(false);
}

bool TargetEditor::isModified() const
{
    return document()->isModified();
}

bool TargetEditor::event(QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QPlainTextEdit::event(event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    // Ctrl+Return commits what is typed here before the window's command moves on.
    if (isReturn) {
        event->accept();
        return true;
    }
    // The editor keeps the keys while it has typing of its own to take back; after that
    // (a new unit shown, Copy Source to Target just run) they undo the document's changes.
    if (key->matches(QKeySequence::Undo) && !document()->isUndoAvailable())
        return false;
    if (key->matches(QKeySequence::Redo) && !document()->isRedoAvailable())
        return false;
    return QPlainTextEdit::event(event);
}

void TargetEditor::keyPressEvent(QKeyEvent *event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && !(event->modifiers() & Qt::ShiftModifier)) {
        emit commitRequested((event->modifiers() & Qt::ControlModifier)
                                 ? EditAdvance::NextUntranslated
                                 : EditAdvance::NextRow);
        return;
    }
    if (event->key() == Qt::Key_Escape && isModified()) {
        emit revertRequested();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TargetEditor::focusOutEvent(QFocusEvent *event)
{
    if (isModified())
        emit commitRequested(EditAdvance::Stay);
    QPlainTextEdit::focusOutEvent(event);
}

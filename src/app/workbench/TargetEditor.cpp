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

#pragma once

#include "app/workbench/EditAdvance.h"

#include <QPlainTextEdit>

/// The detail pane's target editor. Line breaks, tabs and spaces are drawn, so blanks at
/// either end and a line break at the end are seen. Return commits and moves on,
/// Ctrl+Return commits and moves to the next untranslated unit, Shift+Return starts a new
/// line, Escape gives back the text the unit has. Ctrl+Z undoes the editor's own typing;
/// with none to undo it leaves the key to the document's Undo.
class TargetEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TargetEditor(QWidget *parent = nullptr);

    /// Shows a unit's target; the editor is unmodified afterwards.
    void setTarget(const QString &text);
    bool isModified() const;

signals:
    void commitRequested(EditAdvance advance);
    void revertRequested();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

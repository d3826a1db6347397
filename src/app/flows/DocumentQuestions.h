#pragma once

#include <QCoreApplication>

class ConfirmSheet;

/// The questions asked before the open document goes away. With unsaved edits they offer
/// Save (the default: Return keeps the work), Don't Save and Cancel (Escape); opening
/// another document over a saved one asks only whether to replace it.
class DocumentQuestions
{
    Q_DECLARE_TR_FUNCTIONS(DocumentQuestions)

public:
    /// Before another document replaces the open one.
    static void openOver(ConfirmSheet &sheet, bool unsaved);
    /// Before the window closes with unsaved edits.
    static void quit(ConfirmSheet &sheet);
};

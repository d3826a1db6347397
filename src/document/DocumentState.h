#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

/// What ties the unit list to its file and to the dialog on screen.
struct DocumentState
{
    /// The file last handed to the reader; set at every load, never cleared.
    std::optional<QString> documentPath;
    /// The confirmation or picker dialog currently shown on the main window.
    QPointer<QObject> activeSheet;
    /// The path that waits for the user's answer to "replace the open document?".
    std::optional<QString> pendingPath;
};

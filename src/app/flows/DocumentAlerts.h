#pragma once

#include "document/ReadResult.h"
#include "splice/SpliceResult.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class QWidget;

/// The warnings the document flows show as window-modal alerts: a file that could not be
/// opened, a save that failed ("Failed" / "Could not save.") and one that could not place
/// every target.
class DocumentAlerts
{
    Q_DECLARE_TR_FUNCTIONS(DocumentAlerts)

public:
    static void show(QWidget *window, const QString &title, const QString &text,
                     const QString &details = {});
    static void openFailed(QWidget *window, const QString &path, const ReadResult &result);
    static void saveFailed(QWidget *window, const QString &reason);
    static void unwritten(QWidget *window, const std::vector<UnwrittenUnit> &units);
};

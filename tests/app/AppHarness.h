#pragma once

#include "app/flows/AppDelegate.h"
#include "app/MainWindow.h"
#include "app/workbench/UnitTableModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

/// The application as main() builds it: the controller, the main window that hands it its
/// outlets, and the launch. Settings go to Qt's test location, never the user's.
struct AppHarness
{
    AppDelegate delegate;
    MainWindow window{delegate};

    AppHarness()
    {
        window.show();
        delegate.launch();
    }

    /// Settings and a data folder of the suite's own: suites run side by side, and one
    /// clearing its settings (or saving into its memory) must not touch another's.
    static void initSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString suite = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
        QCoreApplication::setOrganizationName(u"TarnwickTest-"_s + suite);
        QCoreApplication::setApplicationName(u"Tarnwick"_s);
        QSettings().clear();
    }

    UnitTableModel &bank() { return *delegate.bank(); }
    bool edited() const { return window.isWindowModified(); }
    DocumentState &document() { return delegate.state().document; }

    /// Edits a row's target the way the table's editor commits it.
    bool editTarget(int row, const QString &text)
    {
        const QModelIndex index =
            bank().index(row, UnitTableModel::column(UnitTableModel::Column::Target));
        return bank().setData(index, text);
    }

    /// The Save As dialog on show, if any.
    QFileDialog *saveDialog() const
    {
        for (QFileDialog *dialog : window.findChildren<QFileDialog *>()) {
            if (dialog->isVisible())
                return dialog;
        }
        return nullptr;
    }

    /// The alerts on show, newest last.
    QList<QMessageBox *> alerts() const
    {
        QList<QMessageBox *> shown;
        for (QMessageBox *box : window.findChildren<QMessageBox *>()) {
            if (box->isVisible())
                shown.append(box);
        }
        return shown;
    }
};

/// Fixture files copied into a test's temporary folder.
/// A copy of any file the test may write to.
inline QString copyFile(const QString &from, const QString &toPath)
{
    QDir().mkpath(QFileInfo(toPath).absolutePath());
    QFile::remove(toPath);
    if (!QFile::copy(from, toPath))
        return {};
    QFile::setPermissions(toPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    return toPath;
}

inline QString copyFixture(const QString &name, const QString &toPath)
{
    return copyFile(QStringLiteral(TARNWICK_APP_TEST_DATA) + u'/' + name, toPath);
}

/// Writes `bytes` to `path`, making the folders on the way.
inline bool writeFile(const QString &path, const QByteArray &bytes = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

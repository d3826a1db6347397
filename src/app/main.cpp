#include "app/flows/AppDelegate.h"
#include "app/flows/InstanceChannel.h"
#include "app/MainWindow.h"
#include "app/recovery/RecoveryController.h"
#include "files/AllocatorTuning.h"
#include "views/Localisation.h"
#include "views/MendView.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    AllocatorTuning::apply();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(u"Tarnwick"_s);
    QCoreApplication::setApplicationName(u"Tarnwick"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    QGuiApplication::setDesktopFileName(u"tarnwick"_s);
    Localisation::installTranslations(app, QLocale::system());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Edit the XLIFF files that Xcode exports."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"paths"_s,
                                 QCoreApplication::translate("main", "Files or folders to open."),
                                 u"[paths…]"_s);
    parser.process(app);

    QStringList paths;
    for (const QString &argument : parser.positionalArguments())
        paths.append(QFileInfo(argument).absoluteFilePath());

    // A second launch gives its paths to the instance already running and ends.
    const QString channelName = InstanceChannel::defaultName();
    if (InstanceChannel::handOver(channelName, paths))
        return 0;

    AppDelegate delegate;
    MainWindow window(delegate);
    InstanceChannel channel;
    // Without the channel every launch is its own instance; the editor still works.
    channel.listen(channelName);
    QObject::connect(&channel, &InstanceChannel::pathReceived, &delegate, &AppDelegate::openFile);
    QObject::connect(&channel, &InstanceChannel::activationRequested, &window, [&window] {
        window.raise();
        window.activateWindow();
    });

    app.installEventFilter(&delegate);
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    window.show();
    delegate.launch();
    // Looks for a newer version in the background, only when the user turned it on.
    auto *mend = new MendView(&window);
    mend->start();
    for (const QString &path : paths)
        delegate.openFile(path);
    // Started without files after a session ended unsaved: that document comes back first.
    if (paths.isEmpty())
        window.recovery()->reopenUnsaved();
    return QApplication::exec();
}

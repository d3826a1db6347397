// Shows the help window (and, with --notice, the update notice) in the system's language,
// for looking at them on a real display: xvfb-run -a tests/views/help_preview
#include "views/HelpWindow.h"
#include "views/Localisation.h"
#include "views/QORVNews.h"

#include <QApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"Tarnwick"_s);
    Localisation::installTranslations(app, QLocale::system());

    if (QCoreApplication::arguments().contains(u"--notice"_s)) {
        QORVNews news(QCoreApplication::applicationName());
        news.move(0, 0);
        news.show();
        return QApplication::exec();
    }
    HelpWindow window;
    window.move(0, 0);
    window.present();
    return QApplication::exec();
}

#include "cli/CliTool.h"
#include "files/AllocatorTuning.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    AllocatorTuning::apply();
    QCoreApplication app(argc, argv);
    // The same names as the desktop program, so both find the user's one dictionary.
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    // The tool speaks English; this gives its counts their plural forms ("1 target").
    QTranslator plurals;
    if (plurals.load(QStringLiteral(":/i18n/tarnwick_en.qm")))
        QCoreApplication::installTranslator(&plurals);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliTool tool(out, err);
    const int exit = tool.run(QCoreApplication::arguments().mid(1));
    // The tool is done: its files are written and closed, and only its output is left to
    // flush. Ending here spares freeing the document it read, a large export's hundreds of
    // thousands of strings one by one (longer than writing all of them out as JSON), when
    // the system takes the process's memory back at once.
    out.flush();
    err.flush();
    std::fflush(nullptr);
    std::_Exit(exit);
}

#include "cli/CliTool.h"
#include "document/AllocatorTuning.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    AllocatorTuning::apply();
    QCoreApplication app(argc, argv);
    // The same names as the desktop program, so both find the user's one dictionary.
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliTool tool(out, err);
    return tool.run(QCoreApplication::arguments().mid(1));
}

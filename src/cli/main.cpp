#include "cli/CliTool.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnwick-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliTool tool(out, err);
    return tool.run(QCoreApplication::arguments().mid(1));
}

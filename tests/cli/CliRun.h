#pragma once

#include <QDir>
#include <QProcess>
#include <QStringList>

/// One run of the real tarnwick-cli; the suite that includes this defines TARNWICK_CLI.
struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

/// Runs the tool to its end with its data folder in `dataHome`, never the user's own.
inline CliRun runCli(const QStringList &arguments,
                     const QString &dataHome = QDir::tempPath() +
                                               QStringLiteral("/tarnwick-cli-test"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARNWICK_CLI), arguments);
    // A run that hangs or crashes has no exit status, so no expected status can pass.
    const bool ended =
        process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

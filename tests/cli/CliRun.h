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

/// Where a run starts and where its standard output goes.
struct CliSetup
{
    /// The tool's data folder, never the user's own.
    QString dataHome = QDir::tempPath() + QStringLiteral("/tarnwick-cli-test");
    QString workingDirectory; ///< empty: the test's own
    QString outputFile;       ///< empty: captured into `CliRun::out`
};

/// Runs the tool to its end.
inline CliRun runCli(const QStringList &arguments, const CliSetup &setup)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), setup.dataHome);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(setup.workingDirectory);
    if (!setup.outputFile.isEmpty())
        process.setStandardOutputFile(setup.outputFile);
    process.start(QStringLiteral(TARNWICK_CLI), arguments);
    // A run that hangs or crashes has no exit status, so no expected status can pass.
    const bool ended =
        process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

inline CliRun runCli(const QStringList &arguments, const QString &dataHome = CliSetup().dataHome)
{
    return runCli(arguments, CliSetup{dataHome, {}, {}});
}

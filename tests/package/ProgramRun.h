#pragma once

#include <QProcess>
#include <QStringList>

/// One run of a program to its end: its exit status (-1 when it crashed or hung) and what it
/// printed on standard output and on standard error.
struct ProgramRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/// Runs `program` without a display, as the suites run, even when the suite itself has one.
inline ProgramRun runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool ended =
        process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

// Hostile documents through the real command-line tool: the error names the file, the
// line and the column, the exit status says it failed, and the file is left alone.
#include "HostileDocuments.h"
#include "TestFiles.h"
#include "cli/CliRun.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_CliErrors : public QObject
{
    Q_OBJECT

private slots:
    void refusedWithPlace_data();
    void refusedWithPlace();
};

void tst_CliErrors::refusedWithPlace_data()
{
    HostileDocuments::addRefusedRows();
}

void tst_CliErrors::refusedWithPlace()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, line);
    QFETCH(qint64, column);
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"hostile.xliff"_s);
    const QString edits = dir.filePath(u"edits.jsonl"_s);
    QVERIFY(TestFiles::write(path, bytes));
    QVERIFY(TestFiles::write(edits, "{\"port\": 0, \"tget\": \"x\"}\n"));

    const QString place = u"%1:%2:%3: "_s.arg(path).arg(line).arg(column);
    for (const QStringList &arguments :
         {QStringList{u"units"_s, path}, QStringList{u"apply"_s, path, edits}}) {
        const CliRun run = runCli(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(place), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
    QCOMPARE(TestFiles::read(path), bytes);
}

QTEST_GUILESS_MAIN(tst_CliErrors)
#include "tst_CliErrors.moc"

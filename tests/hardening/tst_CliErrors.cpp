// Hostile documents through the real command-line tool: the error names the file, the
// line and the column, the exit status says it failed, and the file is left alone.
#include "HostileDocuments.h"

#include <QFile>
#include <QProcess>
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
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("line");
    QTest::addColumn<qint64>("column");
    for (const auto &document : HostileDocuments::refused())
        QTest::newRow(document.name) << document.bytes << document.line << document.column;
}

void tst_CliErrors::refusedWithPlace()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, line);
    QFETCH(qint64, column);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"hostile.xliff"_s);
    const QString edits = dir.filePath(u"edits.jsonl"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QFile editFile(edits);
    QVERIFY(editFile.open(QIODevice::WriteOnly));
    editFile.write("{\"port\": 0, \"tget\": \"x\"}\n");
    editFile.close();

    const QString place = u"%1:%2:%3: "_s.arg(path).arg(line).arg(column);
    for (const QStringList &arguments :
         {QStringList{u"units"_s, path}, QStringList{u"apply"_s, path, edits}}) {
        QProcess cli;
        cli.start(QStringLiteral(TARNWICK_CLI), arguments);
        QVERIFY(cli.waitForFinished(-1));
        const QString errors = QString::fromUtf8(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(errors.contains(place), qPrintable(errors));
        QVERIFY(cli.readAllStandardOutput().isEmpty());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

QTEST_GUILESS_MAIN(tst_CliErrors)
#include "tst_CliErrors.moc"

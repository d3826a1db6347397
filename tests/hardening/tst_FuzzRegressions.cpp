// Every input the fuzz targets start from or ever broke on, through the same checks the
// targets apply: fuzz/seeds/ and fuzz/regressions/<target>/.
#include "FuzzChecks.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_FuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
};

void tst_FuzzRegressions::replay_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("asWriter");
    const QString fuzz = QStringLiteral(TARNWICK_FUZZ_DIR);
    for (const QString &folder :
         {u"seeds/xliff"_s, u"regressions/reader_fuzzer"_s, u"regressions/writer_fuzzer"_s}) {
        QDirIterator it(fuzz + u'/' + folder, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = folder + u'/' + it.fileName();
            QTest::newRow(qPrintable(name + u" (reader)"_s)) << path << false;
            QTest::newRow(qPrintable(name + u" (writer)"_s)) << path << true;
        }
    }
}

void tst_FuzzRegressions::replay()
{
    QFETCH(QString, path);
    QFETCH(bool, asWriter);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString problem = asWriter ? FuzzChecks::writer(bytes) : FuzzChecks::reader(bytes);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_GUILESS_MAIN(tst_FuzzRegressions)
#include "tst_FuzzRegressions.moc"

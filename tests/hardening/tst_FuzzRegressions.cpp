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
    QTest::addColumn<QString>("check");
    const QString fuzz = QStringLiteral(TARNWICK_FUZZ_DIR);
    const std::pair<QString, QStringList> folders[] = {
        {u"seeds/xliff"_s, {u"reader"_s, u"writer"_s, u"matcher"_s}},
        {u"regressions/reader_fuzzer"_s, {u"reader"_s, u"writer"_s}},
        {u"regressions/writer_fuzzer"_s, {u"reader"_s, u"writer"_s}},
        {u"regressions/matcher_fuzzer"_s, {u"matcher"_s}},
        {u"seeds/dictionary"_s, {u"dictionary"_s}},
        {u"regressions/dictionary_fuzzer"_s, {u"dictionary"_s}},
        {u"seeds/journal"_s, {u"journal"_s}},
        {u"regressions/journal_fuzzer"_s, {u"journal"_s}},
        {u"seeds/editline"_s, {u"editLines"_s}},
        {u"regressions/editline_fuzzer"_s, {u"editLines"_s}},
    };
    for (const auto &[folder, checks] : folders) {
        QDirIterator it(fuzz + u'/' + folder, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            for (const QString &check : checks) {
                const QString name = folder + u'/' + it.fileName() + u" ("_s + check + u')';
                QTest::newRow(qPrintable(name)) << path << check;
            }
        }
    }
}

void tst_FuzzRegressions::replay()
{
    QFETCH(QString, path);
    QFETCH(QString, check);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString problem = check == u"writer"       ? FuzzChecks::writer(bytes)
                            : check == u"dictionary" ? FuzzChecks::dictionary(bytes)
                            : check == u"matcher"    ? FuzzChecks::matcher(bytes)
                            : check == u"journal"    ? FuzzChecks::journal(bytes)
                            : check == u"editLines"  ? FuzzChecks::editLines(bytes)
                                                     : FuzzChecks::reader(bytes);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_GUILESS_MAIN(tst_FuzzRegressions)
#include "tst_FuzzRegressions.moc"

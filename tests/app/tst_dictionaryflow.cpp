#include "AppHarness.h"

#include "dictionary/DictionaryStore.h"

#include <QTemporaryDir>

namespace {

const QString sample = QStringLiteral(TARNWICK_APP_TEST_DATA "/../../../samples/Sample-ja.xliff");

std::optional<QString> target(AppHarness &app, int row)
{
    return app.bank().rows().at(size_t(row)).tget;
}

} // namespace

class TestDictionaryFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void launchInstallsBuiltInList();
    void replacementFillsMenuTitlesAndMarks();
    void replacementWithoutDocumentStillMarks();
    void replacementSkipsUnitsNotToTranslate();
    void addAndRemoveLeaveDocumentClean();
};

void TestDictionaryFlow::init()
{
    AppHarness::initSettings();
    QFile::remove(DictionaryStore::defaultFilePath());
}

void TestDictionaryFlow::launchInstallsBuiltInList()
{
    AppHarness app;
    QCOMPARE(app.delegate.ctrl()->rowCount(), 124);
    QCOMPARE(app.delegate.ctrl()->index(0, 0).data().toString(), u"Customize Toolbar…"_s);
    QVERIFY(!app.edited());
}

void TestDictionaryFlow::replacementFillsMenuTitlesAndMarks()
{
    AppHarness app;
    QVERIFY(app.delegate.openFile(sample));
    QVERIFY(!app.edited());
    app.delegate.pset();
    QVERIFY(app.edited());
    QCOMPARE(target(app, 1), std::optional(u"Sample について"_s));
    QCOMPARE(target(app, 3), std::optional(u"Sample を隠す"_s));
    QCOMPARE(target(app, 4), std::optional(u"他を隠す"_s));
    QCOMPARE(target(app, 8), std::optional(u"開く…"_s));
    QCOMPARE(target(app, 11), std::optional(u"Sample ヘルプ"_s));
    QVERIFY(!target(app, 0)); // the bare name has no rule and no entry
    const std::vector<UnitRecord> once = app.bank().rows();
    app.delegate.pset();
    for (size_t i = 0; i < once.size(); ++i)
        QCOMPARE(app.bank().rows()[i].tget, once[i].tget);
    // The table shows the new targets.
    const QModelIndex cell =
        app.bank().index(10, UnitTableModel::column(UnitTableModel::Column::Target));
    QCOMPARE(cell.data().toString(), u"編集"_s);
}

void TestDictionaryFlow::replacementWithoutDocumentStillMarks()
{
    AppHarness app;
    app.delegate.pset();
    QVERIFY(app.edited());
    QCOMPARE(app.bank().rowCount(), 0);
}

void TestDictionaryFlow::replacementSkipsUnitsNotToTranslate()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"menu.xliff"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<xliff><file original=\"m.xib\"><body>"
               "<trans-unit id=\"a\" translate=\"no\"><source>File</source></trans-unit>"
               "<trans-unit id=\"b\"><source>File</source></trans-unit>"
               "</body></file></xliff>");
    file.close();
    AppHarness app;
    QVERIFY(app.delegate.openFile(path));
    app.delegate.pset();
    QVERIFY(!target(app, 0));
    QCOMPARE(target(app, 1), std::optional(u"ファイル"_s));
}

void TestDictionaryFlow::addAndRemoveLeaveDocumentClean()
{
    AppHarness app;
    QVERIFY(app.delegate.openFile(sample));
    app.delegate.plus(0);
    QCOMPARE(app.delegate.ctrl()->rowCount(), 125);
    QCOMPARE(app.delegate.grid()->selectionModel()->selectedRows().size(), 1);
    app.delegate.plus(1);
    QCOMPARE(app.delegate.ctrl()->rowCount(), 124);
    QVERIFY(!app.edited());
}

QTEST_MAIN(TestDictionaryFlow)
#include "tst_dictionaryflow.moc"

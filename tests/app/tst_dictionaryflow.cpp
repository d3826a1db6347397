#include "AppHarness.h"

#include "dictionary/DictionaryStore.h"

namespace {

const QString sample = QStringLiteral(TARNWICK_APP_TEST_DATA "/../../../samples/Sample-ja.xliff");

std::optional<QString> target(AppHarness &app, int row)
{
    return app.bank().rows().at(size_t(row)).tget;
}

} // namespace

// What the pass itself fills in, and that it passes over units not to translate, is checked
// by the dictionary suites; here the menu command, the table and the edited mark.
class TestDictionaryFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void launchInstallsBuiltInList();
    void replacementFillsMenuTitlesAndMarks();
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
    // Even with no document, the command marks the window edited.
    AppHarness app;
    app.delegate.pset();
    QVERIFY(app.edited());
    QCOMPARE(app.bank().rowCount(), 0);

    QVERIFY(app.delegate.openFile(sample));
    QVERIFY(!app.edited());
    app.delegate.pset();
    QVERIFY(app.edited());
    QCOMPARE(target(app, 1), std::optional(u"Sample について"_s)); // by rule
    QCOMPARE(target(app, 8), std::optional(u"開く…"_s));           // by entry
    QVERIFY(!target(app, 0)); // the bare name has no rule and no entry
    // The table shows the new targets.
    const QModelIndex cell =
        app.bank().index(10, UnitTableModel::column(UnitTableModel::Column::Target));
    QCOMPARE(cell.data().toString(), u"編集"_s);
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

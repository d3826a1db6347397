#include "AppHarness.h"

#include "dictionary/DictionaryStore.h"

#include <QSignalSpy>
#include <QTemporaryDir>

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
    void otherLanguagesAreRefused();
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
    // With no document the command changes nothing and leaves the mark as it was.
    AppHarness app;
    app.delegate.pset();
    QVERIFY(!app.edited());
    QCOMPARE(app.bank().rowCount(), 0);

    QVERIFY(app.delegate.openFile(sample));
    QVERIFY(!app.edited());
    QSignalSpy reported(&app.delegate, &AppDelegate::reported);
    app.delegate.pset();
    QVERIFY(app.edited());
    QCOMPARE(reported.size(), 1);
    QVERIFY(reported.last().first().toString().startsWith(u"Replaced 10 target"_s));
    QCOMPARE(target(app, 1), std::optional(u"Sample について"_s)); // by rule
    QCOMPARE(target(app, 8), std::optional(u"開く…"_s));           // by entry
    QVERIFY(!target(app, 0)); // the bare name has no rule and no entry
    // The table shows the new targets.
    const QModelIndex cell =
        app.bank().index(10, UnitTableModel::column(UnitTableModel::Column::Target));
    QCOMPARE(cell.data().toString(), u"編集"_s);

    // A second pass finds nothing to change: it says so, and a saved document stays saved.
    app.delegate.undoStack().setClean();
    QVERIFY(!app.edited());
    app.delegate.pset();
    QVERIFY(!app.edited());
    QCOMPARE(app.delegate.undoStack().count(), 1);
    QVERIFY(reported.last().first().toString().startsWith(u"Nothing was replaced"_s));
}

void TestDictionaryFlow::otherLanguagesAreRefused()
{
    // A Korean document keeps its Korean titles: the window says why and changes nothing.
    const QTemporaryDir dir;
    const QString korean = dir.filePath(u"ko.xliff"_s);
    QVERIFY(writeFile(
        korean, fileBytes(sample).replace("target-language=\"ja\"", "target-language=\"ko\"")));
    const QByteArray before = fileBytes(korean);
    AppHarness app;
    QVERIFY(app.delegate.openFile(korean));
    const auto targets = app.bank().rows();
    app.delegate.pset();
    QVERIFY(!app.edited());
    QCOMPARE(app.delegate.undoStack().count(), 0);
    QCOMPARE(app.alerts().size(), 1);
    QVERIFY(app.alerts().first()->informativeText().contains(u"\"ko\""_s));
    for (std::size_t row = 0; row < targets.size(); ++row)
        QCOMPARE(app.bank().rows()[row].tget, targets[row].tget);
    app.delegate.save();
    QCOMPARE(fileBytes(korean), before);
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

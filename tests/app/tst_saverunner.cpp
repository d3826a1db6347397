// Save and Save As off the main thread: the outcome reaches the user as it does for a save
// done at once, the rows take no edits meanwhile, and a long save shows that it works.
#include "AppHarness.h"

#include <QProgressBar>
#include <QStatusBar>
#include <QTemporaryDir>

#include <future>

namespace {

QProgressBar *progressShown(const AppHarness &app)
{
    for (QProgressBar *bar : app.window.statusBar()->findChildren<QProgressBar *>()) {
        if (bar->isVisible())
            return bar;
    }
    return nullptr;
}

} // namespace

class TestSaveRunner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void init() { QVERIFY(m_dir.isValid()); }

    void reportsAsAtOnce_data();
    void reportsAsAtOnce();
    void refusesEditsWhileSaving();
    void showsThatItWorks();
    void undoWhileSavingIsSavedNext();
    void aTargetUndoneAfterASaveLeavesTheFile();

private:
    QTemporaryDir m_dir;
};

void TestSaveRunner::reportsAsAtOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("change"); // what another program did to the file meanwhile
    QTest::addColumn<bool>("saveAs");
    QTest::addColumn<QString>("alert"); // empty: saved, mark cleared
    QTest::newRow("saved") << u"doc.xliff"_s << QString() << false << QString();
    QTest::newRow("saved as") << u"doc.xliff"_s << QString() << true << QString();
    // Written back from the bytes last read.
    QTest::newRow("file gone") << u"doc.xliff"_s << u"remove"_s << false << QString();
    QTest::newRow("write fails") << u"doc.xliff"_s << u"read-only"_s << false << u"Failed"_s;
    QTest::newRow("unit gone") << u"doc.xliff"_s << u"one unit"_s << false
                               << u"Some Targets Not Saved"_s;
    QTest::newRow("unit gone, saved as")
        << u"doc.xliff"_s << u"one unit"_s << true << u"Some Targets Not Saved"_s;
}

void TestSaveRunner::reportsAsAtOnce()
{
    QFETCH(QString, name);
    QFETCH(QString, change);
    QFETCH(bool, saveAs);
    QFETCH(QString, alert);

    AppHarness app;
    app.delegate.saveRunner().setBackgroundFrom(0);
    const QString path = copyFixture(u"two-units.xliff"_s, m_dir.filePath(name));
    app.delegate.openFile(path);
    QVERIFY(app.editTarget(0, u"はい"_s));
    QVERIFY(app.editTarget(1, u"いいえ"_s));
    if (change == u"remove")
        QVERIFY(QFile::remove(path));
    else if (change == u"one unit")
        QVERIFY(!copyFixture(u"one-unit.xliff"_s, path).isEmpty());
    else if (change == u"read-only")
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));

    saveAs ? app.delegate.dupe() : app.delegate.save();
    QVERIFY(app.delegate.saveRunner().isRunning());
    QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    const QString written = saveAs ? m_dir.filePath(u"copy.xliff"_s) : path;
    if (saveAs) {
        QFileDialog *dialog = app.saveDialog();
        QVERIFY(dialog);
        emit dialog->fileSelected(written);
        dialog->reject();
    }

    QCOMPARE(app.edited(), !alert.isEmpty());
    if (alert.isEmpty()) {
        QVERIFY(app.alerts().isEmpty());
        QVERIFY(fileBytes(written).contains("<target>いいえ</target>"_ba));
        return;
    }
    QCOMPARE(app.alerts().size(), 1);
    QCOMPARE(app.alerts().first()->text(), alert);
    if (change == u"one unit") {
        QVERIFY(app.alerts().first()->informativeText().contains(u"Unplaced"_s));
        QVERIFY(fileBytes(written).contains("<target>はい</target>"_ba));
    }
}

void TestSaveRunner::refusesEditsWhileSaving()
{
    AppHarness app;
    app.delegate.saveRunner().setBackgroundFrom(0);
    const QString path = copyFixture(u"two-files.xliff"_s, m_dir.filePath(u"doc.xliff"_s));
    app.delegate.openFile(path);
    QVERIFY(app.editTarget(0, u"開く"_s));
    const auto targets = [&app] {
        std::vector<std::optional<QString>> targets;
        for (const UnitRecord &row : app.bank().rows())
            targets.push_back(row.tget);
        return targets;
    };
    const auto before = targets();

    // The save's end reaches the window only through its event loop, so until the loop
    // runs the save is still on.
    app.delegate.save();
    QVERIFY(app.delegate.saveRunner().isRunning());
    QVERIFY(!app.window.centralWidget()->isEnabled());
    app.delegate.pset();
    QVERIFY(targets() == before);
    QVERIFY(!app.delegate.saveRunner().run(
        &app.window, path, [] {}, [] {}));

    QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    QVERIFY(app.window.centralWidget()->isEnabled());
    QVERIFY(!app.edited());
    QVERIFY(fileBytes(path).contains("<target>開く</target>"_ba));
}

void TestSaveRunner::showsThatItWorks()
{
    AppHarness app;
    SaveRunner &runner = app.delegate.saveRunner();
    runner.setBackgroundFrom(0);
    std::promise<void> release;
    int done = 0;
    QVERIFY(runner.run(
        &app.window, m_dir.path(), [wait = release.get_future().share()] { wait.wait(); },
        [&done] { ++done; }));

    // The window's event loop runs on while the work waits; after half a second it shows
    // that the save is still working.
    QTRY_VERIFY(progressShown(app));
    QCOMPARE(app.window.cursor().shape(), Qt::BusyCursor);
    QCOMPARE(app.window.statusBar()->currentMessage(), u"Saving…"_s);
    QCOMPARE(done, 0);

    release.set_value();
    QTRY_VERIFY(!runner.isRunning());
    QCOMPARE(done, 1);
    QVERIFY(!progressShown(app));
    QCOMPARE(app.window.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(app.window.statusBar()->currentMessage().isEmpty());
}

void TestSaveRunner::undoWhileSavingIsSavedNext()
{
    // An edit undone while the save writes it is a change from what the file then holds:
    // the next save writes the undone target, without a question about other programs.
    AppHarness app;
    app.delegate.saveRunner().setBackgroundFrom(0);
    const QString path = copyFixture(u"two-files.xliff"_s, m_dir.filePath(u"undo.xliff"_s));
    app.delegate.openFile(path);
    QVERIFY(app.editTarget(1, u"閉める"_s));
    app.delegate.save();
    QVERIFY(app.delegate.saveRunner().isRunning());
    app.delegate.undoStack().undo();
    QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    QVERIFY(fileBytes(path).contains("<target>閉める</target>"_ba));
    QCOMPARE(app.bank().rows()[1].tget, std::optional(u"閉じる"_s));
    QVERIFY(app.edited());

    app.delegate.save();
    QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    QVERIFY(!app.delegate.mergedSave().conflictSheet());
    QVERIFY(fileBytes(path).contains("<target>閉じる</target>"_ba));
    QVERIFY(!app.edited());
}

void TestSaveRunner::aTargetUndoneAfterASaveLeavesTheFile()
{
    // A target typed into a unit without one, saved, then undone: the next save takes the
    // target out again, and the file is the export as it was, byte for byte.
    AppHarness app;
    const QString path = copyFixture(u"two-files.xliff"_s, m_dir.filePath(u"taken.xliff"_s));
    const QByteArray original = fileBytes(path);
    app.delegate.openFile(path);
    QVERIFY(app.editTarget(0, u"開く"_s));
    app.delegate.save();
    QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    QVERIFY(fileBytes(path).contains("<target>開く</target>"_ba));
    app.delegate.undoStack().undo();
    app.delegate.save();
    QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    QVERIFY(app.alerts().isEmpty());
    QCOMPARE(fileBytes(path), original);
    QVERIFY(!app.edited());
}

QTEST_MAIN(TestSaveRunner)
#include "tst_saverunner.moc"

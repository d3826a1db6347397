#include "AppHarness.h"

#include "app/ConfirmSheet.h"

#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

QFileDialog *saveDialog(const AppHarness &app)
{
    for (QFileDialog *dialog : app.window.findChildren<QFileDialog *>()) {
        if (dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

} // namespace

class TestSaveQuit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void init() { QVERIFY(m_dir.isValid()); }

    void saveWithNoDocumentDoesNothing();
    void saveWritesTargetsAndClearsMark();
    void saveAsWritesCopyAndKeepsDocumentPath();
    void failedWriteKeepsMarkAndShowsFailed();
    void failedSaveAsKeepsMarkAndShowsFailed();
    void unreadableAtSaveTimeShowsFailed_data();
    void unreadableAtSaveTimeShowsFailed();
    void unwrittenUnitsAreListedAndMarkStays_data();
    void unwrittenUnitsAreListedAndMarkStays();
    void quitWithoutMarkEndsAtOnce();
    void quitWithMarkAsksFirst();
    void closingEditedWindowAsksAndCancelKeepsIt();
    void closingEditedWindowConfirmedClosesAndQuits();

private:
    QString loadCopy(AppHarness &app, const QString &fixture, const QString &name)
    {
        const QString path = copyFixture(fixture, m_dir.filePath(name));
        app.delegate.openFile(path);
        return path;
    }

    QTemporaryDir m_dir;
};

void TestSaveQuit::saveWithNoDocumentDoesNothing()
{
    AppHarness app;
    app.delegate.save();
    app.delegate.dupe();
    QVERIFY(app.alerts().isEmpty());
    QVERIFY(!saveDialog(app));
    QVERIFY(!app.edited());
}

void TestSaveQuit::saveWritesTargetsAndClearsMark()
{
    AppHarness app;
    const QString path = loadCopy(app, u"two-files.xliff"_s, u"doc.xliff"_s);
    QVERIFY(app.editTarget(0, u"開く & 閉じる"_s));
    QVERIFY(app.edited());
    app.delegate.save();
    QVERIFY(app.alerts().isEmpty());
    QVERIFY(!app.edited());
    QVERIFY(fileBytes(path).contains("<target>開く &amp; 閉じる</target>"_ba));
}

void TestSaveQuit::saveAsWritesCopyAndKeepsDocumentPath()
{
    AppHarness app;
    const QString path = loadCopy(app, u"two-files.xliff"_s, u"doc.xliff"_s);
    const QByteArray original = fileBytes(path);
    QVERIFY(app.editTarget(0, u"開く"_s));

    app.delegate.dupe();
    QFileDialog *dialog = saveDialog(app);
    QVERIFY(dialog);
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->defaultSuffix(), u"xliff"_s);
    QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), u"doc.xliff"_s);
    const QString copy = m_dir.filePath(u"copy.xliff"_s);
    dialog->selectFile(copy);
    static_cast<QDialog *>(dialog)->accept();

    QVERIFY(fileBytes(copy).contains("<target>開く</target>"_ba));
    QCOMPARE(fileBytes(path), original);
    QVERIFY(!app.edited());
    QCOMPARE(app.document().documentPath, path);
    QVERIFY(!app.delegate.recentDocuments().paths().contains(copy));

    // The next Save writes to the file that was opened, not to the copy.
    QVERIFY(app.editTarget(0, u"ひらく"_s));
    app.delegate.save();
    QVERIFY(fileBytes(path).contains("<target>ひらく</target>"_ba));
    QVERIFY(fileBytes(copy).contains("<target>開く</target>"_ba));
}

void TestSaveQuit::failedWriteKeepsMarkAndShowsFailed()
{
    AppHarness app;
    // A name as long as a file name may be: the file reads, but the temporary file an
    // atomic save writes beside it can't be created, so the write fails.
    const QString name = QString(243, u'n') + u".xliff"_s;
    const QString path = loadCopy(app, u"two-files.xliff"_s, name);
    QCOMPARE(app.bank().rowCount(), 3);
    const QByteArray original = fileBytes(path);
    QVERIFY(app.editTarget(0, u"開く"_s));

    app.delegate.save();
    QCOMPARE(app.alerts().size(), 1);
    QCOMPARE(app.alerts().first()->text(), u"Failed"_s);
    QCOMPARE(app.alerts().first()->informativeText(), u"Could not save."_s);
    QVERIFY(!app.alerts().first()->detailedText().isEmpty());
    QVERIFY(app.edited());
    QCOMPARE(fileBytes(path), original);
    QCOMPARE(app.document().documentPath, path);
    QCOMPARE(app.bank().rows()[0].tget, u"開く"_s);
}

void TestSaveQuit::failedSaveAsKeepsMarkAndShowsFailed()
{
    AppHarness app;
    loadCopy(app, u"two-files.xliff"_s, u"doc.xliff"_s);
    QVERIFY(app.editTarget(0, u"開く"_s));
    QVERIFY(QDir(m_dir.path()).mkpath(u"taken.xliff"_s));
    app.delegate.dupe();
    QFileDialog *dialog = saveDialog(app);
    QVERIFY(dialog);
    emit dialog->fileSelected(m_dir.filePath(u"taken.xliff"_s));
    dialog->reject();
    QCOMPARE(app.alerts().size(), 1);
    QCOMPARE(app.alerts().first()->text(), u"Failed"_s);
    QVERIFY(app.edited());
}

void TestSaveQuit::unreadableAtSaveTimeShowsFailed_data()
{
    QTest::addColumn<bool>("saveAs");
    QTest::newRow("Save") << false;
    QTest::newRow("Save As") << true;
}

void TestSaveQuit::unreadableAtSaveTimeShowsFailed()
{
    QFETCH(bool, saveAs);
    AppHarness app;
    const QString path = loadCopy(app, u"two-files.xliff"_s, u"gone.xliff"_s);
    QVERIFY(app.editTarget(0, u"開く"_s));
    QVERIFY(QFile::remove(path));

    saveAs ? app.delegate.dupe() : app.delegate.save();
    QVERIFY(!saveDialog(app));
    QCOMPARE(app.alerts().size(), 1);
    QCOMPARE(app.alerts().first()->text(), u"Failed"_s);
    QCOMPARE(app.alerts().first()->informativeText(), u"Could not save."_s);
    QVERIFY(app.edited());
    QVERIFY(!QFile::exists(path));
}

void TestSaveQuit::unwrittenUnitsAreListedAndMarkStays_data()
{
    QTest::addColumn<bool>("saveAs");
    QTest::newRow("Save") << false;
    QTest::newRow("Save As") << true;
}

void TestSaveQuit::unwrittenUnitsAreListedAndMarkStays()
{
    QFETCH(bool, saveAs);
    AppHarness app;
    const QString path = loadCopy(app, u"two-units.xliff"_s, u"odd.xliff"_s);
    QCOMPARE(app.bank().rowCount(), 2);
    QVERIFY(app.editTarget(0, u"はい"_s));
    QVERIFY(app.editTarget(1, u"いいえ"_s));
    // Another program removed the second unit from the file since it was opened.
    QVERIFY(!copyFixture(u"one-unit.xliff"_s, path).isEmpty());

    QString written = path;
    if (saveAs) {
        app.delegate.dupe();
        QFileDialog *dialog = saveDialog(app);
        QVERIFY(dialog);
        written = m_dir.filePath(u"odd-copy.xliff"_s);
        dialog->selectFile(written);
        static_cast<QDialog *>(dialog)->accept();
    } else {
        app.delegate.save();
    }

    // What could be written is on disk...
    QVERIFY(fileBytes(written).contains("<target>はい</target>"_ba));
    QVERIFY(!fileBytes(written).contains("いいえ"_ba));
    // ...and the user is told which unit is missing, in which file, and stays marked.
    QCOMPARE(app.alerts().size(), 1);
    const QMessageBox *warning = app.alerts().first();
    QVERIFY(warning->informativeText().contains(u"Unplaced"_s));
    QVERIFY(warning->informativeText().contains(u"Demo/en.lproj/Localizable.strings"_s));
    QVERIFY(!warning->informativeText().contains(u"Placed ("_s));
    QVERIFY(warning->isModal());
    QVERIFY(app.edited());
}

void TestSaveQuit::quitWithoutMarkEndsAtOnce()
{
    AppHarness app;
    loadCopy(app, u"two-files.xliff"_s, u"doc.xliff"_s);
    QCOMPARE(app.delegate.shouldTerminate(), AppDelegate::TerminateReply::Now);
    QVERIFY(!app.delegate.confTerm()->isVisible());
    QSignalSpy closed(&app.window, &MainWindow::closed);
    QVERIFY(app.window.close());
    QCOMPARE(closed.size(), 1);
}

void TestSaveQuit::quitWithMarkAsksFirst()
{
    AppHarness app;
    loadCopy(app, u"two-files.xliff"_s, u"doc.xliff"_s);
    QVERIFY(app.editTarget(0, u"開く"_s));
    QCOMPARE(app.delegate.shouldTerminate(), AppDelegate::TerminateReply::Cancel);
    QVERIFY(app.delegate.confTerm()->isVisible());
    QCOMPARE(app.document().activeSheet.data(), app.delegate.confTerm());

    app.delegate.confTerm()->cancelButton()->click();
    QVERIFY(!app.delegate.confTerm()->isVisible());
    QVERIFY(!app.document().activeSheet);
    QVERIFY(app.edited());
    QVERIFY(app.window.isVisible());
}

void TestSaveQuit::closingEditedWindowAsksAndCancelKeepsIt()
{
    AppHarness app;
    loadCopy(app, u"two-files.xliff"_s, u"doc.xliff"_s);
    QVERIFY(app.editTarget(0, u"開く"_s));
    QSignalSpy closed(&app.window, &MainWindow::closed);

    QVERIFY(!app.window.close());
    QVERIFY(app.window.isVisible());
    QVERIFY(app.delegate.confTerm()->isVisible());
    app.delegate.confTerm()->cancelButton()->click();
    QVERIFY(app.window.isVisible());
    QVERIFY(app.edited());
    QCOMPARE(closed.size(), 0);
}

void TestSaveQuit::closingEditedWindowConfirmedClosesAndQuits()
{
    AppHarness app;
    loadCopy(app, u"two-files.xliff"_s, u"doc.xliff"_s);
    QVERIFY(app.editTarget(0, u"開く"_s));
    QSignalSpy closed(&app.window, &MainWindow::closed);

    app.window.close();
    app.delegate.confTerm()->confirmButton()->click();
    QVERIFY(!app.delegate.confTerm()->isVisible());
    QVERIFY(!app.window.isVisible());
    QVERIFY(!app.edited());
    QCOMPARE(closed.size(), 1);
}

QTEST_MAIN(TestSaveQuit)
#include "tst_savequit.moc"

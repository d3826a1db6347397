#include "AppHarness.h"

#include "app/flows/ConfirmSheet.h"

#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

/// Answers the Save As dialog on show with `path`, as the user would.
bool saveAsTo(const AppHarness &app, const QString &path)
{
    QFileDialog *dialog = app.saveDialog();
    if (!dialog)
        return false;
    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept();
    return true;
}

} // namespace

class TestSaveQuit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void init() { QVERIFY(m_dir.isValid()); }

    void saveWithNoDocumentDoesNothing();
    void saveAsWritesCopyAndSaveWritesTheDocument();
    void failedSaveKeepsTheEdits_data();
    void failedSaveKeepsTheEdits();
    void unwrittenUnitsAreListedAndMarkStays_data();
    void unwrittenUnitsAreListedAndMarkStays();
    void quitting_data();
    void quitting();

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
    QVERIFY(!app.saveDialog());
    QVERIFY(!app.edited());
}

void TestSaveQuit::saveAsWritesCopyAndSaveWritesTheDocument()
{
    AppHarness app;
    const QString path = loadCopy(app, u"two-files.xliff"_s, u"doc.xliff"_s);
    const QByteArray original = fileBytes(path);
    QVERIFY(app.editTarget(0, u"開く"_s));

    app.delegate.dupe();
    QFileDialog *dialog = app.saveDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->defaultSuffix(), u"xliff"_s);
    QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), u"doc.xliff"_s);
    const QString copy = m_dir.filePath(u"copy.xliff"_s);
    QVERIFY(saveAsTo(app, copy));

    QVERIFY(fileBytes(copy).contains("<target>開く</target>"_ba));
    QCOMPARE(fileBytes(path), original);
    QVERIFY(!app.edited());
    QCOMPARE(app.document().documentPath, path);
    QVERIFY(!app.delegate.recentDocuments().paths().contains(copy));

    // The next Save writes to the file that was opened, not to the copy, and clears the mark.
    QVERIFY(app.editTarget(0, u"開く & 閉じる"_s));
    QVERIFY(app.edited());
    app.delegate.save();
    QVERIFY(app.alerts().isEmpty());
    QVERIFY(!app.edited());
    QVERIFY(fileBytes(path).contains("<target>開く &amp; 閉じる</target>"_ba));
    QVERIFY(fileBytes(copy).contains("<target>開く</target>"_ba));
}

void TestSaveQuit::failedSaveKeepsTheEdits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed"); // by another program, after the file was opened
    QTest::addColumn<bool>("saveAs");

    // The file reads, but its write bits were taken away since: the write is refused.
    QTest::newRow("write fails") << u"read-only.xliff"_s << false << false;
    QTest::newRow("Save As onto a folder") << u"doc.xliff"_s << false << true;
    // A file gone since it was read is saved from the bytes last read (tst_mergedsave).
}

void TestSaveQuit::failedSaveKeepsTheEdits()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QFETCH(bool, saveAs);

    AppHarness app;
    const QString path = loadCopy(app, u"two-files.xliff"_s, name);
    QCOMPARE(app.bank().rowCount(), 3);
    const QByteArray original = fileBytes(path);
    QVERIFY(app.editTarget(0, u"開く"_s));
    if (removed)
        QVERIFY(QFile::remove(path));
    if (name.startsWith(u"read-only"))
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));

    saveAs ? app.delegate.dupe() : app.delegate.save();
    // With nothing to write, the user hears so before being asked where to write it.
    QFileDialog *dialog = app.saveDialog();
    QCOMPARE(dialog != nullptr, saveAs && !removed);
    if (dialog) {
        const QString taken = m_dir.filePath(u"taken.xliff"_s);
        QVERIFY(QDir().mkpath(taken));
        emit dialog->fileSelected(taken);
        dialog->reject();
    }
    QCOMPARE(app.alerts().size(), 1);
    const QMessageBox *alert = app.alerts().first();
    QCOMPARE(alert->text(), u"Failed"_s);
    QCOMPARE(alert->informativeText(), u"Could not save."_s);
    QVERIFY(!alert->detailedText().isEmpty());
    QVERIFY(app.edited());
    QCOMPARE(app.bank().rows()[0].tget, u"開く"_s);
    QCOMPARE(app.document().documentPath, path);
    QCOMPARE(QFile::exists(path), !removed);
    QCOMPARE(fileBytes(path), removed ? QByteArray() : original);
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

    const QString written = saveAs ? m_dir.filePath(u"odd-copy.xliff"_s) : path;
    if (saveAs) {
        app.delegate.dupe();
        QVERIFY(saveAsTo(app, written));
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

void TestSaveQuit::quitting_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("clean: ends at once") << false << false;
    QTest::newRow("edited, cancelled") << true << false;
    QTest::newRow("edited, confirmed") << true << true;
}

// Closing the main window is where every quit request arrives; with edits it asks first.
void TestSaveQuit::quitting()
{
    QFETCH(bool, edit);
    QFETCH(bool, confirm);

    AppHarness app;
    loadCopy(app, u"two-files.xliff"_s, u"doc.xliff"_s);
    if (edit)
        QVERIFY(app.editTarget(0, u"開く"_s));
    QSignalSpy closed(&app.window, &MainWindow::closed);
    ConfirmSheet *sheet = app.delegate.confTerm();
    QCOMPARE(app.window.close(), !edit);
    QCOMPARE(sheet->isVisible(), edit);
    if (!edit) {
        QCOMPARE(closed.size(), 1);
        return;
    }
    QVERIFY(app.window.isVisible());
    QCOMPARE(app.document().activeSheet.data(), sheet);

    (confirm ? sheet->confirmButton() : sheet->cancelButton())->click();
    QVERIFY(!sheet->isVisible());
    QVERIFY(!app.document().activeSheet);
    QCOMPARE(app.window.isVisible(), !confirm);
    QCOMPARE(app.edited(), !confirm);
    QCOMPARE(closed.size(), confirm ? 1 : 0);
}

QTEST_MAIN(TestSaveQuit)
#include "tst_savequit.moc"

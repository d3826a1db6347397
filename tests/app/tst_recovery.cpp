#include "AppHarness.h"

#include "app/flows/ConfirmSheet.h"
#include "app/recovery/RecoveryController.h"
#include "app/recovery/RecoverySheet.h"

#include <QApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>

#include <cstdio>

namespace {

const char childFlag[] = "--type-into";

/// The edits the tests type: row and text, one row twice, one target emptied.
const QList<std::pair<int, QString>> &typedEdits()
{
    static const QList<std::pair<int, QString>> edits = {{0, u"%d%%割引 $1 \\ &"_s},
                                                         {1, u"二か月"_s},
                                                         {4, u"全プラン"_s},
                                                         {1, u"2 か月"_s},
                                                         {2, u""_s}};
    return edits;
}

QString corpusExport()
{
    return QStringLiteral(TARNWICK_TEST_DATA "/corpus/elytra-ja-xcode15-mixed.xliff");
}

void useOwnDataFolder()
{
    AppHarness::initSettings();
    // A data folder of this suite's own, so suites running beside it never share journals.
    QCoreApplication::setOrganizationName(u"TarnwickRecoveryTest"_s);
}

QString dataFolder()
{
    return RecoveryController::defaultDataFolder();
}

QStringList filesIn(const QString &subfolder, const QString &pattern = u"*"_s)
{
    return QDir(QDir(dataFolder()).filePath(subfolder)).entryList({pattern}, QDir::Files);
}

RecoveryController &recovery(const AppHarness &app)
{
    return *app.window.findChild<RecoveryController *>();
}

void typeEdits(AppHarness &app)
{
    for (const auto &[row, text] : typedEdits())
        QVERIFY(app.editTarget(row, text));
}

/// The child: opens the export, types the edits through the real window and controller,
/// says so, and waits to be killed.
int typeAndWait(const QString &path)
{
    useOwnDataFolder();
    AppHarness app;
    app.delegate.openFile(path);
    for (const auto &[row, text] : typedEdits()) {
        if (!app.editTarget(row, text))
            return 2;
    }
    std::fputs("typed\n", stdout);
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useOwnDataFolder(); }
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(dataFolder()).removeRecursively();
    }

    void killedSessionIsRestored();
    void restoreAfterFileChangedAppliesMatching();
    void declineSetsJournalAsideUntilSave();
    void journalEnds_data();
    void journalEnds();
    void changesOnDisk_data();
    void changesOnDisk();
    void firstSaveKeepsBackup();
    void unwritableDataFolderWarns();

private:
    QString copyExport(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile::remove(path);
        if (!QFile::copy(corpusExport(), path))
            return {};
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    QTemporaryDir m_dir;
};

void TestRecovery::killedSessionIsRestored()
{
    const QString path = copyExport(u"killed.xliff"_s);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(childFlag), path});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains("typed"), 30000);
    child.kill(); // SIGKILL: no handler, no clean-up runs
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(filesIn(u"Recovery"_s).size(), 1);

    // What the same typing gives in a session that is not killed.
    AppHarness reference;
    const QString referencePath = copyExport(u"reference.xliff"_s);
    reference.delegate.openFile(referencePath);
    typeEdits(reference);
    const std::vector<UnitRecord> typedRows = reference.bank().rows();
    reference.delegate.save();

    AppHarness app;
    app.delegate.openFile(path);
    RecoverySheet *offer = recovery(app).offer();
    QVERIFY(offer && offer->isVisible());
    QCOMPARE(offer->windowTitle(), u"Restore Unsaved Changes?"_s);
    QVERIFY(!offer->unmatchedList());
    QVERIFY(!app.edited());
    offer->confirmButton()->click();
    QVERIFY(!recovery(app).offer());

    QVERIFY(app.edited());
    QCOMPARE(app.delegate.undoStack().count(), 1);
    for (std::size_t row = 0; row < typedRows.size(); ++row)
        QCOMPARE(app.bank().rows()[row].tget, typedRows[row].tget);
    app.delegate.save();
    QCOMPARE(fileBytes(path), fileBytes(referencePath));
    QVERIFY(filesIn(u"Recovery"_s).isEmpty());
}

void TestRecovery::restoreAfterFileChangedAppliesMatching()
{
    const QString path = copyExport(u"changed.xliff"_s);
    {
        AppHarness crashed;
        crashed.delegate.openFile(path);
        typeEdits(crashed);
        // Gone without a save or a discard, as in a crash.
    }
    // Another export since: a unit comes first, the unit of row 4 has a new source.
    QByteArray bytes = fileBytes(path);
    const QByteArray first = "<trans-unit id=\"%d%% off\"";
    bytes.replace(first, "<trans-unit id=\"New\" xml:space=\"preserve\"><source>New</source>"
                         "</trans-unit>\n      " +
                             first);
    bytes.replace("<source>All plans</source>", "<source>Every plan</source>");
    QVERIFY(writeFile(path, bytes));

    AppHarness app;
    app.delegate.openFile(path);
    RecoverySheet *offer = recovery(app).offer();
    QVERIFY(offer);
    QListWidget *unmatched = offer->unmatchedList();
    QVERIFY(unmatched);
    QCOMPARE(unmatched->count(), 1);
    QVERIFY(unmatched->item(0)->text().startsWith(u"All subscriptions"_s));
    const std::optional<QString> before = app.bank().rows()[5].tget;
    offer->confirmButton()->click();

    const std::vector<UnitRecord> &rows = app.bank().rows();
    QCOMPARE(rows[1].tget, u"%d%%割引 $1 \\ &"_s);
    QCOMPARE(rows[2].tget, u"2 か月"_s);
    QCOMPARE(rows[3].tget, u""_s);
    QCOMPARE(rows[5].tget, before);
    QVERIFY(app.edited());
}

void TestRecovery::declineSetsJournalAsideUntilSave()
{
    const QString path = copyExport(u"declined.xliff"_s);
    const QByteArray original = fileBytes(path);
    {
        AppHarness crashed;
        crashed.delegate.openFile(path);
        typeEdits(crashed);
    }
    // Started without a file, Tarnwick opens the one a session left unsaved.
    AppHarness app;
    QVERIFY(recovery(app).reopenUnsaved());
    QCOMPARE(app.document().documentPath.value_or(QString()), path);
    QVERIFY(recovery(app).offer());
    recovery(app).offer()->cancelButton()->click();
    QCOMPARE(app.bank().rows()[1].tget, u"2ヶ月"_s);
    QVERIFY(!app.edited());
    QCOMPARE(filesIn(u"Recovery"_s, u"*-declined-*"_s).size(), 1);
    QCOMPARE(filesIn(u"Recovery"_s).size(), 1);

    // Not offered again; the next save removes it.
    app.delegate.read(path);
    QVERIFY(!recovery(app).offer());
    QVERIFY(!recovery(app).reopenUnsaved());
    QVERIFY(app.editTarget(0, u"割引"_s));
    app.delegate.save();
    QVERIFY(filesIn(u"Recovery"_s).isEmpty());
    QVERIFY(fileBytes(path) != original);
}

void TestRecovery::journalEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("save") << u"save"_s;
    QTest::newRow("save as") << u"save as"_s;
    QTest::newRow("quit without saving") << u"quit"_s;
    QTest::newRow("open another") << u"open"_s;
}

void TestRecovery::journalEnds()
{
    QFETCH(QString, how);
    const QString path = copyExport(u"ends.xliff"_s);
    AppHarness app;
    app.delegate.openFile(path);
    QVERIFY(app.editTarget(0, u"割引"_s));
    QCOMPARE(filesIn(u"Recovery"_s).size(), 1);

    if (how == u"save") {
        app.delegate.save();
    } else if (how == u"save as") {
        app.delegate.dupe();
        auto *dialog = app.window.findChild<QFileDialog *>();
        QVERIFY(dialog);
        dialog->selectFile(m_dir.filePath(u"copy.xliff"_s));
        static_cast<QDialog *>(dialog)->accept();
    } else if (how == u"quit") {
        app.window.close();
        app.delegate.confTerm()->confirmButton()->click();
    } else {
        app.delegate.openFile(copyExport(u"other.xliff"_s));
        app.delegate.confOver()->confirmButton()->click();
    }
    QVERIFY(!app.edited());
    QVERIFY(filesIn(u"Recovery"_s).isEmpty());
}

void TestRecovery::changesOnDisk_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("removed");
    QTest::newRow("changed, nothing typed: reload offered") << false << false;
    QTest::newRow("changed under typed edits: kept") << true << false;
    QTest::newRow("removed under typed edits: kept") << true << true;
}

void TestRecovery::changesOnDisk()
{
    QFETCH(bool, typed);
    QFETCH(bool, removed);
    const QString path = copyExport(u"watched.xliff"_s);
    AppHarness app;
    app.delegate.openFile(path);
    recovery(app).watcher().setSettleTime(20);
    const std::size_t units = app.bank().rows().size();
    if (typed)
        QVERIFY(app.editTarget(0, u"割引"_s));
    // The window's own save is no change from outside.
    app.delegate.save();
    if (typed)
        QVERIFY(app.editTarget(1, u"二か月"_s));
    QTest::qWait(150);
    QVERIFY(!recovery(app).diskNotice());

    // Another program adds a unit at the end.
    const QByteArray added =
        "<trans-unit id=\"Added\" xml:space=\"preserve\"><source>Added</source>"
        "</trans-unit>\n    </body>\n  </file>\n</xliff>";
    if (removed) {
        QVERIFY(QFile::remove(path));
    } else {
        QByteArray bytes = fileBytes(path);
        bytes.truncate(bytes.lastIndexOf("</body>"));
        QVERIFY(writeFile(path, bytes + added));
    }
    QTRY_VERIFY(recovery(app).diskNotice());
    auto *offer = qobject_cast<ConfirmSheet *>(recovery(app).diskNotice());
    QCOMPARE(offer != nullptr, !typed);
    QCOMPARE(app.bank().rows().size(), units);
    if (!typed) {
        offer->confirmButton()->click();
        QCOMPARE(app.bank().rows().size(), units + 1);
        QVERIFY(!app.edited());
        return;
    }
    QVERIFY(app.edited());
    QCOMPARE(app.bank().rows()[1].tget, u"二か月"_s);
    QCOMPARE(filesIn(u"Recovery"_s).size(), 1);
    if (removed)
        return;
    // Saving splices the kept edits into the new text.
    app.delegate.save();
    const QByteArray saved = fileBytes(path);
    QVERIFY(saved.contains("<trans-unit id=\"Added\""));
    QVERIFY(saved.contains("<target>二か月</target>"));
}

void TestRecovery::firstSaveKeepsBackup()
{
    const QString path = copyExport(u"Localizable-ja.xliff"_s);
    const QByteArray original = fileBytes(path);
    AppHarness app;
    app.delegate.openFile(path);
    for (const QString &text : {u"一"_s, u"二"_s}) {
        QVERIFY(app.editTarget(0, text));
        app.delegate.save();
    }
    const QDir folder(recovery(app).backup().folderFor(path));
    const QStringList copies = folder.entryList(QDir::Files);
    QCOMPARE(copies.size(), 1);
    QVERIFY(copies.first().startsWith(u"Localizable-ja-original-"_s));
    QCOMPARE(fileBytes(folder.filePath(copies.first())), original);
}

void TestRecovery::unwritableDataFolderWarns()
{
    // Files where the folders should be: no one, not even root, can write below them.
    QVERIFY(writeFile(QDir(dataFolder()).filePath(u"Recovery"_s), "in the way"));
    QVERIFY(writeFile(QDir(dataFolder()).filePath(u"Backups"_s), "in the way"));
    const QString path = copyExport(u"unprotected.xliff"_s);
    AppHarness app;
    app.delegate.openFile(path);
    QVERIFY(app.editTarget(0, u"割引"_s));
    QVERIFY(app.editTarget(1, u"二か月"_s));
    QCOMPARE(app.alerts().size(), 1);
    QCOMPARE(app.bank().rows()[1].tget, u"二か月"_s);
    QVERIFY(app.edited());

    app.delegate.save();
    QCOMPARE(app.alerts().size(), 2);
    QVERIFY(!app.edited());
    QVERIFY(fileBytes(path).contains("<target>二か月</target>"));
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], childFlag) == 0)
        return typeAndWait(QString::fromLocal8Bit(argv[2]));
    TestRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"

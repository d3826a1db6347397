// The recovery journal read as carefully as a document: what stands at its place is never
// waited on nor read without end, what cannot be read is kept and told, a damaged entry is
// refused as typing refuses it, and a moved file's journal is offered for its new place.
#include "AppHarness.h"

#include "app/flows/ConfirmSheet.h"
#include "app/recovery/RecoveryController.h"
#include "app/recovery/RecoverySheet.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

QString corpusExport()
{
    return QStringLiteral(TARNWICK_TEST_DATA "/corpus/elytra-ja-xcode15-mixed.xliff");
}

QString recoveryFolder()
{
    return QDir(RecoveryController::defaultDataFolder()).filePath(u"Recovery"_s);
}

/// What stands in the recovery folder, links and pipes too.
QStringList recoveryEntries(const QString &pattern = u"*"_s)
{
    return QDir(recoveryFolder())
        .entryList({pattern}, QDir::Files | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot);
}

RecoveryController &recovery(const AppHarness &app)
{
    return *app.window.findChild<RecoveryController *>();
}

/// A session that typed into rows 0 and 1 and ended without saving, as in a crash.
void typeAndCrash(const QString &path)
{
    AppHarness crashed;
    crashed.delegate.openFile(path);
    QVERIFY(crashed.editTarget(0, u"割引"_s));
    QVERIFY(crashed.editTarget(1, u"二か月"_s));
}

} // namespace

class TestJournalRestore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AppHarness::initSettings();
        QCoreApplication::setOrganizationName(u"TarnwickJournalRestoreTest"_s);
    }
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(RecoveryController::defaultDataFolder()).removeRecursively();
    }

    void unreadableJournalIsKept_data();
    void unreadableJournalIsKept();
    void controlCharacterIsRefused();
    void movedFileIsOffered();

private:
    QString copyExport(const QString &name)
    {
        return copyFile(corpusExport(), m_dir.filePath(name));
    }

    QTemporaryDir m_dir;
};

void TestJournalRestore::unreadableJournalIsKept_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << u"pipe"_s;
    QTest::newRow("link to /dev/zero") << u"device"_s;
    QTest::newRow("oversized") << u"oversized"_s;
    QTest::newRow("no line readable") << u"garbage"_s;
}

void TestJournalRestore::unreadableJournalIsKept()
{
    QFETCH(QString, kind);
    const QString path = copyExport(u"document.xliff"_s);
    const QByteArray original = fileBytes(path);
    AppHarness app;
    const QString journal = recovery(app).journal().pathFor(path);
    QVERIFY(QDir().mkpath(recoveryFolder()));
    if (kind == u"pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(journal).constData(), 0600), 0);
    else if (kind == u"device")
        QVERIFY(QFile::link(u"/dev/zero"_s, journal));
    else if (kind == u"oversized")
        QVERIFY(writeFile(journal, "{}\n") && QFile(journal).resize(3LL * 1024 * 1024 * 1024));
    else
        QVERIFY(writeFile(journal, "\x01\x02 not a journal\n"));

    app.delegate.openFile(path);
    QVERIFY(app.bank().rowCount() > 0);
    QVERIFY(!recovery(app).offer());
    QCOMPARE(app.alerts().size(), 1);
    QCOMPARE(app.alerts().first()->text(), u"Recovery Journal Unreadable"_s);
    // Kept aside, under a name that is never offered and never removed by a save.
    QCOMPARE(recoveryEntries(), recoveryEntries(u"*-unreadable-*"_s));
    QCOMPARE(recoveryEntries().size(), 1);
    QVERIFY(app.alerts().first()->informativeText().contains(recoveryEntries().first()));
    QVERIFY(!recovery(app).reopenUnsaved());

    QVERIFY(app.editTarget(0, u"割引"_s));
    app.delegate.save();
    QCOMPARE(recoveryEntries().size(), 1);
    QVERIFY(fileBytes(path) != original);
    QVERIFY(fileBytes(path).contains("割引"));
}

void TestJournalRestore::controlCharacterIsRefused()
{
    const QString path = copyExport(u"control.xliff"_s);
    typeAndCrash(path);
    // A damaged journal names row 2 with a control character typing would have refused.
    AppHarness app;
    const QString journal = recovery(app).journal().pathFor(path);
    {
        AppHarness reader;
        reader.delegate.read(path);
        const UnitRecord &row = reader.bank().rows()[2];
        QFile file(journal);
        QVERIFY(file.open(QIODevice::Append));
        file.write(RecoveryJournal::encode(
            {2, row.from, row.name, row.srcs, u"bad\u0001"_s, row.state, 1'800'000'000'000}));
        // The reader's session journalled nothing and so leaves the journal alone.
    }
    app.delegate.openFile(path);
    RecoverySheet *offer = recovery(app).offer();
    QVERIFY(offer);
    QVERIFY(offer->refusedList());
    QCOMPARE(offer->refusedList()->count(), 1);
    QVERIFY(offer->refusedList()->item(0)->text().contains(u"U+0001"_s));
    const std::optional<QString> before = app.bank().rows()[2].tget;
    offer->confirmButton()->click();
    QCOMPARE(app.bank().rows()[0].tget, u"割引"_s);
    QCOMPARE(app.bank().rows()[1].tget, u"二か月"_s);
    QCOMPARE(app.bank().rows()[2].tget, before);

    // The restored edits save; nothing in the file holds the refused text.
    app.delegate.save();
    QVERIFY(app.alerts().isEmpty());
    QVERIFY(!app.edited());
    const QByteArray saved = fileBytes(path);
    QVERIFY(saved.contains("割引") && saved.contains("二か月"));
    QVERIFY(!saved.contains("bad"));
    QVERIFY(recoveryEntries().isEmpty());
}

void TestJournalRestore::movedFileIsOffered()
{
    const QString path = copyExport(u"before.xliff"_s);
    typeAndCrash(path);
    const QString moved = m_dir.filePath(u"elsewhere/after.xliff"_s);
    QVERIFY(QDir().mkpath(QFileInfo(moved).path()));
    QVERIFY(QFile::rename(path, moved));
    const QByteArray original = fileBytes(moved);

    // Started without a file: the journal's file is asked for, since it moved.
    AppHarness app;
    QVERIFY(recovery(app).reopenUnsaved());
    auto *question = qobject_cast<ConfirmSheet *>(recovery(app).movedDocumentOffer());
    QVERIFY(question && question->isVisible());
    question->confirmButton()->click();
    auto *dialog = app.window.findChild<QFileDialog *>(u"movedDocumentDialog"_s);
    QVERIFY(dialog);
    dialog->selectFile(moved);
    static_cast<QDialog *>(dialog)->accept();

    QCOMPARE(app.document().documentPath.value_or(QString()), moved);
    RecoverySheet *offer = recovery(app).offer();
    QVERIFY(offer);
    offer->confirmButton()->click();
    QCOMPARE(app.bank().rows()[1].tget, u"二か月"_s);
    app.delegate.save();
    const QByteArray saved = fileBytes(moved);
    QVERIFY(saved != original);
    QVERIFY(saved.contains("割引") && saved.contains("二か月"));
    QVERIFY(recoveryEntries().isEmpty());
}

QTEST_MAIN(TestJournalRestore)
#include "tst_journalrestore.moc"

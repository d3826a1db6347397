// What else protects the edits between saves: the backups kept before saving over an
// export, and the watch on the open file.
#include "hardening/TestFiles.h"

#include "recovery/DocumentWatcher.h"
#include "recovery/ExportBackup.h"
#include "recovery/RecoveryJournal.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

class TestBackupAndWatcher : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void backupKeepsOriginalAndIsBounded_data();
    void backupKeepsOriginalAndIsBounded();
    void backupsOfFilesAlike();
    void watcherReportsChanges();
    void watcherIgnoresWhatIsNoChange_data();
    void watcherIgnoresWhatIsNoChange();

private:
    QString folder(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestBackupAndWatcher::backupKeepsOriginalAndIsBounded_data()
{
    QTest::addColumn<int>("sessions"); ///< sessions that each save over the file once
    QTest::addColumn<int>("keep");
    QTest::addColumn<qint64>("keepBytes");
    QTest::addColumn<QList<int>>("rotated"); ///< the versions kept besides the original
    QTest::newRow("one session") << 1 << 3 << qint64(1000) << QList<int>{};
    QTest::newRow("more sessions than kept") << 6 << 3 << qint64(1000) << QList<int>{5, 4, 3};
    QTest::newRow("more bytes than kept") << 6 << 10 << qint64(20) << QList<int>{5, 4};
    QTest::newRow("each copy larger than the bound") << 4 << 10 << qint64(1) << QList<int>{3};
}

void TestBackupAndWatcher::backupKeepsOriginalAndIsBounded()
{
    // Each session's first save copies the file as it was; the very first copy is the export
    // as Xcode wrote it and is kept whatever the bounds, the others rotate.
    QFETCH(int, sessions);
    QFETCH(int, keep);
    QFETCH(qint64, keepBytes);
    QFETCH(QList<int>, rotated);
    const QString backups = folder(u"Backups"_s);
    const QString document = folder(u"Localizable-ja.xliff"_s);
    const auto version = [](int n) { return QByteArray("version ") + QByteArray::number(n); };
    QVERIFY(TestFiles::write(document, version(0)));
    for (int session = 1; session <= sessions; ++session) {
        ExportBackup backup(backups, keep, keepBytes);
        QVERIFY(!backup.beforeSave(document));
        QCOMPARE(TestFiles::read(backup.lastCopy()), version(session - 1));
        QVERIFY(TestFiles::write(document, version(session)));
        // Later saves of the same session copy nothing.
        QVERIFY(!backup.beforeSave(document));
        QVERIFY(backup.lastCopy().isEmpty());
    }
    const QDir copies(ExportBackup(backups).folderFor(document));
    QVERIFY(copies.dirName().startsWith(u"Localizable-ja-"_s));
    const QStringList originals = copies.entryList({u"*-original-*"_s}, QDir::Files);
    QCOMPARE(originals.size(), 1);
    QVERIFY(originals.first().endsWith(u".xliff"_s));
    QCOMPARE(TestFiles::read(copies.filePath(originals.first())), version(0));
    QList<int> kept;
    for (const QFileInfo &copy : copies.entryInfoList(QDir::Files, QDir::Name | QDir::Reversed)) {
        if (!copy.fileName().contains(u"-original-"_s))
            kept.append(TestFiles::read(copy.filePath()).sliced(8).toInt());
    }
    std::sort(kept.rbegin(), kept.rend());
    QCOMPARE(kept, rotated);
}

void TestBackupAndWatcher::backupsOfFilesAlike()
{
    // Two exports named alike in two projects each keep their own original; a name as long
    // as a file name may be still leaves room for the time in the copy's.
    const QString backups = folder(u"Backups"_s);
    const QStringList documents = {folder(u"A/ja.xliff"_s), folder(u"B/ja.xliff"_s),
                                   folder(QString(80, u'長') + u".xliff"_s)};
    ExportBackup backup(backups);
    for (const QString &document : documents) {
        QVERIFY(QDir().mkpath(QFileInfo(document).path()));
        QVERIFY(TestFiles::write(document, document.toUtf8()));
        QVERIFY(!backup.beforeSave(document));
        QCOMPARE(TestFiles::read(backup.lastCopy()), document.toUtf8());
    }
    QCOMPARE(QDir(backups).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);
    QVERIFY(!backup.beforeSave(folder(u"never-written.xliff"_s)));
}

void TestBackupAndWatcher::watcherReportsChanges()
{
    const QString document = folder(u"watched.xliff"_s);
    QVERIFY(TestFiles::write(document, "one"));
    DocumentWatcher watcher;
    watcher.setSettleTime(20);
    QSignalSpy changed(&watcher, &DocumentWatcher::changed);
    QSignalSpy removed(&watcher, &DocumentWatcher::removed);
    watcher.watch(document, RecoveryJournal::hashOf("one"));

    // The window's own save is not a change.
    watcher.setKnownHash(RecoveryJournal::hashOf("own save"));
    QVERIFY(TestFiles::write(document, "own save"));
    QTest::qWait(200);
    QCOMPARE(changed.size(), 0);

    QVERIFY(TestFiles::write(document, "two"));
    QTRY_COMPARE(changed.size(), 1);

    // An editor that writes a new file and renames it over the old one, twice: both count.
    for (const QByteArray &text : {QByteArray("three"), QByteArray("four")}) {
        const QString temporary = folder(u"watched.xliff.tmp"_s);
        QVERIFY(TestFiles::write(temporary, text));
        QVERIFY(::rename(QFile::encodeName(temporary), QFile::encodeName(document)) == 0);
        QTRY_COMPARE(changed.size(), text == "three" ? 2 : 3);
    }

    QVERIFY(QFile::remove(document));
    QTRY_COMPARE(removed.size(), 1);
    QVERIFY(TestFiles::write(document, "five"));
    QTRY_COMPARE(changed.size(), 4);
    QCOMPARE(removed.size(), 1);
}

void TestBackupAndWatcher::watcherIgnoresWhatIsNoChange_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("reads"); ///< times the file is read after the first look
    QTest::addColumn<bool>("changed");
    QTest::newRow("another file of the folder") << u"other"_s << 0 << false;
    QTest::newRow("same bytes written again") << u"rewrite"_s << 1 << false;
    QTest::newRow("same bytes renamed over it") << u"rename"_s << 1 << false;
    QTest::newRow("other bytes") << u"change"_s << 1 << true;
}

void TestBackupAndWatcher::watcherIgnoresWhatIsNoChange()
{
    QFETCH(QString, event);
    const QString document = folder(u"watched.xliff"_s);
    QVERIFY(TestFiles::write(document, "one"));
    DocumentWatcher watcher;
    watcher.setSettleTime(20);
    QSignalSpy changes(&watcher, &DocumentWatcher::changed);
    watcher.watch(document, RecoveryJournal::hashOf("one"));
    // A first event: the file is read once and its state remembered.
    QVERIFY(TestFiles::write(folder(u"first.txt"_s), "x"));
    QTRY_COMPARE(watcher.reads(), 1);

    if (event == u"other") {
        for (int i = 0; i < 5; ++i)
            QVERIFY(TestFiles::write(folder(u"notes-%1.txt"_s.arg(i)), "busy folder"));
    } else if (event == u"rewrite") {
        QVERIFY(TestFiles::write(document, "one"));
    } else if (event == u"rename") {
        QVERIFY(TestFiles::write(folder(u"watched.tmp"_s), "one"));
        QVERIFY(::rename(QFile::encodeName(folder(u"watched.tmp"_s)),
                         QFile::encodeName(document)) == 0);
    } else {
        QVERIFY(TestFiles::write(document, "two"));
    }
    QFETCH(int, reads);
    QFETCH(bool, changed);
    QTRY_COMPARE(watcher.reads(), 1 + reads);
    QTest::qWait(100);
    QCOMPARE(watcher.reads(), 1 + reads);
    QCOMPARE(changes.size(), changed ? 1 : 0);
    QCOMPARE(TestFiles::read(document), changed ? QByteArray("two") : QByteArray("one"));
}
QTEST_GUILESS_MAIN(TestBackupAndWatcher)
#include "tst_backupandwatcher.moc"

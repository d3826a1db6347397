// Saves that fail: nothing on disk changes and the caller gets a reason. Saves that
// succeed keep the file's permissions and its symbolic link.
#include "ScratchMount.h"
#include "TestFiles.h"
#include "Unprivileged.h"

#include "files/DocumentFile.h"
#include "splice/XliffWriter.h"

#include <QDirIterator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QByteArray original = "<xliff version=\"1.2\"><file original=\"a\"/></xliff>\n";
const QByteArray replacement = "<xliff version=\"1.2\"><file original=\"b\"/></xliff>\n";

/// Every entry below `folder` with each file's bytes: all that a failed save must leave alone,
/// including the temporary file it must not leave behind.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.append(path + u": "_s + QString::fromLatin1(TestFiles::read(path)));
    }
    entries.sort();
    return entries;
}

} // namespace

class tst_FailingWrites : public QObject
{
    Q_OBJECT

public:
    enum class Fault
    {
        ReadOnlyFolder,
        ReadOnlyFileSystem,
        DiskFull,
        ReplacedByFolder,
        FolderGone
    };

private slots:
    void init();
    void failedWriteChangesNothing_data();
    void failedWriteChangesNothing();
    void longNamesSave_data();
    void longNamesSave();
    void fileDeletedSinceOpening();
    void permissionsKept_data();
    void permissionsKept();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_FailingWrites::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QFile::setPermissions(m_dir->path(), Unprivileged::reachable));
}

void tst_FailingWrites::failedWriteChangesNothing_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); ///< the cause the error names
    QTest::newRow("read-only folder")
        << Fault::ReadOnlyFolder << replacement << u"Permission denied"_s;
    QTest::newRow("read-only file system (64 KB tmpfs)")
        << Fault::ReadOnlyFileSystem << replacement << u"Read-only file system"_s;
    QTest::newRow("disk full (64 KB tmpfs)")
        << Fault::DiskFull << QByteArray(1024 * 1024, 'x') << u"No space left on device"_s;
    QTest::newRow("file replaced by a folder")
        << Fault::ReplacedByFolder << replacement << u"folder"_s;
    QTest::newRow("folder deleted since opening")
        << Fault::FolderGone << replacement << u"No such file or directory"_s;
}

void tst_FailingWrites::failedWriteChangesNothing()
{
    QFETCH(Fault, fault);
    QFETCH(QByteArray, bytes);
    const QString folder = m_dir->filePath(u"folder"_s);
    const QString path = folder + u"/doc.xliff"_s;
    QVERIFY(QDir().mkdir(folder));
    std::optional<ScratchMount> mount;
    if (fault == Fault::ReadOnlyFileSystem || fault == Fault::DiskFull) {
        mount.emplace(folder, 64 * 1024);
        if (!mount->isMounted())
            QSKIP("mounting a tmpfs is not permitted here; the read-only folder case stands in");
    }
    if (fault == Fault::ReplacedByFolder)
        QVERIFY(QDir().mkdir(path) && TestFiles::write(path + u"/inside.txt"_s, original));
    else
        QVERIFY(TestFiles::write(path, original));

    if (fault == Fault::ReadOnlyFileSystem)
        QVERIFY(mount->makeReadOnly());
    if (fault == Fault::FolderGone)
        QVERIFY(QDir(folder).removeRecursively());
    const auto unlock =
        qScopeGuard([&] { QFile::setPermissions(folder, Unprivileged::reachable); });
    if (fault == Fault::ReadOnlyFolder)
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther));

    const QStringList before = snapshot(m_dir->path());
    QString error;
    {
        std::optional<Unprivileged> nobody;
        if (fault == Fault::ReadOnlyFolder)
            nobody.emplace();
        QVERIFY(!DocumentFile::write(path, bytes, &error));
    }
    QFETCH(QString, reason);
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(snapshot(m_dir->path()), before);
}

void tst_FailingWrites::longNamesSave_data()
{
    QTest::addColumn<int>("nameBytes");
    QTest::addColumn<bool>("saves");
    // A temporary name made of the file's own with a few characters added would not fit.
    for (const int bytes : {200, 249, 252, 255})
        QTest::newRow(qPrintable(u"%1 bytes"_s.arg(bytes))) << bytes << true;
    QTest::newRow("256 bytes") << 256 << false;
}

void tst_FailingWrites::longNamesSave()
{
    QFETCH(int, nameBytes);
    QFETCH(bool, saves);
    // Three-byte characters and ASCII, so the cut of the temporary name meets a character.
    QString name = QString(40, u'訳');
    name += QString(nameBytes - int(name.toUtf8().size()) - 6, u'x') + u".xliff"_s;
    QCOMPARE(name.toUtf8().size(), nameBytes);
    const QString path = m_dir->filePath(name);
    if (saves)
        QVERIFY(TestFiles::write(path, original));
    QString error;
    QCOMPARE(DocumentFile::write(path, replacement, &error), saves);
    if (saves) {
        QCOMPARE(TestFiles::read(path), replacement);
    } else {
        QVERIFY2(error.contains(u"File name too long"_s), qPrintable(error));
        QVERIFY(!QFileInfo::exists(path));
    }
    // Nothing left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), saves ? 1 : 0);
}

void tst_FailingWrites::fileDeletedSinceOpening()
{
    // A save splices into the file as it is on disk now; with no file there is nothing to
    // splice into, so nothing is written and the save reports why.
    const QString path = m_dir->filePath(u"doc.xliff"_s);
    QVERIFY(TestFiles::write(path, original));
    QVERIFY(QFile::remove(path));
    const SpliceResult save = XliffWriter::pack(path, {});
    QVERIFY(!save.bytes);
    QVERIFY(save.unreadable);
    QVERIFY(!save.errorString.isEmpty());
    QVERIFY(!QFileInfo::exists(path));
}

void tst_FailingWrites::permissionsKept_data()
{
    QTest::addColumn<int>("permissions");
    QTest::addColumn<bool>("throughLink");
    const auto owner = QFile::ReadOwner | QFile::WriteOwner;
    QTest::newRow("0600") << int(owner) << false;
    QTest::newRow("0640") << int(owner | QFile::ReadGroup) << false;
    QTest::newRow("0664") << int(owner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther)
                          << false;
    QTest::newRow("0755") << int(Unprivileged::reachable) << false;
    QTest::newRow("0644 through a symbolic link")
        << int(owner | QFile::ReadGroup | QFile::ReadOther) << true;
}

void tst_FailingWrites::permissionsKept()
{
    QFETCH(int, permissions);
    QFETCH(bool, throughLink);
    const QString path = m_dir->filePath(u"doc.xliff"_s);
    const QString link = m_dir->filePath(u"link.xliff"_s);
    QVERIFY(TestFiles::write(path, original));
    QVERIFY(QFile::setPermissions(path, QFile::Permissions::fromInt(permissions)));
    const auto before = QFile::permissions(path);
    if (throughLink)
        QVERIFY(QFile::link(path, link));

    QString error;
    QVERIFY2(DocumentFile::write(throughLink ? link : path, replacement, &error),
             qPrintable(error));
    QCOMPARE(TestFiles::read(path), replacement);
    QCOMPARE(QFile::permissions(path), before);
    QCOMPARE(QFileInfo(link).isSymLink(), throughLink);
}

QTEST_GUILESS_MAIN(tst_FailingWrites)
#include "tst_FailingWrites.moc"

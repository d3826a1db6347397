// Saves that fail: the file on disk stays exactly as it was and the caller gets a reason.
// Saves that succeed keep the file's permissions and its symbolic link.
#include "ScratchMount.h"
#include "Unprivileged.h"

#include "document/DocumentFile.h"
#include "document/XliffWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray original = "<xliff version=\"1.2\"><file original=\"a\"/></xliff>\n";
const QByteArray replacement = "<xliff version=\"1.2\"><file original=\"b\"/></xliff>\n";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool create(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

constexpr QFile::Permissions openFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                          QFile::ExeGroup;

} // namespace

class tst_FailingWrites : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readOnlyFolder();
    void readOnlyFileSystem();
    void diskFull();
    void fileReplacedByFolder();
    void fileDeletedSinceOpening();
    void folderDeletedSinceOpening();
    void permissionsKept_data();
    void permissionsKept();
    void symbolicLinkKept();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_FailingWrites::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Reachable for the unprivileged user that the permission tests act as.
    QVERIFY(QFile::setPermissions(m_dir->path(), openFolder));
}

void tst_FailingWrites::readOnlyFolder()
{
    const QString folder = m_dir->filePath(u"locked"_s);
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + u"/doc.xliff"_s;
    QVERIFY(create(path, original));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                              QFile::ExeOther));
    QString error;
    {
        const Unprivileged nobody;
        QVERIFY(!DocumentFile::write(path, replacement, &error));
    }
    QVERIFY(!error.isEmpty());
    QCOMPARE(contents(path), original);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{u"doc.xliff"_s});
    QFile::setPermissions(folder, openFolder);
}

void tst_FailingWrites::readOnlyFileSystem()
{
    const QString folder = m_dir->filePath(u"mnt"_s);
    QVERIFY(QDir().mkdir(folder));
    ScratchMount mount(folder, 64 * 1024);
    if (!mount.isMounted())
        QSKIP("mounting a tmpfs is not permitted here; the read-only folder case stands in");
    const QString path = folder + u"/doc.xliff"_s;
    QVERIFY(create(path, original));
    QVERIFY(mount.makeReadOnly());
    QString error;
    QVERIFY(!DocumentFile::write(path, replacement, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(contents(path), original);
}

void tst_FailingWrites::diskFull()
{
    const QString folder = m_dir->filePath(u"mnt"_s);
    QVERIFY(QDir().mkdir(folder));
    ScratchMount mount(folder, 64 * 1024);
    if (!mount.isMounted())
        QSKIP("mounting a small tmpfs is not permitted here, so a full disk can't be made");
    const QString path = folder + u"/doc.xliff"_s;
    QVERIFY(create(path, original));
    QString error;
    QVERIFY(!DocumentFile::write(path, QByteArray(1024 * 1024, 'x'), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(contents(path), original);
    // No half-written temporary file is left behind to fill the disk further.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{u"doc.xliff"_s});
}

void tst_FailingWrites::fileReplacedByFolder()
{
    const QString path = m_dir->filePath(u"doc.xliff"_s);
    QVERIFY(QDir().mkdir(path));
    QVERIFY(create(path + u"/inside.txt"_s, original));
    QString error;
    QVERIFY(!DocumentFile::write(path, replacement, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(contents(path + u"/inside.txt"_s), original);
    const SpliceResult save = XliffWriter::pack(path, {});
    QVERIFY(!save.bytes);
    QVERIFY(!save.errorString.isEmpty());
}

void tst_FailingWrites::fileDeletedSinceOpening()
{
    // A save splices into the file as it is on disk now; with no file there is nothing to
    // splice into, so nothing is written and the save reports why.
    const QString path = m_dir->filePath(u"doc.xliff"_s);
    QVERIFY(create(path, original));
    QVERIFY(QFile::remove(path));
    const SpliceResult save = XliffWriter::pack(path, {});
    QVERIFY(!save.bytes);
    QVERIFY(save.unreadable);
    QVERIFY(!save.errorString.isEmpty());
    QVERIFY(!QFileInfo::exists(path));
}

void tst_FailingWrites::folderDeletedSinceOpening()
{
    const QString folder = m_dir->filePath(u"gone"_s);
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + u"/doc.xliff"_s;
    QVERIFY(create(path, original));
    QVERIFY(QDir(folder).removeRecursively());
    QString error;
    QVERIFY(!DocumentFile::write(path, replacement, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(folder));
}

void tst_FailingWrites::permissionsKept_data()
{
    QTest::addColumn<int>("permissions");
    QTest::newRow("0600") << int(QFile::ReadOwner | QFile::WriteOwner);
    QTest::newRow("0640") << int(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QTest::newRow("0664") << int(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                 QFile::WriteGroup | QFile::ReadOther);
    QTest::newRow("0755") << int(openFolder);
}

void tst_FailingWrites::permissionsKept()
{
    QFETCH(int, permissions);
    const QString path = m_dir->filePath(u"doc.xliff"_s);
    QVERIFY(create(path, original));
    const auto wanted = QFile::Permissions::fromInt(permissions);
    QVERIFY(QFile::setPermissions(path, wanted));
    const auto before = QFile::permissions(path);
    QString error;
    QVERIFY2(DocumentFile::write(path, replacement, &error), qPrintable(error));
    QCOMPARE(contents(path), replacement);
    QCOMPARE(QFile::permissions(path), before);
}

void tst_FailingWrites::symbolicLinkKept()
{
    const QString target = m_dir->filePath(u"real.xliff"_s);
    const QString link = m_dir->filePath(u"link.xliff"_s);
    QVERIFY(create(target, original));
    QVERIFY(QFile::link(target, link));
    QString error;
    QVERIFY2(DocumentFile::write(link, replacement, &error), qPrintable(error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contents(target), replacement);
}

QTEST_GUILESS_MAIN(tst_FailingWrites)
#include "tst_FailingWrites.moc"

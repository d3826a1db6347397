// The folder scan meets a symbolic-link loop and an unreadable subfolder: it ends, and
// lists every XLIFF file it can reach.
#include "Unprivileged.h"

#include "document/XliffFinder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Group bits as well: the unprivileged user may still share root's supplementary group.
constexpr QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::ExeOther;

bool touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

class tst_FolderScan : public QObject
{
    Q_OBJECT

private slots:
    void symbolicLinkLoop();
    void unreadableSubfolder();
};

void tst_FolderScan::symbolicLinkLoop()
{
    QTemporaryDir dir;
    const QString root = dir.path() + u"/export.xcloc"_s;
    QVERIFY(QDir().mkpath(root + u"/Localized Contents"_s));
    QVERIFY(touch(root + u"/Localized Contents/ja.xliff"_s));
    QVERIFY(QFile::link(root, root + u"/Localized Contents/up"_s));
    QVERIFY(QFile::link(root + u"/Localized Contents"_s, root + u"/self"_s));
    QVERIFY(QFile::link(root + u"/missing"_s, root + u"/dangling.xliff"_s));

    const QStringList found = XliffFinder::find(root);

    // Links are listed, not followed: the loop ends and the real file is found once.
    QVERIFY(found.contains(root + u"/Localized Contents/ja.xliff"_s));
    QCOMPARE(found.count(root + u"/Localized Contents/ja.xliff"_s), 1);
    for (const QString &path : found)
        QVERIFY2(!path.contains(u"/up/"_s) && !path.contains(u"/self/"_s), qPrintable(path));
}

void tst_FolderScan::unreadableSubfolder()
{
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), open));
    const QString root = dir.path() + u"/export"_s;
    QVERIFY(QDir().mkpath(root + u"/open"_s));
    QVERIFY(QDir().mkpath(root + u"/closed"_s));
    QVERIFY(touch(root + u"/open/fr.xliff"_s));
    QVERIFY(touch(root + u"/closed/de.xliff"_s));
    QVERIFY(QFile::setPermissions(root, open));
    QVERIFY(QFile::setPermissions(root + u"/open"_s, open));
    QVERIFY(QFile::setPermissions(root + u"/closed"_s, QFile::WriteOwner));

    QStringList found;
    {
        const Unprivileged nobody;
        found = XliffFinder::find(root);
    }
    QFile::setPermissions(root + u"/closed"_s, open);

    QCOMPARE(found, QStringList{root + u"/open/fr.xliff"_s});
}

QTEST_GUILESS_MAIN(tst_FolderScan)
#include "tst_FolderScan.moc"

// The folder scan meets a symbolic-link loop and an unreadable subfolder: it ends, and
// lists every XLIFF file it can reach.
#include "TestFiles.h"
#include "Unprivileged.h"

#include "xliff/XliffFinder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_FolderScan : public QObject
{
    Q_OBJECT

private slots:
    void symbolicLinkLoop();
    void unreadableSubfolder();
};

void tst_FolderScan::symbolicLinkLoop()
{
    const QTemporaryDir dir;
    const QString root = dir.path() + u"/export.xcloc"_s;
    const QString contents = root + u"/Localized Contents"_s;
    QVERIFY(QDir().mkpath(contents));
    QVERIFY(TestFiles::write(contents + u"/ja.xliff"_s, {}));
    QVERIFY(QFile::link(root, contents + u"/up"_s));
    QVERIFY(QFile::link(contents, root + u"/self"_s));
    QVERIFY(QFile::link(root + u"/missing"_s, root + u"/dangling.xliff"_s));

    const QStringList found = XliffFinder::find(root);

    // Links are listed, not followed: the loop ends and the real file is found once.
    QCOMPARE(found.count(contents + u"/ja.xliff"_s), 1);
    for (const QString &path : found)
        QVERIFY2(!path.contains(u"/up/"_s) && !path.contains(u"/self/"_s), qPrintable(path));
}

void tst_FolderScan::unreadableSubfolder()
{
    const QTemporaryDir dir;
    const QString root = dir.path() + u"/export"_s;
    QVERIFY(QDir().mkpath(root + u"/open"_s) && QDir().mkpath(root + u"/closed"_s));
    QVERIFY(TestFiles::write(root + u"/open/fr.xliff"_s, {}));
    QVERIFY(TestFiles::write(root + u"/closed/de.xliff"_s, {}));
    for (const QString &folder : {dir.path(), root, root + u"/open"_s})
        QVERIFY(QFile::setPermissions(folder, Unprivileged::reachable));
    QVERIFY(QFile::setPermissions(root + u"/closed"_s, QFile::WriteOwner));

    QStringList found;
    {
        const Unprivileged nobody;
        found = XliffFinder::find(root);
    }
    QFile::setPermissions(root + u"/closed"_s, Unprivileged::reachable);

    QCOMPARE(found, QStringList{root + u"/open/fr.xliff"_s});
}

QTEST_GUILESS_MAIN(tst_FolderScan)
#include "tst_FolderScan.moc"

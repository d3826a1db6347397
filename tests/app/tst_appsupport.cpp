#include "app/RecentDocuments.h"
#include "document/XliffFinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestAppSupport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pathExtension_data();
    void pathExtension();
    void findsAtAnyDepthWithFullPaths();
    void folderNamedLikeAFileCounts();
    void symlinkLoopEndsTheScan();
    void notAFolderFindsNothing();
    void recentDocumentsNewestFirstAndBounded();
};

void TestAppSupport::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"TarnwickTest"_s);
    QCoreApplication::setApplicationName(u"Tarnwick"_s);
    QSettings().clear();
}

void TestAppSupport::pathExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("isXliff");

    QTest::newRow("file") << u"/a/ja.xliff"_s << u"xliff"_s << true;
    QTest::newRow("upper case is another extension") << u"/a/ja.XLIFF"_s << u"XLIFF"_s << false;
    QTest::newRow("folder with trailing slash") << u"/a/ja.xliff/"_s << u"xliff"_s << true;
    QTest::newRow("dot in a folder only") << u"/a.xliff/ja"_s << QString() << false;
    QTest::newRow("last dot wins") << u"/a/ja.xliff.bak"_s << u"bak"_s << false;
    QTest::newRow("no extension") << u"/a/export"_s << QString() << false;
}

void TestAppSupport::pathExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, extension);
    QFETCH(bool, isXliff);
    QCOMPARE(XliffFinder::pathExtension(path), extension);
    QCOMPARE(XliffFinder::isXliffPath(path), isXliff);
}

void TestAppSupport::findsAtAnyDepthWithFullPaths()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    touch(dir.filePath(u"Export/ja.xcloc/Localized Contents/ja.xliff"_s));
    touch(dir.filePath(u"Export/de.xliff"_s));
    touch(dir.filePath(u"Export/notes.txt"_s));
    touch(dir.filePath(u"Export/fr.XLIFF"_s));

    const QString root = dir.filePath(u"Export"_s);
    QCOMPARE(
        XliffFinder::find(root),
        QStringList({root + u"/de.xliff"_s, root + u"/ja.xcloc/Localized Contents/ja.xliff"_s}));
    // The path is used as given: a trailing "/" doubles, which the file system accepts.
    const QStringList doubled = XliffFinder::find(root + u'/');
    QCOMPARE(doubled.first(), root + u"//de.xliff"_s);
    QVERIFY(QFileInfo::exists(doubled.first()));
}

void TestAppSupport::folderNamedLikeAFileCounts()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(u"odd.xliff"_s));
    QCOMPARE(XliffFinder::find(dir.path()), QStringList({dir.path() + u"/odd.xliff"_s}));
}

void TestAppSupport::symlinkLoopEndsTheScan()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    touch(dir.filePath(u"a/one.xliff"_s));
    QVERIFY(QFile::link(dir.filePath(u"a"_s), dir.filePath(u"a/loop"_s)));
    QCOMPARE(XliffFinder::find(dir.path()), QStringList({dir.path() + u"/a/one.xliff"_s}));
}

void TestAppSupport::notAFolderFindsNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    touch(dir.filePath(u"plain.XLIFF"_s));
    QVERIFY(XliffFinder::find(dir.filePath(u"plain.XLIFF"_s)).isEmpty());
    QVERIFY(XliffFinder::find(dir.filePath(u"missing"_s)).isEmpty());
}

void TestAppSupport::recentDocumentsNewestFirstAndBounded()
{
    RecentDocuments recent;
    recent.clear();
    for (int i = 0; i < RecentDocuments::maxCount + 3; ++i)
        recent.add(u"/docs/%1.xliff"_s.arg(i));
    recent.add(u"/docs/5.xliff"_s);

    const QStringList paths = recent.paths();
    QCOMPARE(paths.size(), RecentDocuments::maxCount);
    QCOMPARE(paths.first(), u"/docs/5.xliff"_s);
    QCOMPARE(paths.count(u"/docs/5.xliff"_s), 1);
    QCOMPARE(paths.at(1), u"/docs/12.xliff"_s);
    QVERIFY(!paths.contains(u"/docs/0.xliff"_s));

    recent.clear();
    QVERIFY(recent.paths().isEmpty());
}

QTEST_GUILESS_MAIN(TestAppSupport)
#include "tst_appsupport.moc"

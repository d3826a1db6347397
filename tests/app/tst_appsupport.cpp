#include "AppHarness.h"

#include "app/flows/RecentDocuments.h"
#include "xliff/XliffFinder.h"

#include <QTemporaryDir>

class TestAppSupport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void pathExtension_data();
    void pathExtension();
    void find_data();
    void find();
    void recentDocumentsNewestFirstAndBounded();
};

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

void TestAppSupport::find_data()
{
    QTest::addColumn<QStringList>("entries"); // a trailing "/" makes a folder
    QTest::addColumn<QString>("scanned");
    QTest::addColumn<QStringList>("found");

    const QStringList export_{u"Export/ja.xcloc/Localized Contents/ja.xliff"_s,
                              u"Export/de.xliff"_s, u"Export/notes.txt"_s, u"Export/fr.XLIFF"_s};
    QTest::newRow("any depth, exact extension, full paths")
        << export_ << u"Export"_s
        << QStringList{u"Export/de.xliff"_s, u"Export/ja.xcloc/Localized Contents/ja.xliff"_s};
    // The path is used as given: a trailing "/" doubles, which the file system accepts.
    QTest::newRow("trailing slash kept")
        << export_ << u"Export/"_s
        << QStringList{u"Export//de.xliff"_s, u"Export//ja.xcloc/Localized Contents/ja.xliff"_s};
    QTest::newRow("folder named like a file counts")
        << QStringList{u"odd.xliff/"_s} << QString() << QStringList{u"odd.xliff"_s};
    QTest::newRow("a file is not a folder")
        << QStringList{u"plain.XLIFF"_s} << u"plain.XLIFF"_s << QStringList();
    QTest::newRow("missing folder") << QStringList() << u"missing"_s << QStringList();
}

void TestAppSupport::find()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, scanned);
    QFETCH(QStringList, found);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &entry : entries) {
        if (entry.endsWith(u'/'))
            QVERIFY(QDir(dir.path()).mkpath(entry));
        else
            QVERIFY(writeFile(dir.filePath(entry)));
    }
    const QStringList paths =
        XliffFinder::find(scanned.isEmpty() ? dir.path() : dir.filePath(scanned));
    QStringList expected;
    for (const QString &path : found)
        expected.append(dir.filePath(path));
    QCOMPARE(paths, expected);
    for (const QString &path : paths)
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
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

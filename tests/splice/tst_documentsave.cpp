// A save from splice to disk: the new file is written while it is read back, and the
// original is replaced only when the read-back passed. Whatever fails, the folder holds
// what it held before: the original byte for byte and no temporary file.
#include "document/DocumentTests.h"
#include "ExportGenerator.h"
#include "splice/DocumentSave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// Every file in the folder with its bytes.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return {u"unreadable: "_s + name};
        entries.append(name + u": "_s + QString::fromLatin1(file.readAll().toBase64()));
    }
    return entries;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray shape(const QString &name)
{
    QFile file(QStringLiteral(TARNWICK_TEST_DATA "/shapes/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDocumentSave : public QObject
{
    Q_OBJECT

private slots:
    void failedSaveLeavesTheFolder_data();
    void failedSaveLeavesTheFolder();
    void savedFileIsTheCheckedOne_data();
    void savedFileIsTheCheckedOne();
};

void TestDocumentSave::failedSaveLeavesTheFolder_data()
{
    QTest::addColumn<bool>("breakSource"); // the read-back fails, else the write does
    QTest::addColumn<QString>("name");
    QTest::newRow("read-back fails") << true << u"doc.xliff"_s;
    // A file without a write bit is refused, even for root.
    QTest::newRow("write fails") << false << u"read-only.xliff"_s;
}

void TestDocumentSave::failedSaveLeavesTheFolder()
{
    QFETCH(bool, breakSource);
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ExportGenerator::Options options;
    options.units = 5000;
    QByteArray source = ExportGenerator::generate(options);
    std::vector<UnitRecord> rows = readUnits(source);
    for (UnitRecord &row : rows)
        row.tget = u"訳 & <x>"_s;
    const QString target = dir.filePath(name);
    QVERIFY(writeFile(target, "the original"));
    if (!breakSource)
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
    // The file changed on disk since it was read, now cut short at its very end: every
    // unit still splices, but the new text does not read back.
    if (breakSource)
        source.chop(3);
    const QStringList before = snapshot(dir.path());

    const DocumentSave::Outcome saved = DocumentSave::run(source, rows, target);
    QVERIFY(!saved.written);
    QCOMPARE(saved.packed.bytes.has_value(), !breakSource);
    QVERIFY(!(breakSource ? saved.packed.errorString : saved.writeError).isEmpty());
    QCOMPARE(snapshot(dir.path()), before);
}

void TestDocumentSave::savedFileIsTheCheckedOne_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("every target by the patterns") << u"crlf.xliff"_s;
    // Placing by position after the first read-back gives bytes other than those first
    // written: the file on disk must be the final one.
    QTest::newRow("targets placed after the read-back") << u"no-xml-space.xliff"_s;
}

void TestDocumentSave::savedFileIsTheCheckedOne()
{
    QFETCH(QString, fixture);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray source = shape(fixture);
    std::vector<UnitRecord> rows = readUnits(source);
    QVERIFY(!rows.empty());
    for (UnitRecord &row : rows)
        row.tget = u"訳 "_s + QString::number(row.port);
    const QString target = dir.filePath(u"doc.xliff"_s);
    QVERIFY(writeFile(target, source));

    const DocumentSave::Outcome saved = DocumentSave::run(source, rows, target);
    QVERIFY2(saved.written, qPrintable(saved.writeError));
    QVERIFY(saved.packed.unwritten.empty());
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), *saved.packed.bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"doc.xliff"_s});
    for (const UnitRecord &row : readUnits(*saved.packed.bytes))
        QCOMPARE(row.tget, u"訳 "_s + QString::number(row.port));
}

QTEST_GUILESS_MAIN(TestDocumentSave)
#include "tst_documentsave.moc"

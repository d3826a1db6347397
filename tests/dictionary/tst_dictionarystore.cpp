#include "dictionary/BuiltinDictionary.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ReplacementDictionary)

namespace {

const ReplacementDictionary kTricky{
    {u"Customize Toolbar\u2026"_s, u"ツールバーをカスタマイズ\u2026"_s},
    {u"\tDefault"_s, u"\tデフォルト"_s},
    {u"Quote \" and \\ and $1"_s, u"引用 \" \\ %@"_s},
    {u"Two\nlines"_s, u""_s},
    {u"untitled"_s, QString()},
    {u"Find"_s, u"検索"_s},
    {u"Find"_s, u"探す"_s},
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestDictionaryStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void storedFormatRoundTrip_data();
    void storedFormatRoundTrip();
    void storedFormatRejects_data();
    void storedFormatRejects();
    void jsonLinesRoundTrip();
    void jsonLinesShape();
    void jsonLinesErrors_data();
    void jsonLinesErrors();
    void jsonLinesFileMissing();
    void defaultLocationIsInTestMode();
    void missingFileIsNotAnError();
    void saveAndRestore();
    void corruptFileMovedAsideAndKept();
    void twoCorruptFilesKeepBothCopies();
    void unmovableCorruptFileIsNeverOverwritten();
    void unwritableLocationReported();
    void dictionaryInUse();

private:
    QTemporaryDir m_dir;
};

void TestDictionaryStore::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestDictionaryStore::storedFormatRoundTrip_data()
{
    QTest::addColumn<ReplacementDictionary>("entries");
    QTest::newRow("empty") << ReplacementDictionary{};
    QTest::newRow("tricky texts") << kTricky;
    QTest::newRow("built-in list") << BuiltinDictionary::entries();
}

void TestDictionaryStore::storedFormatRoundTrip()
{
    QFETCH(ReplacementDictionary, entries);
    const DictionaryParse parse = DictionaryFormat::fromJson(DictionaryFormat::toJson(entries));
    QVERIFY2(parse.ok(), qPrintable(parse.error));
    QCOMPARE(parse.entries, entries);
}

void TestDictionaryStore::storedFormatRejects_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("cut short") << R"({"format":"tarnwick-dictionary","version":1,"entries":[)"_ba;
    QTest::newRow("array root") << R"([{"srcs":"a","tget":"b"}])"_ba;
    QTest::newRow("other format") << R"({"format":"x","version":1,"entries":[]})"_ba;
    QTest::newRow("newer version")
        << R"({"format":"tarnwick-dictionary","version":2,"entries":[]})"_ba;
    QTest::newRow("no entries") << R"({"format":"tarnwick-dictionary","version":1})"_ba;
    QTest::newRow("entry without tget")
        << R"({"format":"tarnwick-dictionary","version":1,"entries":[{"srcs":"a"}]})"_ba;
    QTest::newRow("number target")
        << R"({"format":"tarnwick-dictionary","version":1,"entries":[{"srcs":"a","tget":1}]})"_ba;
    QTest::newRow("not UTF-8")
        << "{\"format\":\"tarnwick-dictionary\",\"version\":1,\"entries\":[{\"srcs\":\"\xff\","
           "\"tget\":\"\"}]}"_ba;
}

void TestDictionaryStore::storedFormatRejects()
{
    QFETCH(QByteArray, text);
    const DictionaryParse parse = DictionaryFormat::fromJson(text);
    QVERIFY(!parse.ok());
    QVERIFY(parse.entries.empty());
}

void TestDictionaryStore::jsonLinesRoundTrip()
{
    const QByteArray text = DictionaryFormat::toJsonLines(kTricky);
    QCOMPARE(text.count('\n'), qsizetype(kTricky.size()));
    const DictionaryParse parse = DictionaryFormat::fromJsonLines(text);
    QVERIFY2(parse.ok(), qPrintable(parse.error));
    QCOMPARE(parse.entries, kTricky);
}

void TestDictionaryStore::jsonLinesShape()
{
    QCOMPARE(DictionaryFormat::toJsonLines({{u"Edit"_s, u"編集"_s}}),
             "{\"srcs\":\"Edit\",\"tget\":\"編集\"}\n"_ba);

    // A byte order mark, CRLF line ends, blank lines and extra members are tolerated.
    const QByteArray text = "\xEF\xBB\xBF{\"srcs\":\"a\",\"tget\":\"b\"}\r\n\r\n"
                            "  {\"tget\":\"d\",\"srcs\":\"c\",\"note\":1}  \n"_ba;
    const DictionaryParse parse = DictionaryFormat::fromJsonLines(text);
    QVERIFY2(parse.ok(), qPrintable(parse.error));
    QCOMPARE(parse.entries, (ReplacementDictionary{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}));
}

void TestDictionaryStore::jsonLinesErrors_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    const QByteArray good = R"({"srcs":"a","tget":"b"})"_ba + '\n';
    QTest::newRow("broken JSON") << good + "\n{\"srcs\":\"a\",\n" << 3;
    QTest::newRow("array") << good + R"(["a","b"])"_ba << 2;
    QTest::newRow("missing tget") << R"({"srcs":"a"})"_ba << 1;
    QTest::newRow("null source") << good + good + R"({"srcs":null,"tget":"b"})"_ba << 3;
    QTest::newRow("two objects on a line") << good + R"({"srcs":"a","tget":"b"} {})"_ba << 2;
}

void TestDictionaryStore::jsonLinesErrors()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    const DictionaryParse parse = DictionaryFormat::fromJsonLines(text);
    QVERIFY(!parse.ok());
    QCOMPARE(parse.line, line);
    QVERIFY2(parse.error.contains(QString::number(line)), qPrintable(parse.error));
    QVERIFY(parse.entries.empty());
}

void TestDictionaryStore::jsonLinesFileMissing()
{
    const QString path = m_dir.filePath(u"absent.jsonl"_s);
    const DictionaryParse parse = DictionaryFormat::readJsonLinesFile(path);
    QVERIFY(!parse.ok());
    QVERIFY(parse.error.contains(path));
}

void TestDictionaryStore::defaultLocationIsInTestMode()
{
    const QString path = DictionaryStore::defaultFilePath();
    QVERIFY(path.endsWith(u"/dictionary.json"_s));
    QVERIFY2(path.contains(u".qttest"_s), qPrintable(path));
    QCOMPARE(DictionaryStore().filePath(), path);
}

void TestDictionaryStore::missingFileIsNotAnError()
{
    DictionaryStore store(m_dir.filePath(u"missing/dictionary.json"_s));
    const DictionaryLoad load = store.restore();
    QCOMPARE(load.status, DictionaryLoad::Status::Missing);
    QVERIFY(load.entries.empty());
    QVERIFY(store.canSave());
}

void TestDictionaryStore::saveAndRestore()
{
    const QString path = m_dir.filePath(u"roundtrip/dictionary.json"_s);
    {
        DictionaryStore store(path);
        QCOMPARE(store.save(kTricky), std::nullopt);
    }
    DictionaryStore store(path);
    DictionaryLoad load = store.restore();
    QCOMPARE(load.status, DictionaryLoad::Status::Loaded);
    QCOMPARE(load.entries, kTricky);

    // An emptied dictionary is stored as such.
    QCOMPARE(store.save({}), std::nullopt);
    load = store.restore();
    QCOMPARE(load.status, DictionaryLoad::Status::Loaded);
    QVERIFY(load.entries.empty());
    QCOMPARE(QDir(m_dir.filePath(u"roundtrip"_s)).entryList(QDir::Files).size(), 1);
}

void TestDictionaryStore::corruptFileMovedAsideAndKept()
{
    const QString folder = m_dir.filePath(u"corrupt"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/dictionary.json"_s;
    const QByteArray damaged = R"({"format":"tarnwick-dictionary","version":1,"entries":[{"sr)"_ba;
    QVERIFY(writeFile(path, damaged));

    DictionaryStore store(path);
    const DictionaryLoad load = store.restore();
    QCOMPARE(load.status, DictionaryLoad::Status::Unreadable);
    QVERIFY(!load.error.isEmpty());
    QVERIFY(load.entries.empty());
    QVERIFY(!load.movedTo.isEmpty());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(contents(load.movedTo), damaged);
    QVERIFY2(QFileInfo(load.movedTo).fileName().startsWith(u"dictionary-unreadable-"_s),
             qPrintable(load.movedTo));

    // Saving afterwards starts a new file and leaves the damaged copy alone.
    QVERIFY(store.canSave());
    QCOMPARE(store.save(BuiltinDictionary::entries()), std::nullopt);
    QCOMPARE(contents(load.movedTo), damaged);
    QCOMPARE(DictionaryStore(path).read().entries.size(), 124u);
}

void TestDictionaryStore::twoCorruptFilesKeepBothCopies()
{
    const QString folder = m_dir.filePath(u"twice"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/dictionary.json"_s;

    QVERIFY(writeFile(path, "first"_ba));
    const QString first = DictionaryStore(path).restore().movedTo;
    QVERIFY(writeFile(path, "second"_ba));
    const QString second = DictionaryStore(path).restore().movedTo;

    QVERIFY(!first.isEmpty() && !second.isEmpty());
    QVERIFY(first != second);
    QCOMPARE(contents(first), "first"_ba);
    QCOMPARE(contents(second), "second"_ba);
}

void TestDictionaryStore::unmovableCorruptFileIsNeverOverwritten()
{
    const QString folder = m_dir.filePath(u"locked"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/dictionary.json"_s;
    QVERIFY(writeFile(path, "damaged"_ba));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (QFileInfo(folder).isWritable() || QFile(folder + u"/probe"_s).open(QIODevice::WriteOnly))
        QSKIP("the folder stays writable for this user (root?)");

    DictionaryStore store(path);
    const DictionaryLoad load = store.restore();
    QCOMPARE(load.status, DictionaryLoad::Status::Unreadable);
    QVERIFY(load.movedTo.isEmpty());
    QVERIFY(!store.canSave());
}

void TestDictionaryStore::unwritableLocationReported()
{
    // A folder that cannot exist, because a plain file holds its name.
    const QString blocker = m_dir.filePath(u"blocker"_s);
    QVERIFY(writeFile(blocker, "x"_ba));
    DictionaryStore store(blocker + u"/sub/dictionary.json"_s);
    const auto error = store.save(kTricky);
    QVERIFY(error.has_value());
    QVERIFY(!error->isEmpty());

    DictionaryStore nowhere{QString()};
    QVERIFY(nowhere.save(kTricky).has_value());
}

void TestDictionaryStore::dictionaryInUse()
{
    const QString folder = m_dir.filePath(u"inuse"_s);
    const QString path = folder + u"/dictionary.json"_s;
    DictionaryStore store(path);
    QCOMPARE(store.readInUse().entries, BuiltinDictionary::entries());

    QCOMPARE(store.save({}), std::nullopt);
    QCOMPARE(store.readInUse().entries, BuiltinDictionary::entries());

    QCOMPARE(store.save(kTricky), std::nullopt);
    QCOMPARE(store.readInUse().entries, kTricky);

    QVERIFY(writeFile(path, "{"_ba));
    const DictionaryLoad broken = store.readInUse();
    QCOMPARE(broken.status, DictionaryLoad::Status::Unreadable);
    QVERIFY(broken.entries.empty());
    QCOMPARE(contents(path), "{"_ba);
}

QTEST_GUILESS_MAIN(TestDictionaryStore)
#include "tst_dictionarystore.moc"

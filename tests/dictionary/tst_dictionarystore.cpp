#include "hardening/TestFiles.h"
#include "hardening/Unprivileged.h"

#include "dictionary/BuiltinDictionary.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryStore.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const ReplacementDictionary kTricky{
    {u"Customize Toolbar\u2026"_s, u"ツールバーをカスタマイズ\u2026"_s},
    {u"\tDefault"_s, u"\tデフォルト"_s},
    {u"Quote \" and \\ and $1"_s, u"引用 \" \\ %@"_s},
    {u"Two\nlines"_s, u""_s},
    {u"untitled"_s, QString()},
    // Qt's JSON reader drops a U+FEFF that begins a string; both forms must keep it.
    {u"\uFEFFmarked"_s, u"\uFEFF"_s},
    {u"Find"_s, u"検索"_s},
    {u"Find"_s, u"探す"_s},
};

} // namespace

class TestDictionaryStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void jsonLinesShape();
    void rejects_data();
    void rejects();
    void jsonLinesFileMissing();
    void defaultLocationIsInTestMode();
    void saveAndRestore();
    void unreadableFileMovedAsideAndKept();
    void unmovableUnreadableFileIsNeverOverwritten();
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

void TestDictionaryStore::roundTrip_data()
{
    QTest::addColumn<bool>("lines");
    QTest::addColumn<ReplacementDictionary>("entries");
    QTest::newRow("stored, empty") << false << ReplacementDictionary{};
    QTest::newRow("stored, tricky texts") << false << kTricky;
    QTest::newRow("stored, built-in list") << false << BuiltinDictionary::entries();
    QTest::newRow("JSON Lines, tricky texts") << true << kTricky;
    QTest::newRow("JSON Lines, built-in list") << true << BuiltinDictionary::entries();
}

void TestDictionaryStore::roundTrip()
{
    QFETCH(bool, lines);
    QFETCH(ReplacementDictionary, entries);
    const QByteArray text =
        lines ? DictionaryFormat::toJsonLines(entries) : DictionaryFormat::toJson(entries);
    if (lines)
        QCOMPARE(text.count('\n'), qsizetype(entries.size()));
    const DictionaryParse parse =
        lines ? DictionaryFormat::fromJsonLines(text) : DictionaryFormat::fromJson(text);
    QVERIFY2(parse.ok(), qPrintable(parse.error));
    QCOMPARE(parse.entries, entries);
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

void TestDictionaryStore::rejects_data()
{
    QTest::addColumn<bool>("lines");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line"); ///< of the fault in JSON Lines; 0 for the stored file
    const auto stored = [](const char *name, const QByteArray &text) {
        QTest::newRow(name) << false << text << 0;
    };
    stored("empty file", {});
    stored("cut short", R"({"format":"tarnwick-dictionary","version":1,"entries":[)"_ba);
    stored("array root", R"([{"srcs":"a","tget":"b"}])"_ba);
    stored("other format", R"({"format":"x","version":1,"entries":[]})"_ba);
    stored("newer version", R"({"format":"tarnwick-dictionary","version":2,"entries":[]})"_ba);
    stored("no entries", R"({"format":"tarnwick-dictionary","version":1})"_ba);
    stored("entry without tget",
           R"({"format":"tarnwick-dictionary","version":1,"entries":[{"srcs":"a"}]})"_ba);
    stored("number target",
           R"({"format":"tarnwick-dictionary","version":1,"entries":[{"srcs":"a","tget":1}]})"_ba);
    stored("not UTF-8", "{\"format\":\"tarnwick-dictionary\",\"version\":1,\"entries\":[{"
                        "\"srcs\":\"\xff\",\"tget\":\"\"}]}"_ba);

    const QByteArray good = R"({"srcs":"a","tget":"b"})"_ba + '\n';
    QTest::newRow("lines: broken JSON") << true << good + "\n{\"srcs\":\"a\",\n" << 3;
    QTest::newRow("lines: array") << true << good + R"(["a","b"])"_ba << 2;
    QTest::newRow("lines: missing tget") << true << R"({"srcs":"a"})"_ba << 1;
    QTest::newRow("lines: null source")
        << true << good + good + R"({"srcs":null,"tget":"b"})"_ba << 3;
    QTest::newRow("lines: two objects on a line")
        << true << good + R"({"srcs":"a","tget":"b"} {})"_ba << 2;
}

void TestDictionaryStore::rejects()
{
    QFETCH(bool, lines);
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    const DictionaryParse parse =
        lines ? DictionaryFormat::fromJsonLines(text) : DictionaryFormat::fromJson(text);
    QVERIFY(!parse.ok());
    QVERIFY(parse.entries.empty());
    QCOMPARE(parse.line, line);
    if (line > 0)
        QVERIFY2(parse.error.contains(QString::number(line)), qPrintable(parse.error));
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

void TestDictionaryStore::saveAndRestore()
{
    const QString path = m_dir.filePath(u"roundtrip/dictionary.json"_s);
    DictionaryStore store(path);
    DictionaryLoad load = store.restore();
    QCOMPARE(load.status, DictionaryLoad::Status::Missing); // not an error
    QVERIFY(load.entries.empty());
    QVERIFY(store.canSave());

    QCOMPARE(store.save(kTricky), std::nullopt);
    load = DictionaryStore(path).restore();
    QCOMPARE(load.status, DictionaryLoad::Status::Loaded);
    QCOMPARE(load.entries, kTricky);

    // An emptied dictionary is stored as such.
    QCOMPARE(store.save({}), std::nullopt);
    load = store.restore();
    QCOMPARE(load.status, DictionaryLoad::Status::Loaded);
    QVERIFY(load.entries.empty());
    QCOMPARE(QDir(m_dir.filePath(u"roundtrip"_s)).entryList(QDir::Files).size(), 1);
}

void TestDictionaryStore::unreadableFileMovedAsideAndKept()
{
    const QString folder = m_dir.filePath(u"corrupt"_s);
    const QString path = folder + u"/dictionary.json"_s;
    QVERIFY(QDir().mkpath(folder));
    const QByteArray damaged = R"({"format":"tarnwick-dictionary","version":1,"entries":[{"sr)"_ba;
    QVERIFY(TestFiles::write(path, damaged));

    DictionaryStore store(path);
    const DictionaryLoad load = store.restore();
    QCOMPARE(load.status, DictionaryLoad::Status::Unreadable);
    QVERIFY(!load.error.isEmpty());
    QVERIFY(load.entries.empty());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(TestFiles::read(load.movedTo), damaged);
    QVERIFY2(QFileInfo(load.movedTo).fileName().startsWith(u"dictionary-unreadable-"_s),
             qPrintable(load.movedTo));

    // Saving afterwards starts a new file and leaves the damaged copy alone.
    QVERIFY(store.canSave());
    QCOMPARE(store.save(BuiltinDictionary::entries()), std::nullopt);
    QCOMPARE(TestFiles::read(load.movedTo), damaged);
    QCOMPARE(DictionaryStore(path).read().entries.size(), 124u);

    // Another damaged file is moved aside beside the first, not over it.
    QVERIFY(TestFiles::write(path, "second"_ba));
    const QString second = DictionaryStore(path).restore().movedTo;
    QVERIFY(second != load.movedTo);
    QCOMPARE(TestFiles::read(second), "second"_ba);
    QCOMPARE(TestFiles::read(load.movedTo), damaged);

    // A pipe in its place is refused at once, never waited on, and moved aside as it is.
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const DictionaryLoad pipe = DictionaryStore(path).restore();
    QCOMPARE(pipe.status, DictionaryLoad::Status::Unreadable);
    QCOMPARE(pipe.error, u"it is not a regular file"_s);
    QVERIFY(QFileInfo::exists(pipe.movedTo) && !QFileInfo(pipe.movedTo).isFile());
}

void TestDictionaryStore::unmovableUnreadableFileIsNeverOverwritten()
{
    const QString folder = m_dir.filePath(u"locked"_s);
    const QString path = folder + u"/dictionary.json"_s;
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(TestFiles::write(path, "damaged"_ba));
    QVERIFY(QFile::setPermissions(m_dir.path(), Unprivileged::reachable));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                              QFile::ExeGroup | QFile::ReadOther |
                                              QFile::ExeOther));
    DictionaryStore store(path);
    DictionaryLoad load;
    {
        const Unprivileged nobody;
        load = store.restore();
    }
    QVERIFY(QFile::setPermissions(folder, Unprivileged::reachable));

    QCOMPARE(load.status, DictionaryLoad::Status::Unreadable);
    QVERIFY(load.movedTo.isEmpty());
    // Even with the folder writable again, the store refuses to write over the file.
    QVERIFY(!store.canSave());
    QVERIFY(store.save(kTricky).has_value());
    QCOMPARE(TestFiles::read(path), "damaged"_ba);
}

void TestDictionaryStore::unwritableLocationReported()
{
    // A folder that cannot exist, because a plain file holds its name.
    const QString blocker = m_dir.filePath(u"blocker"_s);
    QVERIFY(TestFiles::write(blocker, "x"_ba));
    DictionaryStore store(blocker + u"/sub/dictionary.json"_s);
    const auto error = store.save(kTricky);
    QVERIFY(error.has_value());
    QVERIFY(!error->isEmpty());

    DictionaryStore nowhere{QString()};
    QVERIFY(nowhere.save(kTricky).has_value());
}

void TestDictionaryStore::dictionaryInUse()
{
    const QString path = m_dir.filePath(u"inuse/dictionary.json"_s);
    DictionaryStore store(path);
    QCOMPARE(store.readInUse().entries, BuiltinDictionary::entries());

    QCOMPARE(store.save({}), std::nullopt);
    QCOMPARE(store.readInUse().entries, BuiltinDictionary::entries());

    QCOMPARE(store.save(kTricky), std::nullopt);
    QCOMPARE(store.readInUse().entries, kTricky);

    QVERIFY(TestFiles::write(path, "{"_ba));
    const DictionaryLoad broken = store.readInUse();
    QCOMPARE(broken.status, DictionaryLoad::Status::Unreadable);
    QVERIFY(broken.entries.empty());
    QCOMPARE(TestFiles::read(path), "{"_ba);
}

QTEST_GUILESS_MAIN(TestDictionaryStore)
#include "tst_dictionarystore.moc"

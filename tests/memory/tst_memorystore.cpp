// The memory on disk: what adding keeps and replaces, filters, and a damaged database.
#include "memory/MemoryStore.h"
#include "memory/TranslationMemory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

MemoryEntry entry(const QString &source, const QString &target, const QString &language = u"ja"_s,
                  const QString &id = u"1"_s, const QString &project = u"Loop"_s)
{
    return {source, target, u"en"_s, language, u"Main.strings"_s, id, project, 1000, 0};
}

qsizetype countOf(MemoryStore &store, const MemoryFilter &filter = {})
{
    qsizetype count = 0;
    store.forEach(filter, [&count](MemoryEntry &&) { ++count; });
    return count;
}

} // namespace

class TestMemoryStore : public QObject
{
    Q_OBJECT

private slots:
    void addKeepsOnePerUnit();
    void remove_data();
    void remove();
    void damagedDatabase_data();
    void damagedDatabase();
    void lookupReadsWholeEntries();
    void distinctLookupLooksPastCopies();
    void searchAndRemoveEntries();
};

void TestMemoryStore::addKeepsOnePerUnit()
{
    QTemporaryDir dir;
    MemoryStore store(dir.filePath(u"sub/memory.sqlite"_s));
    QVERIFY2(store.open(), qPrintable(store.errorString()));
    auto counts =
        store.add({entry(u"Cancel"_s, u"取消"_s), entry(u"Open"_s, u"開く"_s, u"ja"_s, u"2"_s)});
    QVERIFY(counts);
    QCOMPARE(counts->added, 2);
    // The same unit translated anew replaces its entry; the same again changes nothing; an
    // entry without an id keeps each translation of its source.
    MemoryEntry tmx = entry(u"Cancel"_s, u"キャンセル"_s, u"ja"_s, QString());
    counts = store.add({entry(u"Cancel"_s, u"キャンセル"_s),
                        entry(u"Open"_s, u"開く"_s, u"ja"_s, u"2"_s), tmx, tmx});
    QVERIFY(counts);
    QCOMPARE(counts->added, 1);
    QCOMPARE(counts->updated, 1);
    QCOMPARE(counts->unchanged, 2);
    QStringList targets;
    store.forEach({}, [&targets](MemoryEntry &&e) { targets.append(e.target); });
    targets.sort();
    QCOMPARE(targets, (QStringList{u"キャンセル"_s, u"キャンセル"_s, u"開く"_s}));
}

void TestMemoryStore::remove_data()
{
    QTest::addColumn<QString>("sourceLanguage");
    QTest::addColumn<QString>("targetLanguage");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("removed");
    QTest::newRow("a language takes its regions")
        << u""_s << u"JA"_s << QString() << QString() << 3;
    QTest::newRow("a region only itself") << u""_s << u"ja_jp"_s << QString() << QString() << 1;
    QTest::newRow("pair") << u"en"_s << u"de"_s << QString() << QString() << 1;
    QTest::newRow("project") << QString() << QString() << u"Old"_s << QString() << 1;
    QTest::newRow("source") << QString() << QString() << QString() << u"Open"_s << 2;
    QTest::newRow("source in a pair") << QString() << u"ja"_s << QString() << u"Open"_s << 1;
}

void TestMemoryStore::remove()
{
    QFETCH(QString, sourceLanguage);
    QFETCH(QString, targetLanguage);
    QFETCH(QString, project);
    QFETCH(QString, source);
    QFETCH(int, removed);
    QTemporaryDir dir;
    MemoryStore store(dir.filePath(u"memory.sqlite"_s));
    QVERIFY(store.open());
    QVERIFY(store.add({entry(u"Cancel"_s, u"取消"_s), entry(u"Open"_s, u"開く"_s, u"ja"_s, u"2"_s),
                       entry(u"Save"_s, u"保存"_s, u"ja-JP"_s, u"3"_s, u"Old"_s),
                       entry(u"Open"_s, u"Öffnen"_s, u"de"_s, u"2"_s)}));
    MemoryFilter filter{sourceLanguage, targetLanguage,
                        project.isNull() ? std::nullopt : std::optional(project),
                        source.isNull() ? std::nullopt : std::optional(source)};
    QCOMPARE(store.remove(filter), std::optional<qsizetype>(removed));
    QCOMPARE(countOf(store), 4 - removed);
    QCOMPARE(countOf(store, filter), 0);
}

void TestMemoryStore::damagedDatabase_data()
{
    QTest::addColumn<QByteArray>("damage"); ///< "truncate" cuts a real database in half
    QTest::newRow("not a database") << QByteArray(8192, 'x');
    QTest::newRow("cut in half") << QByteArray("truncate");
}

void TestMemoryStore::damagedDatabase()
{
    QFETCH(QByteArray, damage);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"memory.sqlite"_s);
    if (damage == "truncate") {
        {
            MemoryStore store(path);
            QVERIFY(store.open());
            std::vector<MemoryEntry> many;
            for (int i = 0; i < 3000; ++i)
                many.push_back(
                    entry(u"Source text number %1"_s.arg(i), u"訳"_s, u"ja"_s, QString::number(i)));
            QVERIFY(store.add(many));
        }
        QFile file(path);
        QVERIFY(file.resize(file.size() / 2));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damage);
    }
    MemoryStore store(path);
    QVERIFY2(store.open(), qPrintable(store.errorString()));
    QVERIFY(store.notice().contains(u"moved"_s));
    const QStringList aside = QDir(dir.path()).entryList({u"memory.sqlite.damaged-*"_s});
    QVERIFY2(!aside.isEmpty(), qPrintable(QDir(dir.path()).entryList().join(u' ')));
    // The new memory works.
    QVERIFY(store.add({entry(u"Cancel"_s, u"取消"_s)}));
    QCOMPARE(countOf(store), 1);
}

void TestMemoryStore::lookupReadsWholeEntries()
{
    QTemporaryDir dir;
    MemoryStore store(dir.filePath(u"memory.sqlite"_s));
    QVERIFY(store.open());
    QVERIFY(
        store.add({entry(u"Cancel"_s, u"キャンセル"_s), entry(u"Cancel"_s, u"Annuler"_s, u"fr"_s),
                   entry(u"Cancels"_s, u"キャンセル済み"_s, u"ja-JP"_s, u"9"_s)}));
    TranslationMemory memory(store);
    const auto matches = memory.lookup(u"en-US"_s, {u"Cancel"_s, {}, {}, u"ja"_s, 70, 5});
    QVERIFY(matches);
    QCOMPARE(matches->size(), std::size_t(2));
    QCOMPARE(matches->at(0).score, 100);
    QCOMPARE(matches->at(0).entry.target, u"キャンセル"_s);
    QCOMPARE(matches->at(1).score, 85); // one edit in seven
    QCOMPARE(matches->at(1).entry.targetLanguage, u"ja-JP"_s);
    QCOMPARE(matches->at(1).entry.project, u"Loop"_s);

    // What another connection adds shows at the next lookup.
    MemoryStore other(store.path());
    QVERIFY(other.open());
    QVERIFY(other.add({entry(u"Cancel!"_s, u"キャンセル！"_s, u"ja"_s, u"10"_s)}));
    const auto again = memory.lookup(u"en"_s, {u"Cancel"_s, {}, {}, u"ja"_s, 70, 5});
    QVERIFY(again);
    QCOMPARE(again->size(), std::size_t(3));

    // Asked to stop (the window closing), a lookup reads no index and finds nothing; the
    // same memory reads it once the stop is lifted.
    std::atomic<bool> stop{true};
    TranslationMemory stopping(store, &stop);
    QVERIFY(!stopping.lookup(u"en"_s, {u"Cancel"_s, {}, {}, u"ja"_s, 70, 5}));
    stop = false;
    const auto resumed = stopping.lookup(u"en"_s, {u"Cancel"_s, {}, {}, u"ja"_s, 70, 5});
    QVERIFY(resumed);
    QCOMPARE(resumed->size(), std::size_t(3));
}

void TestMemoryStore::distinctLookupLooksPastCopies()
{
    // Thirty projects translated "Cancel" alike; the one other translation is older, so
    // every place of a plain lookup goes to a copy.
    QTemporaryDir dir;
    MemoryStore store(dir.filePath(u"memory.sqlite"_s));
    QVERIFY(store.open());
    std::vector<MemoryEntry> entries{entry(u"Cancel"_s, u"取消"_s, u"ja"_s, u"1"_s, u"Old"_s)};
    for (int project = 0; project < 30; ++project) {
        entries.push_back(
            entry(u"Cancel"_s, u"キャンセル"_s, u"ja"_s, u"1"_s, u"P%1"_s.arg(project)));
        entries.back().created = 2000 + project;
    }
    QVERIFY(store.add(entries));
    TranslationMemory memory(store);
    const auto plain = memory.lookup(u"en"_s, {u"Cancel"_s, {}, {}, u"ja"_s, 70, 5});
    QVERIFY(plain && plain->size() == 5);
    const auto distinct = memory.distinctLookup(u"en"_s, {u"Cancel"_s, {}, {}, u"ja"_s, 70, 5}, 5);
    QVERIFY(distinct);
    QCOMPARE(distinct->size(), std::size_t(2));
    QCOMPARE(distinct->at(0).entry.project, u"P29"_s); // the most recent copy
    QCOMPARE(distinct->at(1).entry.target, u"取消"_s);
}

void TestMemoryStore::searchAndRemoveEntries()
{
    QTemporaryDir dir;
    MemoryStore store(dir.filePath(u"memory.sqlite"_s));
    QVERIFY(store.open());
    QVERIFY(store.add({entry(u"Save As…"_s, u"別名で保存…"_s),
                       entry(u"Save"_s, u"保存"_s, u"ja"_s, u"2"_s),
                       entry(u"Open"_s, u"開く"_s, u"ja"_s, u"3"_s)}));
    // Two non-ASCII characters, and ASCII in another case.
    for (const auto &[text, expected] :
         {std::pair{u"保存"_s, 2}, {u"save as"_s, 1}, {u"xyz"_s, 0}}) {
        const auto found = store.search(text, 10);
        QVERIFY(found);
        QCOMPARE(int(found->size()), expected);
    }
    const auto found = store.search(u"保存"_s, 1);
    QCOMPARE(found->size(), std::size_t(1));
    QCOMPARE(store.removeEntries({found->front().rowId}), std::optional<qsizetype>(1));
    QCOMPARE(store.search(u"保存"_s, 10)->size(), std::size_t(1));
}

QTEST_GUILESS_MAIN(TestMemoryStore)
#include "tst_memorystore.moc"

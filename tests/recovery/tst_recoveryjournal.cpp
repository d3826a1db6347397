#include "hardening/TestFiles.h"
#include "hardening/Unprivileged.h"

#include "recovery/ExportBackup.h"
#include "recovery/RecoveryJournal.h"
#include "recovery/RecoveryMatch.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

JournalEntry edit(quint64 port, const QString &id, std::optional<QString> target)
{
    JournalEntry entry;
    entry.port = port;
    entry.from = u"App/en.lproj/Main.strings"_s;
    entry.name = id;
    entry.srcs = u"Source of "_s + id;
    entry.tget = std::move(target);
    entry.time = 1'800'000'000'000 + static_cast<qint64>(port);
    return entry;
}

UnitRecord unit(quint64 port, const QString &id)
{
    UnitRecord record;
    record.port = port;
    record.from = u"App/en.lproj/Main.strings"_s;
    record.name = id;
    record.srcs = u"Source of "_s + id;
    return record;
}

bool sameEdit(const JournalEntry &a, const JournalEntry &b)
{
    return a.port == b.port && a.from == b.from && a.name == b.name && a.srcs == b.srcs &&
           a.tget == b.tget && a.state == b.state && a.time == b.time;
}

} // namespace

class TestRecoveryJournal : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void entriesComeBackAsWritten();
    void cutLastEntryKeepsCompleteOnes();
    void damagedLineIsSkipped();
    void removeAndSetAside();
    void readsOnlyAJournal_data();
    void readsOnlyAJournal();
    void refusesWhatTypingRefuses();
    void match_data();
    void match();
    void unwritableFolderIsReported_data();
    void unwritableFolderIsReported();

private:
    QString folder(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecoveryJournal::entriesComeBackAsWritten()
{
    RecoveryJournal journal(folder(u"Recovery"_s));
    const QString document = folder(u"doc.xliff"_s);
    journal.begin(document, "abc123");
    std::vector<JournalEntry> written = {edit(0, u"a"_s, u"$1 \\ %@ & <b> \u00a0"_s),
                                         edit(1, u"b"_s, std::nullopt), edit(2, u"c"_s, u""_s)};
    written[1].state = u"needs-review-l10n"_s;
    written[2].tget = QString(QChar(0xFEFF)) + u"bom"_s;
    QVERIFY(!journal.append(written));
    QVERIFY(!journal.append(std::span(written).first(1)));

    const JournalContents read = RecoveryJournal::read(journal.pathFor(document));
    QCOMPARE(read.documentPath, QFileInfo(document).absoluteFilePath());
    QCOMPARE(read.documentHash, QByteArray("abc123"));
    QCOMPARE(read.damagedLines, 0);
    QCOMPARE(read.entries.size(), 4u);
    for (std::size_t i = 0; i < written.size(); ++i)
        QVERIFY2(sameEdit(read.entries[i], written[i]), qPrintable(QString::number(i)));
    QCOMPARE(read.lastEdit().toMSecsSinceEpoch(), written[2].time);
}

void TestRecoveryJournal::cutLastEntryKeepsCompleteOnes()
{
    RecoveryJournal journal(folder(u"Recovery"_s));
    const QString document = folder(u"doc.xliff"_s);
    journal.begin(document, "h");
    const std::vector<JournalEntry> complete = {edit(0, u"a"_s, u"一"_s), edit(1, u"b"_s, u"二"_s)};
    QVERIFY(!journal.append(complete));
    const QString path = journal.pathFor(document);
    const QByteArray before = TestFiles::read(path);
    QVERIFY(!journal.append(std::vector{edit(2, u"c"_s, u"三 \"quoted\""_s)}));
    const QByteArray whole = TestFiles::read(path);

    // A crash mid-append leaves any prefix of the last line; none of them may cost the
    // entries before it, and only the whole line counts as the third entry.
    for (qsizetype cut = before.size(); cut <= whole.size(); ++cut) {
        QVERIFY(TestFiles::write(path, whole.left(cut)));
        const JournalContents read = RecoveryJournal::read(path);
        const std::size_t expected = cut == whole.size() ? 3 : 2;
        QVERIFY2(read.entries.size() == expected, qPrintable(u"cut at %1"_s.arg(cut)));
        QVERIFY(sameEdit(read.entries[1], complete[1]));
        QCOMPARE(read.damagedLines, cut == before.size() || cut == whole.size() ? 0 : 1);
    }
}

void TestRecoveryJournal::damagedLineIsSkipped()
{
    const QString path = folder(u"damaged.journal"_s);
    const QByteArray text = "{\"journal\":1,\"document\":\"/d.xliff\",\"blake2b\":\"h\"}\n" +
                            RecoveryJournal::encode(edit(0, u"a"_s, u"A"_s)) +
                            QByteArray(40, '\0') + '\n' + "{\"port\":-1,\"id\":\"x\"}\n" +
                            "{\"port\":3,\"target\":7}\n" +
                            RecoveryJournal::encode(edit(1, u"b"_s, u"B"_s));
    QVERIFY(TestFiles::write(path, text));
    const JournalContents read = RecoveryJournal::read(path);
    QCOMPARE(read.entries.size(), 2u);
    QCOMPARE(read.entries[1].tget, u"B"_s);
    QCOMPARE(read.damagedLines, 3);
    QVERIFY(RecoveryJournal::read(folder(u"missing.journal"_s)).entries.empty());
}

void TestRecoveryJournal::removeAndSetAside()
{
    RecoveryJournal journal(folder(u"Recovery"_s));
    const QString document = folder(u"doc.xliff"_s);
    const QString path = journal.pathFor(document);
    journal.begin(document, "h");
    QVERIFY(!journal.append(std::vector{edit(0, u"a"_s, u"A"_s)}));
    QVERIFY(!journal.setAside(document, RecoveryJournal::Aside::Declined));
    QVERIFY(!QFileInfo::exists(path));
    const QStringList aside = QDir(journal.folder()).entryList(QDir::Files);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(RecoveryJournal::read(journal.folder() + u'/' + aside.first()).entries.size(), 1u);

    // Edits after declining go to a new journal; a save removes both.
    QVERIFY(!journal.append(std::vector{edit(1, u"b"_s, u"B"_s)}));
    QCOMPARE(RecoveryJournal::read(path).entries.size(), 1u);
    QVERIFY(!journal.remove());
    journal.removeAside(document);
    QVERIFY(QDir(journal.folder()).entryList(QDir::Files).isEmpty());
}

void TestRecoveryJournal::readsOnlyAJournal_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("readable");
    QTest::newRow("journal") << u"journal"_s << true;
    QTest::newRow("pipe") << u"pipe"_s << false;
    QTest::newRow("link to /dev/zero") << u"device"_s << false;
    QTest::newRow("oversized, sparse") << u"oversized"_s << false;
    QTest::newRow("folder") << u"folder"_s << false;
    QTest::newRow("no permission") << u"closed"_s << false;
}

void TestRecoveryJournal::readsOnlyAJournal()
{
    // Whatever stands at a journal's place, reading it neither waits nor reads without
    // end; what is not a journal is refused with a reason, and left as it was.
    QFETCH(QString, kind);
    QFETCH(bool, readable);
    QVERIFY(QFile::setPermissions(m_dir->path(), Unprivileged::reachable));
    const QString path = folder(u"x.journal"_s);
    const QByteArray journal = "{\"journal\":1,\"document\":\"/d.xliff\",\"blake2b\":\"h\"}\n" +
                               RecoveryJournal::encode(edit(0, u"a"_s, u"A"_s));
    const QByteArray native = QFile::encodeName(path);
    if (kind == u"pipe") {
        QCOMPARE(::mkfifo(native.constData(), 0666), 0);
    } else if (kind == u"device") {
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else {
        QVERIFY(TestFiles::write(path, journal));
        if (kind == u"oversized")
            QVERIFY(QFile(path).resize(RecoveryJournal::maxSize + 1));
        if (kind == u"closed")
            QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
    }
    const QFileInfo before(path);
    JournalContents contents;
    {
        const Unprivileged nobody;
        contents = RecoveryJournal::read(path);
    }
    QCOMPARE(contents.error.isEmpty(), readable);
    QCOMPARE(contents.entries.size(), readable ? 1u : 0u);
    const QFileInfo after(path);
    QVERIFY(after.exists() || after.isSymLink());
    QCOMPARE(after.size(), before.size());
    if (kind == u"journal" || kind == u"closed") {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(TestFiles::read(path), journal);
    }
}

void TestRecoveryJournal::refusesWhatTypingRefuses()
{
    // A control character in a target or state can only come from a damaged journal; that
    // entry is refused with its reason, and the others still match.
    JournalEntry control = edit(1, u"b"_s, u"B\u0001"_s);
    JournalEntry state = edit(2, u"c"_s, u"C"_s);
    state.state = u"translated\u0008"_s;
    const std::vector<JournalEntry> entries = {edit(0, u"a"_s, u"A"_s), control, state};
    const std::vector<UnitRecord> rows = {unit(0, u"a"_s), unit(1, u"b"_s), unit(2, u"c"_s)};
    const RecoveryMatch match = RecoveryMatch::of(entries, rows);
    QCOMPARE(match.count(), 3u);
    QCOMPARE(match.matched.size(), 1u);
    QCOMPARE(match.matched[0].entry.tget, u"A"_s);
    QCOMPARE(match.refused.size(), 2u);
    QVERIFY(match.refused[0].reason.contains(u"U+0001"_s));
    QVERIFY(match.refused[1].reason.contains(u"U+0008"_s));
}

void TestRecoveryJournal::match_data()
{
    QTest::addColumn<std::vector<UnitRecord>>("rows");
    QTest::addColumn<std::vector<std::size_t>>("matchedRows");
    QTest::addColumn<QStringList>("unmatchedIds");

    const std::vector<UnitRecord> same = {unit(0, u"a"_s), unit(1, u"b"_s), unit(2, u"c"_s)};
    QTest::newRow("unchanged file") << same << std::vector<std::size_t>{0, 1, 2} << QStringList();
    std::vector<UnitRecord> inserted = {unit(0, u"new"_s), unit(1, u"a"_s), unit(2, u"b"_s),
                                        unit(3, u"c"_s)};
    QTest::newRow("unit inserted before")
        << inserted << std::vector<std::size_t>{1, 2, 3} << QStringList();
    std::vector<UnitRecord> changed = same;
    changed[1].srcs = u"Another source"_s;
    changed.erase(changed.begin() + 2);
    QTest::newRow("source changed, unit gone")
        << changed << std::vector<std::size_t>{0} << QStringList{u"b"_s, u"c"_s};
    std::vector<UnitRecord> repeated = {unit(0, u"x"_s), unit(1, u"a"_s), unit(2, u"a"_s),
                                        unit(3, u"b"_s), unit(4, u"c"_s)};
    QTest::newRow("moved unit found twice")
        << repeated << std::vector<std::size_t>{3, 4} << QStringList{u"a"_s};
    std::vector<UnitRecord> otherFile = same;
    otherFile[2].from = u"App/en.lproj/Other.strings"_s;
    QTest::newRow("unit now in another file")
        << otherFile << std::vector<std::size_t>{0, 1} << QStringList{u"c"_s};
}

void TestRecoveryJournal::match()
{
    QFETCH(std::vector<UnitRecord>, rows);
    QFETCH(std::vector<std::size_t>, matchedRows);
    QFETCH(QStringList, unmatchedIds);

    // Three units edited, "a" twice: its newest text is the one restored.
    const std::vector<JournalEntry> entries = {edit(0, u"a"_s, u"old"_s), edit(1, u"b"_s, u"B"_s),
                                               edit(2, u"c"_s, std::nullopt),
                                               edit(0, u"a"_s, u"A"_s)};
    const RecoveryMatch match = RecoveryMatch::of(entries, rows);
    QCOMPARE(match.count(), 3u);
    std::vector<std::size_t> gotRows;
    for (const RecoveryMatch::Edit &edit : match.matched) {
        gotRows.push_back(edit.row);
        QCOMPARE(rows[edit.row].name, edit.entry.name);
        if (edit.entry.name == u"a"_s)
            QCOMPARE(edit.entry.tget, u"A"_s);
    }
    QCOMPARE(gotRows, matchedRows);
    QStringList gotIds;
    for (const JournalEntry &entry : match.unmatched)
        gotIds.append(entry.name.value_or(QString()));
    QCOMPARE(gotIds, unmatchedIds);
}

void TestRecoveryJournal::unwritableFolderIsReported_data()
{
    QTest::addColumn<QString>("folder");
    // A file where the folder should be can't be written even by root.
    QTest::newRow("a file in the way") << u"blocked"_s;
    QTest::newRow("below a file") << u"blocked/Recovery"_s;
    QTest::newRow("no data folder") << QString();
}

void TestRecoveryJournal::unwritableFolderIsReported()
{
    QFETCH(QString, folder);
    QVERIFY(TestFiles::write(m_dir->filePath(u"blocked"_s), "not a folder"));
    const QString path = folder.isEmpty() ? QString() : m_dir->filePath(folder);
    const QString document = m_dir->filePath(u"doc.xliff"_s);
    QVERIFY(TestFiles::write(document, "<xliff/>"));

    RecoveryJournal journal(path);
    journal.begin(document, "h");
    const std::optional<QString> failed = journal.append(std::vector{edit(0, u"a"_s, u"A"_s)});
    QVERIFY(failed && !failed->isEmpty());
    QVERIFY(!journal.remove());

    ExportBackup backup(path);
    const std::optional<QString> notCopied = backup.beforeSave(document);
    QVERIFY(notCopied && notCopied->contains(QDir::toNativeSeparators(document)));
    // Reported once; the saves after it go on without asking again.
    QVERIFY(!backup.beforeSave(document));
}

QTEST_GUILESS_MAIN(TestRecoveryJournal)
#include "tst_recoveryjournal.moc"

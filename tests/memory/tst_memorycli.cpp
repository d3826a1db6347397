// tarnwick-cli memory and pretranslate end to end, through the real executable: TMX that
// other tools wrote, our TMX read back by a strict parser, two writers at once, and the
// pre-translation's marks.
#include "cli/CliRun.h"
#include "document/DocumentTests.h"
#include "document/ExportText.h"
#include "hardening/TestFiles.h"
#include "memory/TmxReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString data = QStringLiteral(TARNWICK_TEST_DATA_MEMORY);

/// Runs `memory lookup` with `queries` as standard input; the matches of each line.
QList<QJsonArray> lookup(const QString &db, const QStringList &options, const QByteArray &queries)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(u"queries.jsonl"_s);
    TestFiles::write(input, queries);
    QProcess process;
    process.setStandardInputFile(input);
    process.start(QStringLiteral(TARNWICK_CLI),
                  QStringList{u"memory"_s, u"lookup"_s, u"--memory"_s, db} + options);
    process.waitForFinished(120000);
    QList<QJsonArray> matches;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            matches.append(QJsonDocument::fromJson(line).object().value(u"matches"_s).toArray());
    }
    return matches;
}

CliRun memory(const QString &db, const QStringList &arguments)
{
    return runCli(QStringList{u"memory"_s} + arguments + QStringList{u"--memory"_s, db});
}

} // namespace

class TestMemoryCli : public QObject
{
    Q_OBJECT

private slots:
    void importTmxOfOtherTools_data();
    void importTmxOfOtherTools();
    void exportReadsBack();
    void omegatReadsExport();
    void concurrentWriters();
    void deleteNeedsAFilter();
    void pretranslate_data();
    void pretranslate();
    void blanksTravel();
};

void TestMemoryCli::importTmxOfOtherTools_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("target");
    QTest::newRow("translate-toolkit's po2tmx")
        << u"translate-toolkit-ja.tmx"_s << u"4 added, 0 updated, 0 already in the memory"_s
        << u"Fish & <b>Chips</b>"_s << u"フィッシュ＆<b>チップス</b>"_s;
    QTest::newRow("OmegaT's project memory (TMX 1.1)")
        << u"omegat-ja.tmx"_s << u"3 added, 0 updated, 0 already in the memory"_s
        << u"Save the document?"_s << u"書類を保存しますか？"_s;
    QTest::newRow("OmegaT's level 2 (TMX 1.4)")
        << u"omegat-level2-ja.tmx"_s << u"3 added, 0 updated, 0 already in the memory"_s
        << u"Open “%@”…"_s << u"“%@”を開く…"_s;
    // Languages in any case, "*all*" as every variant a source, inline markup kept as text.
    QTest::newRow("inline markup and *all*")
        << u"hand-written-inline.tmx"_s
        << u"3 added, 0 updated, 0 already in the memory\n  skipped: 1 units without a variant "
           "in their source language, 1 units without a variant in another language, 1 "
           "variants without a language, 1 empty segments"_s
        << u"Delete %@?"_s << u"%@を削除しますか？"_s;
}

void TestMemoryCli::importTmxOfOtherTools()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString db = dir.filePath(u"memory.sqlite"_s);
    const CliRun run = memory(db, {u"import"_s, data + u'/' + file});
    QCOMPARE(run.exitCode, 0);
    QFETCH(QString, report);
    QVERIFY2(QString::fromUtf8(run.out).contains(report), run.out.constData());
    // Twice: nothing new.
    QVERIFY(memory(db, {u"import"_s, data + u'/' + file}).out.contains("0 added, 0 updated"));
    QFETCH(QString, query);
    const QByteArray line =
        QJsonDocument(QJsonObject{{u"srcs"_s, query}}).toJson(QJsonDocument::Compact) + '\n';
    const QList<QJsonArray> found = lookup(db, {u"--target-language"_s, u"JA_jp"_s}, line);
    QCOMPARE(found.size(), 1);
    QVERIFY(!found[0].isEmpty());
    QCOMPARE(found[0][0].toObject().value(u"score"_s).toInt(), 100);
    QTEST(found[0][0].toObject().value(u"tget"_s).toString(), "target");
}

void TestMemoryCli::exportReadsBack()
{
    QTemporaryDir dir;
    const QString db = dir.filePath(u"memory.sqlite"_s);
    QCOMPARE(memory(db, {u"import"_s, data + u"/hand-written-inline.tmx"_s,
                         data + u"/translate-toolkit-ja.tmx"_s})
                 .exitCode,
             0);
    const QString tmx = dir.filePath(u"out.tmx"_s);
    const CliRun run = memory(db, {u"export"_s, u"-o"_s, tmx, u"--source-language"_s, u"en"_s});
    QCOMPARE(run.exitCode, 0);
    const QByteArray bytes = TestFiles::read(tmx);
    // Our own reader gives back every entry, control of the round trip.
    const TmxReader::Result read = TmxReader::read(bytes, u"x"_s, 0);
    QVERIFY(read.complete);
    QCOMPARE(read.entries.size(), std::size_t(6));
    const auto bold = std::find_if(read.entries.begin(), read.entries.end(),
                                   [](const MemoryEntry &e) { return e.unitId == u"bold-save"; });
    QVERIFY(bold != read.entries.end());
    QCOMPARE(bold->original, u"Main.strings"_s);
    QCOMPARE(bold->created, TmxReader::parseDate(u"20240102T030405Z").value());
    QCOMPARE(bold->targetLanguage, u"ja-JP"_s);

    // A strict parser and translate-toolkit's reader, where this machine has them.
    const QString python = QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s});
    if (python.isEmpty())
        QSKIP("no /usr/bin/python3 to read the export");
    QProcess check;
    check.start(python, {u"-c"_s, uR"(import sys, xml.etree.ElementTree as E
root = E.parse(sys.argv[1]).getroot()
assert root.tag == 'tmx' and root.get('version') == '1.4'
header = root.find('header')
for a in ('creationtool', 'creationtoolversion', 'segtype', 'o-tmf', 'adminlang', 'srclang', 'datatype'):
    assert header.get(a), a
import re
for tu in root.iter('tu'):
    assert re.fullmatch(r'\d{8}T\d{6}Z', tu.get('creationdate')), tu.get('creationdate')
    assert len(tu.findall('tuv')) == 2
try:
    from translate.storage import tmx
except ImportError:
    print(len(root.findall('body/tu')))
    sys.exit(0)
units = tmx.tmxfile.parsefile(sys.argv[1]).units
print(len(units), units[0].source)
)"_s,
                         tmx});
    QVERIFY(check.waitForFinished(60000));
    QVERIFY2(check.exitCode() == 0, check.readAllStandardError().constData());
    QVERIFY2(check.readAllStandardOutput().startsWith("6"), "six units");
}

void TestMemoryCli::omegatReadsExport()
{
    // OmegaT fills a project's text from our export put among its automatic memories.
    const QString omegat = QStandardPaths::findExecutable(u"omegat"_s);
    if (omegat.isEmpty())
        QSKIP("OmegaT is not installed");
    QTemporaryDir dir;
    const QString db = dir.filePath(u"memory.sqlite"_s);
    QCOMPARE(memory(db, {u"import"_s, data + u"/translate-toolkit-ja.tmx"_s}).exitCode, 0);
    const QString project = dir.filePath(u"project"_s);
    for (const char *folder : {"source", "target", "tm/auto", "omegat", "glossary", "dictionary"})
        QVERIFY(QDir().mkpath(project + u'/' + QString::fromUtf8(folder)));
    QCOMPARE(memory(db, {u"export"_s, u"-o"_s, project + u"/tm/auto/ours.tmx"_s}).exitCode, 0);
    QVERIFY(TestFiles::write(project + u"/source/app.txt"_s, "Cancel\n\nFish & <b>Chips</b>\n"));
    QVERIFY(
        TestFiles::write(project + u"/omegat.project"_s, R"(<?xml version="1.0" encoding="UTF-8"?>
<omegat><project version="1.0"><source_dir>__DEFAULT__</source_dir><target_dir>__DEFAULT__</target_dir>
<tm_dir>__DEFAULT__</tm_dir><glossary_dir>__DEFAULT__</glossary_dir><glossary_file>__DEFAULT__</glossary_file>
<dictionary_dir>__DEFAULT__</dictionary_dir><source_lang>EN-US</source_lang><target_lang>JA</target_lang>
<source_tok>org.omegat.tokenizer.LuceneEnglishTokenizer</source_tok>
<target_tok>org.omegat.tokenizer.LuceneJapaneseTokenizer</target_tok><sentence_seg>false</sentence_seg>
<support_default_translations>true</support_default_translations><remove_tags>false</remove_tags>
</project></omegat>
)"));
    QProcess run;
    run.setWorkingDirectory(project);
    run.start(omegat, {project, u"--mode=console-translate"_s});
    QVERIFY(run.waitForFinished(300000));
    QCOMPARE(QString::fromUtf8(TestFiles::read(project + u"/target/app.txt"_s)),
             u"キャンセル\n\nフィッシュ＆<b>チップス</b>\n"_s);
}

void TestMemoryCli::concurrentWriters()
{
    // Two imports at once into one memory, each of many small transactions' worth: every
    // entry of both lands.
    QTemporaryDir dir;
    const QString db = dir.filePath(u"memory.sqlite"_s);
    QStringList files;
    for (int writer = 0; writer < 2; ++writer) {
        QStringList units{u"f%1.strings"_s.arg(writer)};
        for (int i = 0; i < 2000; ++i)
            units.append(u"u%2|Text %2 of %1|<target>訳 %2</target>"_s.arg(writer).arg(i));
        const QString path = dir.filePath(u"w%1.xliff"_s.arg(writer));
        QVERIFY(TestFiles::write(path, exportText({units.join(u'#')}, u"ja"_s)));
        files.append(path);
    }
    QProcess first;
    QProcess second;
    const QList<QProcess *> processes{&first, &second};
    for (int writer = 0; writer < 2; ++writer) {
        QStringList arguments{u"memory"_s, u"import"_s, u"--memory"_s, db};
        for (int round = 0; round < 5; ++round)
            arguments.append(files[writer]);
        processes[writer]->start(QStringLiteral(TARNWICK_CLI), arguments);
    }
    for (QProcess *process : processes) {
        QVERIFY(process->waitForFinished(120000));
        QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
    }
    const CliRun stats = memory(db, {u"stats"_s});
    QVERIFY2(stats.out.contains("en\tja\t4000"), stats.out.constData());
}

void TestMemoryCli::deleteNeedsAFilter()
{
    QTemporaryDir dir;
    const QString db = dir.filePath(u"memory.sqlite"_s);
    QCOMPARE(memory(db, {u"import"_s, data + u"/translate-toolkit-ja.tmx"_s}).exitCode, 0);
    QCOMPARE(memory(db, {u"delete"_s}).exitCode, 2);
    const CliRun removed = memory(db, {u"delete"_s, u"--source"_s, u"Cancel"_s});
    QCOMPARE(removed.exitCode, 0);
    QVERIFY2(removed.out.contains("1 entry deleted"), removed.out.constData());
    QVERIFY(memory(db, {u"stats"_s}).out.contains("en\tja\t3"));
    QVERIFY(memory(db, {u"delete"_s, u"--all"_s}).out.contains("3 entries deleted"));
}

void TestMemoryCli::pretranslate_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QStringList>("unwritten");
    QTest::newRow("exact only, marked for review")
        << QStringList{} << u"1 exact, 0 fuzzy, 2 not found"_s
        << QStringList{u"<target state=\"needs-review-l10n\">キャンセル</target>"_s}
        << QStringList{u"チップス"_s, u"行"_s};
    QTest::newRow("fuzzy from 80")
        << QStringList{u"--min"_s, u"80"_s} << u"1 exact, 1 fuzzy, 1 not found"_s
        << QStringList{u"<target state=\"needs-review-l10n\">キャンセル</target>"_s,
                       u"<target state=\"needs-review-l10n\">フィッシュ＆&lt;b&gt;チップス&lt;/b&gt;</target>"_s}
        << QStringList{u"行"_s};
    QTest::newRow("exact as translated")
        << QStringList{u"--exact-as-translated"_s} << u"1 exact, 0 fuzzy, 2 not found"_s
        << QStringList{u"<target state=\"translated\">キャンセル</target>"_s} << QStringList{};
}

void TestMemoryCli::pretranslate()
{
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    const QString db = dir.filePath(u"memory.sqlite"_s);
    QCOMPARE(memory(db, {u"import"_s, data + u"/translate-toolkit-ja.tmx"_s}).exitCode, 0);
    // Xcode 15's untranslated units: the source copied into a target marked new; "Done" is
    // translated already and stays as it is.
    const QByteArray document = exportText(
        {u"Main.strings#c|Cancel|<target state=\"new\">Cancel</target>#f|Fish &amp; "
         u"&lt;b&gt;Chip&lt;/b&gt;|"
         "<target state=\"new\">Fish &amp; &lt;b&gt;Chip&lt;/b&gt;</target>#t|Three lines|-#"
         "d|Done|<target state=\"translated\">完了</target>"_s},
        u"ja"_s);
    const QString path = dir.filePath(u"ja.xliff"_s);
    QVERIFY(TestFiles::write(path, document));
    const QString out = dir.filePath(u"out.xliff"_s);
    const CliRun run =
        runCli(QStringList{u"pretranslate"_s, path, u"-o"_s, out, u"--memory"_s, db} + options);
    QCOMPARE(run.exitCode, 0);
    QFETCH(QString, counts);
    QVERIFY2(run.err.contains(counts), qPrintable(run.err));
    QCOMPARE(TestFiles::read(path), document);
    const QString result = QString::fromUtf8(TestFiles::read(out));
    QFETCH(QStringList, unwritten);
    QFETCH(QStringList, written);
    for (const QString &target : written)
        QVERIFY2(result.contains(target), qPrintable(result));
    QVERIFY(result.contains(u"<target state=\"translated\">完了</target>"_s));
    for (const QString &target : unwritten)
        QVERIFY2(!result.contains(target), qPrintable(result));
}

void TestMemoryCli::blanksTravel()
{
    // A target's blanks, as the file holds them, go into the memory and come back out.
    QTemporaryDir dir;
    const QString db = dir.filePath(u"memory.sqlite"_s);
    const QString earlier = dir.filePath(u"earlier.xliff"_s);
    QVERIFY(TestFiles::write(
        earlier, exportText({u"Main.strings#s|Saving… |<target state=\"translated\">保存中… </target>"_s},
                            u"ja"_s)));
    QCOMPARE(memory(db, {u"import"_s, earlier}).exitCode, 0);
    const QString path = dir.filePath(u"ja.xliff"_s);
    QVERIFY(TestFiles::write(path, exportText({u"Main.strings#s|Saving… |-"_s}, u"ja"_s)));
    const QString out = dir.filePath(u"out.xliff"_s);
    QCOMPARE(runCli({u"pretranslate"_s, path, u"-o"_s, out, u"--memory"_s, db}).exitCode, 0);
    const QString result = QString::fromUtf8(TestFiles::read(out));
    QVERIFY2(result.contains(u"<target state=\"needs-review-l10n\">保存中… </target>"_s),
             qPrintable(result));
}

QTEST_GUILESS_MAIN(TestMemoryCli)
#include "tst_memorycli.moc"

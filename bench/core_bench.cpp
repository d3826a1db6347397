// In-process benchmarks of the core on generated exports: parse, splice, checks, and the
// bare expat parse that bounds them from below.
#include "ExportGenerator.h"
#include "checks/CheckEngine.h"
#include "dictionary/BuiltinDictionary.h"
#include "dictionary/ReplacementPass.h"
#include "xliff/DocumentCut.h"
#include "xliff/ExpatParser.h"
#include "xliff/ParseState.h"
#include "recovery/RecoveryJournal.h"
#include "recovery/RecoveryMatch.h"
#include "splice/SpliceVerifier.h"
#include "xliff/XliffReader.h"
#include "splice/XliffWriter.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

/// An interface export, or with `strings` a strings-table export (40 files, one unit in
/// ten untranslated, escaped markup in ids and notes).
QByteArray exportOf(qsizetype units, bool strings = false)
{
    ExportGenerator::Options options;
    options.units = units;
    if (strings) {
        options.files = 40;
        options.untranslatedPercent = 10;
        options.markup = true;
    }
    return ExportGenerator::generate(options);
}

std::vector<UnitRecord> rowsOf(const QByteArray &bytes)
{
    ParseState parse;
    return XliffReader(parse).read(bytes).units;
}

class NoHandler final : public ExpatParser::Handler
{
public:
    void startElement(const char *, const char **) override {}
    void endElement(const char *) override {}
    void characters(const char *, int) override {}
};

void bareParse(benchmark::State &state)
{
    const QByteArray bytes = exportOf(state.range(0), state.range(1) != 0);
    for (auto _ : state) {
        NoHandler handler;
        ExpatParser parser(handler);
        benchmark::DoNotOptimize(parser.parse(bytes));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

/// Finding where to cut a file for a parse in two parts, which precedes the second part.
void documentCut(benchmark::State &state)
{
    const QByteArray bytes = exportOf(state.range(0), state.range(1) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(DocumentCut::find(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void read(benchmark::State &state)
{
    const QByteArray bytes = exportOf(state.range(0), state.range(1) != 0);
    for (auto _ : state) {
        ParseState parse;
        benchmark::DoNotOptimize(XliffReader(parse).read(bytes));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void spliceEveryTarget(benchmark::State &state)
{
    const QByteArray bytes = exportOf(state.range(0), state.range(1) != 0);
    std::vector<UnitRecord> rows = rowsOf(bytes);
    for (UnitRecord &row : rows)
        row.tget = QStringLiteral("訳 %1 & <x>").arg(row.port);
    for (auto _ : state)
        benchmark::DoNotOptimize(XliffWriter::splice(bytes, rows));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

/// The read-back alone: the check every save makes of the file it is about to write.
void readBack(benchmark::State &state)
{
    const QByteArray bytes = exportOf(state.range(0), state.range(1) != 0);
    const std::vector<UnitRecord> rows = rowsOf(bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(SpliceVerifier::verify(bytes, rows));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void replacementPass(benchmark::State &state)
{
    const std::vector<UnitRecord> rows = rowsOf(exportOf(state.range(0)));
    const ReplacementDictionary dictionary = BuiltinDictionary::entries();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReplacementPass::run(rows, dictionary));
}

JournalEntry journalEntryOf(const UnitRecord &row)
{
    return {row.port,
            row.from,
            row.name,
            row.srcs,
            row.tget,
            row.state,
            QDateTime::currentMSecsSinceEpoch()};
}

/// What typing one target costs the recovery journal: one line appended and synced to disk.
/// The journal lives below the working folder, on the disk a data folder would be on.
void journalAppend(benchmark::State &state)
{
    std::vector<UnitRecord> rows = rowsOf(exportOf(state.range(0)));
    QTemporaryDir folder(QDir::current().filePath(u"journal-bench-XXXXXX"_s));
    RecoveryJournal journal(folder.path());
    journal.begin(folder.filePath(u"export.xliff"_s), RecoveryJournal::hashOf("bytes"));
    std::size_t row = 0;
    for (auto _ : state) {
        UnitRecord &unit = rows[row++ % rows.size()];
        unit.tget = u"訳 %1"_s.arg(unit.port);
        const JournalEntry entry = journalEntryOf(unit);
        if (journal.append(std::span(&entry, 1)))
            state.SkipWithError("append failed");
    }
}

/// Restoring after a crash that followed an edit of every unit: read the journal back and
/// match its edits to the units.
void journalRestore(benchmark::State &state)
{
    std::vector<UnitRecord> rows = rowsOf(exportOf(state.range(0)));
    QTemporaryDir folder(QDir::current().filePath(u"journal-bench-XXXXXX"_s));
    RecoveryJournal journal(folder.path());
    const QString document = folder.filePath(u"export.xliff"_s);
    journal.begin(document, RecoveryJournal::hashOf("bytes"));
    std::vector<JournalEntry> entries;
    for (UnitRecord &unit : rows) {
        unit.tget = u"訳 %1"_s.arg(unit.port);
        entries.push_back(journalEntryOf(unit));
    }
    if (journal.append(entries))
        state.SkipWithError("append failed");
    for (auto _ : state) {
        const JournalContents contents = RecoveryJournal::read(journal.pathFor(document));
        benchmark::DoNotOptimize(RecoveryMatch::of(contents.entries, rows));
    }
}

/// The hash a load, a save and each change on disk take of the document's bytes.
void documentHash(benchmark::State &state)
{
    const QByteArray bytes = exportOf(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(RecoveryJournal::hashOf(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

/// Every check over a read export: it must cost less than `read` of the same export.
void checkAll(benchmark::State &state)
{
    ParseState parse;
    const ReadResult read = XliffReader(parse).read(exportOf(state.range(0)));
    const CheckEngine engine(read.files);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.check(read.units));
}

/// One unit whose source and target repeat a piece `n` times: the shapes that once made the
/// checks quadratic in a unit's length. The fitted complexity must stay O(N): 100,000
/// specifiers or 1,000,000 `<` are checked in well under a second.
void longUnit(benchmark::State &state, QString piece)
{
    const qsizetype n = state.range(0);
    UnitRecord unit;
    unit.srcs = piece.repeated(n);
    unit.tget = piece.repeated(n) + u"x"_s;
    unit.file = 0;
    const CheckEngine engine({FileHeader{{}, u"en"_s, u"ja"_s}});
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.checkUnit(unit, 0));
    state.SetComplexityN(n);
}

} // namespace

BENCHMARK_CAPTURE(longUnit, specifiers, u"%1$@ "_s)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(longUnit, angleBrackets, u"<"_s)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(longUnit, tags, u"<b>a</b>"_s)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// Sizes, then the shape: 0 an interface export, 1 a strings table.
const std::vector<std::vector<int64_t>> shapes{{1000, 10000, 50000, 200000}, {0, 1}};

BENCHMARK(documentHash)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(journalAppend)->Arg(200000)->Unit(benchmark::kMicrosecond);
BENCHMARK(journalRestore)->Arg(10000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(checkAll)->Arg(1000)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(replacementPass)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(bareParse)->ArgsProduct(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK(documentCut)->ArgsProduct(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK(read)->ArgsProduct(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK(readBack)->ArgsProduct(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK(spliceEveryTarget)->ArgsProduct(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

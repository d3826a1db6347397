// In-process benchmarks of the core on generated exports: parse, splice, checks, and the
// bare expat parse that bounds them from below.
#include "ExportGenerator.h"
#include "checks/CheckEngine.h"
#include "dictionary/BuiltinDictionary.h"
#include "dictionary/ReplacementPass.h"
#include "document/ExpatParser.h"
#include "document/ParseState.h"
#include "document/SpliceVerifier.h"
#include "document/XliffReader.h"
#include "document/XliffWriter.h"

#include <benchmark/benchmark.h>

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

/// Every check over a read export: it must cost less than `read` of the same export.
void checkAll(benchmark::State &state)
{
    ParseState parse;
    const ReadResult read = XliffReader(parse).read(exportOf(state.range(0)));
    const CheckEngine engine(read.files);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.check(read.units));
}

} // namespace

// Sizes, then the shape: 0 an interface export, 1 a strings table.
const std::vector<std::vector<int64_t>> shapes{{1000, 10000, 50000, 200000}, {0, 1}};

BENCHMARK(checkAll)->Arg(1000)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(replacementPass)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(bareParse)->ArgsProduct(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK(read)->ArgsProduct(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK(readBack)->ArgsProduct(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK(spliceEveryTarget)->ArgsProduct(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

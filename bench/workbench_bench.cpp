// The window's filter on a large export: what one keystroke in the find field costs, and
// what choosing a status costs, with the table's proxy over every unit of the document.
#include "ExportGenerator.h"
#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitTableModel.h"
#include "xliff/ParseState.h"
#include "xliff/XliffReader.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

struct Document
{
    UnitTableModel units;
    UnitFilterProxy shown{units};

    explicit Document(qsizetype count)
    {
        ExportGenerator::Options options;
        options.units = count;
        ParseState parse;
        ReadResult read = XliffReader(parse).read(ExportGenerator::generate(options));
        units.setRows(std::move(read.units), std::move(read.files));
    }
};

/// Typing one more letter, then taking it back: each pass refilters every unit.
void refilterOnKeystroke(benchmark::State &state)
{
    Document document(state.range(0));
    UnitFilter filter;
    const QString typed[] = {QStringLiteral("delet"), QStringLiteral("delete")};
    int next = 0;
    for (auto _ : state) {
        filter.text = typed[next];
        next ^= 1;
        document.shown.setFilter(filter);
        benchmark::DoNotOptimize(document.shown.rowCount());
    }
    state.counters["shown"] = document.shown.rowCount();
}

/// Choosing Untranslated, then All again.
void refilterOnStatus(benchmark::State &state)
{
    Document document(state.range(0));
    UnitFilter filter;
    bool untranslated = false;
    for (auto _ : state) {
        untranslated = !untranslated;
        filter.status = untranslated ? UnitFilter::Status::Untranslated : UnitFilter::Status::All;
        document.shown.setFilter(filter);
        benchmark::DoNotOptimize(document.shown.rowCount());
    }
}

} // namespace

BENCHMARK(refilterOnKeystroke)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(refilterOnStatus)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

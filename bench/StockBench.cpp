// SPDX-License-Identifier: MIT
// Opening "Select Label Format" reads every catalogue and the imported
// templates (about 1,700 stocks with glabels-data installed); the goal is
// well under 200 ms per opening.
#include "model/stock/StockCatalogue.h"
#include "model/stock/TemplateImport.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

// The whole catalogue as the dialog loads it, the templates from the cache.
static void BM_OpenCatalogue(benchmark::State& state) {
    (void)zp::ImportedTemplateStocks(); // the first opening reads the files
    int formats = 0;
    for (auto _ : state) {
        zp::TZpLabelCatalogue catalogue;
        zp::LoadInstalledCatalogue(catalogue);
        formats = 0;
        for (const auto& m : catalogue)
            formats += m.FormatCount();
        benchmark::DoNotOptimize(formats);
    }
    state.counters["stocks"] = formats;
}
BENCHMARK(BM_OpenCatalogue)->Unit(benchmark::kMillisecond);

// The first opening of a run: the template files parsed.
static void BM_ReadTemplateFiles(benchmark::State& state) {
    int stocks = 0;
    for (auto _ : state) {
        const zp::TZpTemplateStocks read = zp::ReadTemplateFolders(zp::TemplateImportFolders());
        stocks = read.Count();
        benchmark::DoNotOptimize(stocks);
    }
    state.counters["stocks"] = stocks;
}
BENCHMARK(BM_ReadTemplateFiles)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// SPDX-License-Identifier: MIT
#include "base/ValueStream.h"

#include <QBuffer>
#include <benchmark/benchmark.h>

// Tagged integer writing, the innermost loop of saving a label.
static void BM_WriteIntegers(benchmark::State& state) {
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        zp::TZpWriter writer(buffer);
        for (int i = 0; i < 1000; ++i)
            writer.WriteInteger(i * 37);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_WriteIntegers);

BENCHMARK_MAIN();

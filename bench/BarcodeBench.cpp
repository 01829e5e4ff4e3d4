// SPDX-License-Identifier: MIT
// Bar code engine throughput per symbology: preparing, validating, encoding
// and measuring typical data, and drawing onto an image and into a picture.
// BM_VersusReference encodes the same data with a reference encoder library
// in the same run and reports our time over its time ("ratio"); the goal is a
// ratio below 1.
#include "barcode/Barcode.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <benchmark/benchmark.h>
#include <chrono>
#include <zint.h>

namespace {

struct TSample {
    const char* Data;
    int Reference;             // the reference library's symbology
    const char* ReferenceData; // the same symbol in its input form
    bool CheckDigit = false;
};

// Typical data of every type code, in type-code order.
const TSample kSamples[zp::kBarcodeTypeCount] = {
    {"ABC-1234", BARCODE_CODE39, "ABC-1234"},
    {"Order 42/b", BARCODE_EXCODE39, "Order 42/b"},
    {"Hello 12345678", BARCODE_CODE128, "Hello 12345678"},
    {"0000012345555555555", BARCODE_GS1_128, "[00]000123455555555558", true},
    {"03600029145", BARCODE_UPCA, "03600029145"},
    {"425261", BARCODE_UPCE, "0425261"},
    {"425261", BARCODE_UPCE, "1425261"},
    {"400638133393", BARCODE_EANX, "400638133393"},
    {"5512345", BARCODE_EANX, "5512345"},
    {"030640615", BARCODE_ISBNX, "0306406152"},
    {"1234567890", BARCODE_C25INTER, "1234567890"},
    {"31117013206375", BARCODE_CODABAR, "A31117013206375A"},
    {"1234567890123", BARCODE_CODABAR, "A12345678901237A"},
    {"1234567", BARCODE_MSI_PLESSEY, "1234567"},
    {"123456789", BARCODE_MSI_PLESSEY, "123456789"},
    {"TEST93 abc", BARCODE_CODE93, "TEST93 abc"},
    {"123-45", BARCODE_CODE11, "123-45"},
    {"12345-6789", BARCODE_POSTNET, "123456789"},
    {"A", BARCODE_FIM, "A"},
    {"1234567890123", BARCODE_ITF14, "1234567890123"},
};

zp::TBarcodeOptions Options(int code) {
    zp::TBarcodeOptions o;
    o.Symbology = static_cast<uint8_t>(code);
    o.Density = 4;
    o.Height = 200;
    o.WideToNarrow = 3.0f;
    o.CheckDigit = kSamples[code].CheckDigit;
    o.ShowHumanReadable = true;
    o.Descenders = true;
    o.ShowNumberSystem = true;
    o.ShowCheckDigit = true;
    return o;
}

void Label(benchmark::State& state) {
    state.SetLabel(zp::BarcodeTypeNames[state.range(0)]);
}

void BM_Prepare(benchmark::State& state) {
    const zp::TBarcodeOptions o = Options(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zp::PrepareBarcodeData(kSamples[o.Symbology].Data, o));
    state.SetItemsProcessed(state.iterations());
    Label(state);
}

void BM_Validate(benchmark::State& state) {
    const zp::TBarcodeOptions o = Options(static_cast<int>(state.range(0)));
    const std::string prepared = zp::PrepareBarcodeData(kSamples[o.Symbology].Data, o);
    for (auto _ : state)
        benchmark::DoNotOptimize(zp::ValidateBarcodeData(o, prepared, false));
    state.SetItemsProcessed(state.iterations());
    Label(state);
}

void BM_Encode(benchmark::State& state) {
    const zp::TBarcodeOptions o = Options(static_cast<int>(state.range(0)));
    const std::string prepared = zp::PrepareBarcodeData(kSamples[o.Symbology].Data, o);
    for (auto _ : state)
        benchmark::DoNotOptimize(zp::EncodeBarcode(prepared, o));
    state.SetItemsProcessed(state.iterations());
    Label(state);
}

void BM_Width(benchmark::State& state) {
    const zp::TBarcodeOptions o = Options(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(zp::BarcodeWidth(kSamples[o.Symbology].Data, o));
    state.SetItemsProcessed(state.iterations());
    Label(state);
}

void BM_DrawImage(benchmark::State& state) {
    const zp::TBarcodeOptions o = Options(static_cast<int>(state.range(0)));
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.setDotsPerMeterX(23622); // 600 per inch, the label resolution
    image.setDotsPerMeterY(23622);
    image.fill(Qt::white);
    QPainter painter(&image);
    zp::ApplyLabelMapping(painter);
    for (auto _ : state) {
        zp::TRect r{100, 100, 101, 101};
        zp::DrawBarcode(painter, kSamples[o.Symbology].Data, r, o, 0);
    }
    state.SetItemsProcessed(state.iterations());
    Label(state);
}

void BM_DrawPicture(benchmark::State& state) {
    const zp::TBarcodeOptions o = Options(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QPicture picture;
        QPainter painter(&picture);
        zp::TRect r{100, 100, 101, 101};
        zp::DrawBarcode(painter, kSamples[o.Symbology].Data, r, o, 90);
        painter.end();
        benchmark::DoNotOptimize(picture.size());
    }
    state.SetItemsProcessed(state.iterations());
    Label(state);
}

// Ours: prepare, validate and encode. The reference: clear and encode one
// reused symbol (its cheapest path; it validates and builds its module rows).
void BM_VersusReference(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const int code = static_cast<int>(state.range(0));
    const zp::TBarcodeOptions o = Options(code);
    const TSample& sample = kSamples[code];
    zint_symbol* symbol = ZBarcode_Create();
    symbol->symbology = sample.Reference;
    const auto* referenceData = reinterpret_cast<const unsigned char*>(sample.ReferenceData);
    const int referenceLength = static_cast<int>(strlen(sample.ReferenceData));
    int referenceError = ZBarcode_Encode(symbol, referenceData, referenceLength);
    constexpr int kBatch = 64;
    Clock::duration ours{}, reference{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            const std::string prepared = zp::PrepareBarcodeData(sample.Data, o);
            if (zp::ValidateBarcodeData(o, prepared, false))
                benchmark::DoNotOptimize(zp::EncodeBarcode(prepared, o));
        }
        const auto t1 = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            ZBarcode_Clear(symbol);
            symbol->symbology = sample.Reference;
            referenceError = ZBarcode_Encode(symbol, referenceData, referenceLength);
            benchmark::DoNotOptimize(symbol->width);
        }
        ours += t1 - t0;
        reference += Clock::now() - t1;
    }
    ZBarcode_Delete(symbol);
    const double oursNs =
        std::chrono::duration<double, std::nano>(ours).count() / (state.iterations() * kBatch);
    const double referenceNs =
        std::chrono::duration<double, std::nano>(reference).count() / (state.iterations() * kBatch);
    state.counters["ours_ns"] = oursNs;
    state.counters["reference_ns"] = referenceNs;
    state.counters["ratio"] = referenceNs > 0 ? oursNs / referenceNs : 0;
    state.SetLabel(std::string(zp::BarcodeTypeNames[code]) +
                   (referenceError >= ZINT_ERROR ? " (reference refused)" : ""));
}

void AllTypes(benchmark::internal::Benchmark* b) {
    b->DenseRange(0, zp::kBarcodeTypeCount - 1);
}

BENCHMARK(BM_Prepare)->Apply(AllTypes);
BENCHMARK(BM_Validate)->Apply(AllTypes);
BENCHMARK(BM_Encode)->Apply(AllTypes);
BENCHMARK(BM_Width)->Apply(AllTypes);
BENCHMARK(BM_DrawImage)->Apply(AllTypes);
BENCHMARK(BM_DrawPicture)->Apply(AllTypes);
BENCHMARK(BM_VersusReference)->Apply(AllTypes);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    zp::SetLabelDPI(600);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

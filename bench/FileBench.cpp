// SPDX-License-Identifier: MIT
// Loading and saving a label of 1,000 objects of mixed classes; the goal is
// at least 100,000 objects per second each way. Loading many equal
// connection names stays linear.
#include "barcode/BarcodeObject.h"
#include "base/ValueStream.h"
#include "data/DataConnections.h"
#include "files/LabelFile.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/TextObject.h"

#include <QBuffer>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kObjects = 1000;

zp::TZpObjectList MixedLabel() {
    zp::TZpObjectList objects;
    const QStringList& classes = zp::ObjectClassNames();
    for (int i = 0; i < kObjects; ++i) {
        zp::TZpObjectPtr obj = zp::CreateObject(classes[i % classes.size()]);
        obj->SetBoundsExact(zp::TRect{i, i, i + 300, i + 150});
        if (auto* data = zp::Supports<zp::IZpData>(obj))
            data->SetText(QStringLiteral("Item %1").arg(i));
        if (auto* text = dynamic_cast<zp::TZpTextObject*>(obj.get()))
            text->RVData().AddText(QString(200, u'x'), 0, 0);
        objects.push_back(std::move(obj));
    }
    return objects;
}

QByteArray Saved(const zp::TZpObjectList& objects, zp::TZpIDEProperties& ide,
                 const zp::TLabelProperties& layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    zp::WriteLabel(buffer, objects, ide, layout);
    return bytes;
}

void BM_SaveLabel(benchmark::State& state) {
    const zp::TZpObjectList objects = MixedLabel();
    zp::TZpIDEProperties ide;
    zp::TLabelProperties layout;
    layout.SetDesignDefaults();
    for (auto _ : state) {
        QByteArray bytes = Saved(objects, ide, layout);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_SaveLabel)->Unit(benchmark::kMillisecond);

void BM_LoadLabel(benchmark::State& state) {
    zp::TZpIDEProperties ide;
    zp::TLabelProperties layout;
    layout.SetDesignDefaults();
    QByteArray bytes = Saved(MixedLabel(), ide, layout);
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        zp::TZpObjectList objects;
        zp::LoadLabelFromDevice(buffer, objects, ide, layout, false);
        benchmark::DoNotOptimize(objects.data());
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_LoadLabel)->Unit(benchmark::kMillisecond);

// A damaged file may repeat one connection and dataset name many times;
// each repeat is numbered without searching the names already given.
void BM_LoadEqualConnectionNames(benchmark::State& state) {
    const int count = int(state.range(0));
    QByteArray block;
    {
        QBuffer buffer(&block);
        buffer.open(QIODevice::WriteOnly);
        zp::TZpWriter w(buffer);
        w.WriteListBegin();
        for (int i = 0; i < count; ++i) {
            w.WriteString(QStringLiteral("Sales"));
            w.WriteString(QString());
            w.WriteListBegin();
            w.WriteString(QStringLiteral("Orders"));
            w.WriteString(QString());
            w.WriteListEnd();
        }
        w.WriteListEnd();
    }
    for (auto _ : state) {
        QBuffer buffer(&block);
        buffer.open(QIODevice::ReadOnly);
        zp::TZpReader r(buffer);
        zp::TZpDataConnections connections;
        connections.Version = zp::kLabelFileVersion;
        connections.Load(r);
        benchmark::DoNotOptimize(connections.ConnectionCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LoadEqualConnectionNames)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// SPDX-License-Identifier: MIT
// A three-line text object drawn into a 600 dpi PDF, per second, with new
// data on every label and with the same data, and the same three lines
// through QPainter::drawText as the bare drawing time to compare with.
// "layouts" counts how often the object was laid out; it stays at 0 when
// nothing changed.
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "model/objects/TextObject.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Labels drawn on one page before the next starts, so the PDF stays small.
constexpr int kLabelsPerPage = 200;

const QString kLines[] = {QStringLiteral("Ballpoint pen, blue"), QStringLiteral("Item P-100, 480 in stock"),
                          QStringLiteral("$1.25")};

QString ThreeLines(int64_t record) {
    return QStringLiteral("%1 %4\r\n%2\r\n%3").arg(kLines[0], kLines[1], kLines[2]).arg(record);
}

// A PDF in memory at 600 dots per inch, painted in label pixels at 300.
struct TPdfTarget {
    TPdfTarget() : Writer(&Buffer) {
        Buffer.open(QIODevice::WriteOnly);
        Writer.setResolution(600);
        Writer.setPageSize(QPageSize(QPageSize::Letter));
        Painter.begin(&Writer);
        zp::ApplyLabelMapping(Painter, {}, 300);
    }
    ~TPdfTarget() { Painter.end(); }
    void Next() {
        if (++Drawn % kLabelsPerPage == 0) {
            Writer.newPage();
            zp::ApplyLabelMapping(Painter, {}, 300);
        }
    }
    QByteArray Bytes;
    QBuffer Buffer{&Bytes};
    QPdfWriter Writer;
    QPainter Painter;
    int64_t Drawn = 0;
};

std::unique_ptr<zp::TZpTextObject> MakeText() {
    auto text = std::make_unique<zp::TZpTextObject>();
    text->SetBoundsExact({30, 30, 780, 300});
    text->Font().SetName(QStringLiteral("Arial"));
    text->Font().SetSize(10);
    text->Data().SetKind(zp::dkDatabaseField);
    return text;
}

// Arg 1: every label brings a new record (laid out and drawn); arg 0: the
// data source hands over the same value again, as for every label of a run
// that repeats one record (drawn from the kept layout).
void TextObjectIntoPdf(benchmark::State& state) {
    const bool newData = state.range(0) != 0;
    zp::SetLabelDPI(300);
    auto text = MakeText();
    TPdfTarget pdf;
    text->Data().SetText(ThreeLines(0));
    text->DataChanged();
    text->Draw(pdf.Painter);
    const int before = text->RVData().Layout().FormatCount();
    int64_t record = 0;
    for (auto _ : state) {
        text->Data().SetText(ThreeLines(newData ? ++record : 0));
        text->DataChanged();
        text->Draw(pdf.Painter);
        pdf.Next();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["layouts"] = text->RVData().Layout().FormatCount() - before;
}
BENCHMARK(TextObjectIntoPdf)->ArgName("new_data")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The floor: the same lines drawn by Qt alone, laid out by drawText each time.
void BareQtDrawText(benchmark::State& state) {
    TPdfTarget pdf;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(42); // 10 points at 300 pixels per inch
    font.setHintingPreference(QFont::PreferNoHinting);
    pdf.Painter.setFont(font);
    int64_t record = 0;
    for (auto _ : state) {
        pdf.Painter.drawText(QRectF(32, 32, 750, 270), Qt::TextWordWrap,
                             ThreeLines(++record).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        pdf.Next();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BareQtDrawText)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

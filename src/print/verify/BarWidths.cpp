// SPDX-License-Identifier: MIT
#include "print/verify/BarWidths.h"

#include "barcode/Barcode.h"
#include "barcode/BarcodeCanvas.h"
#include "barcode/BarcodeLayout.h"
#include "base/LabelMapping.h"
#include "model/data/ZpData.h"
#include "model/objects/ZpObject.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace zp {

namespace {

// A dot's span [first, last) on one axis: the dots whose centres lie in [a, b).
struct TSpan {
    int First = 0;
    int Last = 0;
};

TSpan Dots(double a, double b) {
    return {int(std::ceil(a - 0.5)), int(std::ceil(b - 0.5))};
}

// A paint engine that keeps the device rectangles of solid fills and draws
// nothing else: the symbol's bars as the engine hands them to the painter.
class TBarRecorderEngine : public QPaintEngine {
public:
    TBarRecorderEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform)
            FTransform = state.transform();
        if (state.state() & QPaintEngine::DirtyBrush)
            FSolid = state.brush().style() == Qt::SolidPattern;
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i)
            Keep(QRectF(rects[i]));
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            Keep(rects[i]);
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    [[nodiscard]] Type type() const override { return QPaintEngine::User; }

    std::vector<QRectF> Bars;

private:
    void Keep(const QRectF& rect) {
        if (FSolid)
            Bars.push_back(FTransform.mapRect(rect));
    }
    QTransform FTransform;
    bool FSolid = false;
};

class TBarRecorder : public QPaintDevice {
public:
    explicit TBarRecorder(int dpi) : FDpi(dpi) {}
    ~TBarRecorder() override = default;
    [[nodiscard]] QPaintEngine* paintEngine() const override { return &FEngine; }
    [[nodiscard]] std::vector<QRectF>& Bars() { return FEngine.Bars; }

protected:
    [[nodiscard]] int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1 << 24;
        case PdmWidthMM:
        case PdmHeightMM:
            return int((1 << 24) * 25.4 / FDpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return FDpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 1 << 24;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    int FDpi;
    mutable TBarRecorderEngine FEngine;
};

// The bars the symbol has before any adjustment: a bar that an adjustment
// takes to nothing is not drawn, and counts as a bar of 0 dots.
size_t BarsOfSymbol(const TBarcodeOptions& options, const std::string& data) {
    TBarcodeOptions plain = options;
    plain.BarAdjust = 0;
    plain.SpaceAdjust = 0;
    const std::string prepared = PrepareBarcodeData(data, plain);
    if (!ValidateBarcodeData(plain, prepared, false))
        return 0;
    const TBarcodeFamily& family = BarcodeFamily(plain.Symbology);
    const TBarcodeGeometry geometry = family.Geometry ? family.Geometry(prepared, plain) : TBarcodeGeometry{};
    std::vector<TBarRun> bars;
    (void)TBarcodeLayout(family, plain, geometry).Walk(EncodeBarcode(prepared, plain), &bars);
    return bars.size();
}

} // namespace

TZpBarWidths MeasureBars(TZpObject& object, int dpi, QPointF deviceOrigin) {
    auto* paint = Supports<IZpPaint>(static_cast<IZpUnknown*>(&object));
    auto* barcode = Supports<IZpBarcode>(static_cast<IZpUnknown*>(&object));
    auto* data = Supports<IZpData>(static_cast<IZpUnknown*>(&object));
    auto* rotation = Supports<IZpRotation>(static_cast<IZpUnknown*>(&object));
    TZpBarWidths widths;
    if (!paint || !barcode || !data)
        return widths;
    TBarRecorder recorder(dpi);
    {
        QPainter painter(&recorder);
        ApplyLabelMapping(painter, deviceOrigin);
        paint->Draw(painter);
    }
    const bool vertical = rotation && NormalRotation(rotation->GetRotation()) % 180 != 0;
    std::vector<TSpan> spans;
    for (const QRectF& r : recorder.Bars())
        spans.push_back(vertical ? Dots(r.top(), r.bottom()) : Dots(r.left(), r.right()));
    if (spans.empty())
        return widths;
    std::sort(spans.begin(), spans.end(), [](const TSpan& a, const TSpan& b) { return a.First < b.First; });
    int extentEnd = spans.front().Last;
    for (const TSpan& s : spans)
        extentEnd = std::max(extentEnd, s.Last);
    const int extent = extentEnd - spans.front().First;
    // Bearer bars run along the whole symbol; no element is half as long.
    if (spans.size() > 1)
        std::erase_if(spans, [extent](const TSpan& s) { return 2 * (s.Last - s.First) > extent; });
    int end = spans.empty() ? 0 : spans.front().First;
    for (size_t i = 0; i < spans.size(); ++i) {
        const int width = std::max(0, spans[i].Last - spans[i].First);
        widths.NarrowestBar = widths.NarrowestBar < 0 ? width : std::min(widths.NarrowestBar, width);
        if (i > 0) {
            const int space = std::max(0, spans[i].First - end);
            widths.NarrowestSpace =
                widths.NarrowestSpace < 0 ? space : std::min(widths.NarrowestSpace, space);
        }
        end = std::max(end, spans[i].Last);
    }
    if (spans.size() < BarsOfSymbol(barcode->GetOptions(), BarcodeBytes(data->GetText())))
        widths.NarrowestBar = 0;
    return widths;
}

} // namespace zp

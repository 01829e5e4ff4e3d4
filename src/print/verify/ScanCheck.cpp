// SPDX-License-Identifier: MIT
#include "print/verify/ScanCheck.h"

#include "barcode/Barcode.h"
#include "barcode/BarcodeCanvas.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "base/Rounding.h"
#include "model/data/ZpData.h"
#include "model/layout/LabelProperties.h"
#include "print/BarcodeProbe.h"
#include "print/verify/BarWidths.h"
#include "print/verify/ScanExpectation.h"
#include "print/verify/SymbolReader.h"

#include <QPainter>
#include <QRegion>

namespace zp {

namespace {

// White around the label and around each symbol's area: a reader needs a
// quiet zone, and the label's surroundings are no part of the symbol.
constexpr double kQuietZoneInches = 0.25;

QString Shown(const TZpScanExpectation& e, const std::string& text, const std::string& supplement) {
    QString shown = ShownData(text);
    if (!supplement.empty() || !e.Supplement.empty())
        shown += QLatin1Char(' ') + ShownData(supplement);
    return shown;
}

} // namespace

TZpScanCheck::TZpScanCheck(const TZpObjectList& objects, const TLabelProperties& layout, int dpi)
    : FDpi(dpi > 0 ? dpi : LabelDPI()), FMargin(Round(FDpi * kQuietZoneInches)) {
    // The objects that draw in a run, as TZpRunSources::PrintableObjects finds them.
    for (size_t i = 0; i < objects.size(); ++i) {
        const TZpObjectPtr& obj = objects[i];
        IZpPaint* paint = Supports<IZpPaint>(obj);
        if (!paint || !obj->GetPrintObject())
            continue;
        FPrintable.push_back({obj.get(), paint});
        if (TZpBarcodeProbe::IsBarcode(*obj))
            FBarcodes.push_back({obj.get(), int(i) + 1});
    }
    const int width = std::max(1, Round(double(FDpi) * layout.Width));
    const int height = std::max(1, Round(double(FDpi) * layout.Height));
    FLabel = QRect(FMargin, FMargin, width, height);
    switch (layout.LabelShape) {
    case lsRoundRect:
        FShape.addRoundedRect(QRectF(FLabel), FDpi * layout.EllipseWidth / 2.0,
                              FDpi * layout.EllipseHeight / 2.0);
        break;
    case lsEllipse:
        FShape.addEllipse(QRectF(FLabel));
        break;
    default:
        break;
    }
    FImage = QImage(width + 2 * FMargin, height + 2 * FMargin, QImage::Format_RGB32);
    const int dotsPerMeter = Round(FDpi / 0.0254);
    FImage.setDotsPerMeterX(dotsPerMeter);
    FImage.setDotsPerMeterY(dotsPerMeter);
}

QRect TZpScanCheck::DeviceRect(const TRect& bounds) const {
    const double scale = double(FDpi) / LabelDPI();
    const double left = std::min(bounds.Left, bounds.Right) * scale;
    const double right = std::max(bounds.Left, bounds.Right) * scale;
    const double top = std::min(bounds.Top, bounds.Bottom) * scale;
    const double bottom = std::max(bounds.Top, bounds.Bottom) * scale;
    return QRect(QPoint(int(std::floor(left)), int(std::floor(top))),
                 QPoint(int(std::ceil(right)), int(std::ceil(bottom))))
        .translated(FMargin, FMargin);
}

QRect TZpScanCheck::ReadArea(TZpObject& object) const {
    // A reader scans across the bars: the quiet zones before and after the
    // symbol count; above and below, what is printed there is never scanned.
    const auto* rotation = Supports<IZpRotation>(static_cast<IZpUnknown*>(&object));
    const bool turned = rotation && NormalRotation(rotation->GetRotation()) % 180 != 0;
    const int along = FMargin;
    const int across = std::max(2, FDpi / 100);
    const QRect r = DeviceRect(object.GetBounds());
    return turned ? r.adjusted(-across, -along, across, along) : r.adjusted(-along, -across, along, across);
}

std::vector<TZpScanResult> TZpScanCheck::CheckLabel(int label, int record) {
    std::vector<TZpScanResult> results;
    if (FBarcodes.empty())
        return results;
    // Measuring draws each symbol, which puts its bounds around this label's
    // symbol: that gives the areas to draw and read. Only they are drawn, and
    // only the objects that reach into them.
    std::vector<TZpBarWidths> widths;
    std::vector<QRect> areas;
    QRegion region;
    for (const TBarcode& barcode : FBarcodes) {
        widths.push_back(MeasureBars(*barcode.Object, FDpi, QPointF(FMargin, FMargin)));
        areas.push_back(ReadArea(*barcode.Object).intersected(FImage.rect()));
        region += areas.back();
    }
    {
        QPainter painter(&FImage);
        for (const QRect& r : region)
            painter.fillRect(r, Qt::white);
        // What falls beyond the label's edge is not printed on it.
        if (FShape.isEmpty())
            painter.setClipRegion(region.intersected(FLabel));
        else {
            painter.setClipPath(FShape);
            painter.setClipRegion(region, Qt::IntersectClip);
        }
        ApplyLabelMapping(painter, QPointF(FMargin, FMargin));
        // A few dots of slack for pens and glyphs that reach past the bounds.
        const int slack = std::max(2, FDpi / 100);
        for (const TPrintable& p : FPrintable)
            if (region.intersects(DeviceRect(p.Object->GetBounds()).adjusted(-slack, -slack, slack, slack)))
                p.Paint->Draw(painter);
    }
    results.reserve(FBarcodes.size());
    for (size_t i = 0; i < FBarcodes.size(); ++i) {
        TZpScanResult result = Check(*FBarcodes[i].Object, widths[i], areas[i]);
        // An object without a name is known by its place in the drawing order.
        if (result.Name.isEmpty())
            result.Name = QStringLiteral("object %1").arg(FBarcodes[i].Number);
        result.Label = label;
        result.Record = record;
        results.push_back(std::move(result));
    }
    return results;
}

TZpScanResult TZpScanCheck::Check(TZpObject& object, const TZpBarWidths& widths, const QRect& area) const {
    auto* barcode = Supports<IZpBarcode>(static_cast<IZpUnknown*>(&object));
    auto* data = Supports<IZpData>(static_cast<IZpUnknown*>(&object));
    auto* rotation = Supports<IZpRotation>(static_cast<IZpUnknown*>(&object));
    TZpScanResult result;
    result.Object = &object;
    if (!barcode || !data)
        return result;
    const TBarcodeOptions options = barcode->GetOptions();
    result.Name = data->GetName();
    result.Symbology = options.Symbology < BarcodeTypeNames.size()
                           ? QString::fromLatin1(BarcodeTypeNames[options.Symbology])
                           : QString::number(options.Symbology);
    const std::string text = BarcodeBytes(data->GetText());
    const std::string prepared = PrepareBarcodeData(text, options);
    if (!ValidateBarcodeData(options, prepared, false)) {
        result.Data = ShownData(options.Preamble + text + options.Postamble);
        result.Verdict = TZpScanVerdict::Failed;
        result.ValidData = false;
        result.Note = QStringLiteral("invalid data for the symbology");
        return result;
    }
    result.NarrowestBar = widths.NarrowestBar;
    result.NarrowestSpace = widths.NarrowestSpace;
    const TZpScanExpectation expected = ExpectedScan(options, prepared);
    if (!expected.Checked) {
        result.Data = ShownData(prepared);
        return result;
    }
    result.Data = Shown(expected, expected.Text, expected.Supplement);
    const bool turned = rotation && NormalRotation(rotation->GetRotation()) % 180 != 0;
    const std::optional<TZpSymbolRead> read =
        ReadSymbol(FImage, area, options, !expected.Supplement.empty(), turned);
    if (!read) {
        result.Verdict = TZpScanVerdict::Failed;
        result.Note = QStringLiteral("not read");
        return result;
    }
    result.Decoded = Shown(expected, read->Text, read->Supplement);
    const bool same = read->Text == expected.Text && read->Supplement == expected.Supplement;
    result.Verdict = same ? TZpScanVerdict::Ok : TZpScanVerdict::Failed;
    if (!same)
        result.Note = QStringLiteral("read as other data");
    return result;
}

} // namespace zp

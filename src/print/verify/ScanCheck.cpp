// SPDX-License-Identifier: MIT
#include "print/verify/ScanCheck.h"

#include "barcode/Barcode.h"
#include "barcode/BarcodeCanvas.h"
#include "model/base/LabelDpi.h"
#include "model/base/LabelMapping.h"
#include "model/base/Rounding.h"
#include "model/data/ZpData.h"
#include "model/layout/LabelProperties.h"
#include "print/BarcodeProbe.h"
#include "print/RunSources.h"
#include "print/verify/BarWidths.h"
#include "print/verify/ScanExpectation.h"
#include "print/verify/SymbolReader.h"

#include <QPainter>

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
    : FPrintable(TZpRunSources::PrintableObjects(objects)), FDpi(dpi > 0 ? dpi : LabelDPI()),
      FMargin(Round(FDpi * kQuietZoneInches)) {
    for (size_t i = 0; i < objects.size(); ++i) {
        const TZpObjectPtr& obj = objects[i];
        if (obj->GetPrintObject() && Supports<IZpPaint>(obj) && TZpBarcodeProbe::IsBarcode(*obj))
            FBarcodes.push_back({obj.get(), int(i) + 1});
    }
    const int width = std::max(1, Round(double(FDpi) * layout.Width));
    const int height = std::max(1, Round(double(FDpi) * layout.Height));
    FLabel = QRect(FMargin, FMargin, width, height);
    switch (layout.LabelShape) {
    case lsRoundRect:
        FShape.addRoundedRect(QRectF(FLabel), FDpi * layout.EllipseWidth / 2.0, FDpi * layout.EllipseHeight / 2.0);
        break;
    case lsEllipse: FShape.addEllipse(QRectF(FLabel)); break;
    default: break;
    }
    FImage = QImage(width + 2 * FMargin, height + 2 * FMargin, QImage::Format_Grayscale8);
    const int dotsPerMeter = Round(FDpi / 0.0254);
    FImage.setDotsPerMeterX(dotsPerMeter);
    FImage.setDotsPerMeterY(dotsPerMeter);
}

std::vector<TZpScanResult> TZpScanCheck::CheckLabel(int label, int record) {
    std::vector<TZpScanResult> results;
    if (FBarcodes.empty())
        return results;
    FImage.fill(Qt::white);
    {
        QPainter painter(&FImage);
        // What falls beyond the label's edge is not printed on it.
        if (FShape.isEmpty())
            painter.setClipRect(FLabel);
        else
            painter.setClipPath(FShape);
        ApplyLabelMapping(painter, QPointF(FMargin, FMargin));
        for (IZpPaint* paint : FPrintable)
            paint->Draw(painter);
    }
    results.reserve(FBarcodes.size());
    for (const TBarcode& barcode : FBarcodes) {
        TZpScanResult result = Check(*barcode.Object);
        // An object without a name is known by its place in the drawing order.
        if (result.Name.isEmpty())
            result.Name = QStringLiteral("object %1").arg(barcode.Number);
        result.Label = label;
        result.Record = record;
        results.push_back(std::move(result));
    }
    return results;
}

TZpScanResult TZpScanCheck::Check(TZpObject& object) const {
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
    const TZpBarWidths widths = MeasureBars(object, FDpi, QPointF(FMargin, FMargin));
    result.NarrowestBar = widths.NarrowestBar;
    result.NarrowestSpace = widths.NarrowestSpace;
    const TZpScanExpectation expected = ExpectedScan(options, prepared);
    if (!expected.Checked) {
        result.Data = ShownData(prepared);
        return result;
    }
    result.Data = Shown(expected, expected.Text, expected.Supplement);
    // The object's bounds sit around what it drew; the area keeps a quiet zone.
    const TRect b = object.GetBounds();
    const double scale = double(FDpi) / LabelDPI();
    const QRect area = QRect(QPoint(FMargin + int(std::floor(b.Left * scale)), FMargin + int(std::floor(b.Top * scale))),
                             QPoint(FMargin + int(std::ceil(b.Right * scale)), FMargin + int(std::ceil(b.Bottom * scale))))
                           .adjusted(-FMargin, -FMargin, FMargin, FMargin);
    const bool turned = rotation && NormalRotation(rotation->GetRotation()) % 180 != 0;
    const std::optional<TZpSymbolRead> read = ReadSymbol(FImage, area, options, !expected.Supplement.empty(), turned);
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

// SPDX-License-Identifier: MIT
// Drawing a symbol with its text, and the placeholder for data that cannot
// be drawn.
#include "barcode/Barcode.h"
#include "barcode/BarcodeCanvas.h"
#include "barcode/BarcodeLayout.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "model/objects/Interfaces.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace zp {

namespace {

int64_t BarHeight(const TBarcodeFamily& family, const TBarcodeOptions& options) {
    if (family.Kind == TPatternKind::BarHeight)
        return Round(LabelDPI() * 0.125);
    if (family.Kind == TPatternKind::Position)
        return Round(LabelDPI() * 0.625);
    // A negative height would turn the rectangle inside out.
    return std::clamp<int64_t>(options.Height, 0, int64_t{1} << 28);
}

void DrawPlain(TBarcodeDrawContext& context) {
    const TBarcodeOptions& options = context.Options;
    const TBarcodeFamily& family = context.Family;
    const QFont font = BarcodeFont(context.Painter, options);
    QString text = StripUnprintable(BarcodeHumanReadable(context.Prepared, options));
    if (text.isEmpty())
        text = QStringLiteral(" ");
    const QFontMetrics metrics(font);
    const int64_t tw = metrics.horizontalAdvance(text);
    const int64_t th = metrics.height();

    const int64_t h = BarHeight(family, options);
    const int64_t spacing = options.HRSpacing;
    const int64_t across = h + (options.ShowHumanReadable ? th + spacing : 0);

    const bool postal = family.Kind == TPatternKind::BarHeight || family.Kind == TPatternKind::Position;
    const bool drawsText = options.ShowHumanReadable && family.DrawsText && !postal;
    std::vector<TBarRun> bars;
    const TBarcodeLayout layout(family, options, context.Geometry);
    const int64_t walk = layout.Walk(context.Pattern, &bars);
    const int64_t w = context.Geometry.LeftMargin + walk + context.Geometry.RightMargin;
    // The text widens the symbol and centres the bars whether or not it is
    // shown: labels depend on these bar positions.
    const int64_t overhang = tw > w ? (tw - w) / 2 : 0;
    const int64_t x0 = context.Geometry.LeftMargin > 0 ? context.Geometry.LeftMargin : overhang;
    const int64_t along = x0 + walk + context.Geometry.RightMargin + overhang;

    TBarcodeCanvas canvas(context.Painter, context.Rotation, BarcodeColor(options));
    canvas.Place(context.Rect, along, across);

    const bool textOnTop =
        options.ShowHumanReadable && options.HRPosition == 0 && !(postal && options.Descenders);
    const int64_t top = textOnTop ? spacing + th : 0;
    for (const TBarRun& bar : bars) {
        const int64_t barTop = bar.Short ? top + h / 2 : top;
        canvas.FillBar(x0 + bar.X, barTop, x0 + bar.X + bar.Width, top + h);
    }

    if ((family.BearerBars || options.Symbology == bcInt2of5 || options.Symbology == bcITF14) &&
        options.GuardBars) {
        const double thick = static_cast<double>(options.Density) * options.WideToNarrow;
        canvas.FillBar(0, top, along, Round(top + thick));
        canvas.FillBar(0, Round(top + h - thick), along, top + h);
    }

    if (drawsText) {
        const int64_t y = options.HRPosition == 0 ? 0 : h + spacing;
        int64_t x = 0;
        if (options.FontAlignment == 1)
            x = along - tw;
        else if (options.FontAlignment == 2)
            x = along - along / 2 - tw / 2;
        canvas.DrawText(font, x, y, text);
    }
}

} // namespace

void DrawBarcode(QPainter& painter, std::string_view data, TRect& rect, const TBarcodeOptions& options,
                 int rotation) {
    const std::string prepared = PrepareBarcodeData(data, options);
    if (!ValidateBarcodeData(options, prepared, false)) {
        DrawInvalidBarcode(painter, rect);
        return;
    }
    const std::string pattern = EncodeBarcode(prepared, options);
    const TBarcodeFamily& family = BarcodeFamily(options.Symbology);
    const TBarcodeGeometry geometry =
        family.Geometry ? family.Geometry(prepared, options) : TBarcodeGeometry{};
    TBarcodeDrawContext context{painter, options,  family, prepared,
                                pattern, geometry, rect,   NormalRotation(rotation)};
    painter.save();
    if (!(family.Draw && family.Draw(context)))
        DrawPlain(context);
    painter.restore();
}

void DrawInvalidBarcode(QPainter& painter, const TRect& rect) {
    painter.save();
    // A damaged file may carry any bounds: corner, width and height are
    // clamped so that no sum below can overflow.
    const int32_t left = ClampLength(rect.Left);
    const int32_t top = ClampLength(rect.Top);
    const int32_t width = ClampLength(int64_t{rect.Right} - rect.Left);
    const int32_t height = ClampLength(int64_t{rect.Bottom} - rect.Top);
    const QRect r(left, top, width, height);
    painter.fillRect(r, Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    TBarcodeOptions font;
    font.FontName = QStringLiteral("Arial");
    font.FontSize = 10;
    font.FontStyle = fsBold;
    painter.setFont(BarcodeFont(painter, font));
    // The text is clipped to the rectangle inside whatever clip the caller set.
    painter.save();
    painter.setPen(Qt::black);
    painter.setClipRect(r, Qt::IntersectClip);
    const QFontMetrics metrics(painter.font());
    painter.drawText(QPoint(left + 2, top + 2 + metrics.ascent()), QStringLiteral("Invalid Bar Code!"));
    painter.restore();
    painter.setBrush(QBrush(Qt::red, Qt::FDiagPattern));
    // The platform's rectangle covers Left..Right-1 with its outline.
    painter.drawRect(QRect(left, top, width - 1, height - 1));
    painter.restore();
}

void FitFontToWidth(QPainter& painter, QFont& font, int32_t width, const QString& text) {
    (void)painter;
    // Empty text would be narrower than any width for ever.
    if (width <= 0 || text.isEmpty())
        return;
    auto measure = [&](int height) {
        QFont f = font;
        f.setPixelSize(height);
        return QFontMetrics(f).horizontalAdvance(text);
    };
    // Heights go 1, 11, 21, ... until the text is no longer narrower than
    // width; the text grows about in proportion to the height, so the first
    // steps are skipped from an estimate instead of measured one by one.
    constexpr int kMaxHeight = 8191;
    int height = 1;
    if (measure(1) < width) {
        const int reference = measure(100);
        if (reference > 0) {
            const long long estimate = static_cast<long long>(width) * 100 / reference;
            const long long start = std::clamp<long long>((estimate - 30) / 10 * 10 + 1, 1, kMaxHeight);
            height = static_cast<int>(start);
            while (height > 1 && measure(height) >= width)
                height -= 10;
        }
        while (height < kMaxHeight && measure(height) < width)
            height += 10;
    }
    int unchanged = 0;
    int last = measure(height);
    while (height > 1 && last > width) {
        --height;
        const int now = measure(height);
        unchanged = now == last ? unchanged + 1 : 0;
        last = now;
        if (unchanged > 10)
            break;
    }
    font.setPixelSize(std::max(1, height));
}

} // namespace zp

// SPDX-License-Identifier: MIT
#include "barcode/BarcodeCanvas.h"

#include "barcode/BarcodeLayout.h"
#include "barcode/EanUpcFont.h"
#include "base/Color.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "model/objects/Interfaces.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

namespace zp {

int NormalRotation(int rotation) {
    const int r = ((rotation % 360) + 360) % 360;
    return r / 90 * 90;
}

TBarcodeCanvas::TBarcodeCanvas(QPainter& painter, int rotation, QColor color)
    : FPainter(painter), FRotation(NormalRotation(rotation)), FColor(color),
      FHoldBars(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf &&
                painter.combinedTransform().type() <= QTransform::TxScale) {}

TBarcodeCanvas::~TBarcodeCanvas() {
    DrawHeldBars();
}

void TBarcodeCanvas::DrawHeldBars() {
    if (FHeldBars.empty())
        return;
    const QTransform toDevice = FPainter.combinedTransform();
    std::vector<QRectF> bars;
    bars.reserve(FHeldBars.size());
    for (const QRect& bar : FHeldBars)
        bars.push_back(toDevice.mapRect(QRectF(bar)));
    FHeldBars.clear();
    FPainter.save();
    FPainter.resetTransform();
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(FColor);
    // One fill each: viewers fill a lone rectangle to whole device pixels,
    // a path of many with soft edges.
    for (const QRectF& bar : bars)
        FPainter.drawRect(bar);
    FPainter.restore();
}

void TBarcodeCanvas::Place(TRect& rect, int64_t along, int64_t across) {
    const int32_t a = ClampLength(along);
    const int32_t c = ClampLength(across);
    switch (FRotation) {
    case 90:
        rect.Right = ClampLength(int64_t{rect.Left} + c);
        rect.Top = ClampLength(int64_t{rect.Bottom} - a);
        break;
    case 180:
        rect.Bottom = ClampLength(int64_t{rect.Top} + c);
        rect.Left = ClampLength(int64_t{rect.Right} - a);
        break;
    case 270:
        rect.Right = ClampLength(int64_t{rect.Left} + c);
        rect.Bottom = ClampLength(int64_t{rect.Top} + a);
        break;
    default:
        rect.Bottom = ClampLength(int64_t{rect.Top} + c);
        rect.Right = ClampLength(int64_t{rect.Left} + a);
        break;
    }
    FRect = rect;
}

void TBarcodeCanvas::FillBar(int64_t u0, int64_t v0, int64_t u1, int64_t v1) {
    if (u1 <= u0 || v1 <= v0)
        return;
    const int64_t l = FRect.Left, t = FRect.Top, r = FRect.Right, b = FRect.Bottom;
    int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    switch (FRotation) {
    case 90:
        x0 = l + v0, y0 = b - u1, x1 = l + v1, y1 = b - u0;
        break;
    case 180:
        x0 = r - u1, y0 = b - v1, x1 = r - u0, y1 = b - v0;
        break;
    case 270:
        x0 = r - v1, y0 = t + u0, x1 = r - v0, y1 = t + u1;
        break;
    default:
        x0 = l + u0, y0 = t + v0, x1 = l + u1, y1 = t + v1;
        break;
    }
    const int32_t cx0 = ClampLength(x0), cy0 = ClampLength(y0);
    if (FHoldBars) {
        FHeldBars.emplace_back(cx0, cy0, ClampLength(x1) - cx0, ClampLength(y1) - cy0);
        return;
    }
    // Pen and brush are set once for all bars (the caller saved the painter):
    // a recorded page, such as a preview picture, would otherwise store the
    // two changes, and their undoing, with every bar.
    if (FPainter.pen().style() != Qt::NoPen)
        FPainter.setPen(Qt::NoPen);
    if (FPainter.brush().style() != Qt::SolidPattern || FPainter.brush().color() != FColor)
        FPainter.setBrush(FColor);
    FPainter.drawRect(QRect(cx0, cy0, ClampLength(x1) - cx0, ClampLength(y1) - cy0));
}

void TBarcodeCanvas::DrawText(const QFont& font, int64_t u, int64_t v, const QString& text) {
    QPointF origin;
    switch (FRotation) {
    case 90:
        origin = QPointF(FRect.Left, FRect.Bottom);
        break;
    case 180:
        origin = QPointF(FRect.Right, FRect.Bottom);
        break;
    case 270:
        origin = QPointF(FRect.Right, FRect.Top);
        break;
    default:
        origin = QPointF(FRect.Left, FRect.Top);
        break;
    }
    FPainter.save();
    // Unturned text is placed by its position alone: a transform of its own
    // would be saved, set and restored in a PDF for every symbol.
    if (FRotation != 0) {
        FPainter.translate(origin);
        FPainter.rotate(-FRotation);
        origin = QPointF();
    }
    FPainter.setFont(font);
    FPainter.setPen(FColor);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(font);
    FPainter.drawText(
        origin + QPointF(ClampLength(u), static_cast<double>(ClampLength(v)) + metrics.ascent()), text);
    FPainter.restore();
}

QFont BarcodeFont(const QPainter& painter, const TBarcodeOptions& options) {
    RegisterEanUpcFont();
    const QPaintDevice* device = painter.device();
    const int p = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : LabelDPI();
    const int s = std::max(1, Round(static_cast<double>(LabelDPI()) / p));
    QFont font(options.FontName);
    const int32_t pixels = Round(static_cast<double>(options.FontSize) * p * s / 72.0);
    font.setPixelSize(std::clamp(pixels, 1, 32767));
    font.setBold(options.FontStyle & fsBold);
    font.setItalic(options.FontStyle & fsItalic);
    font.setUnderline(options.FontStyle & fsUnderline);
    return font;
}

QColor BarcodeColor(const TBarcodeOptions& options) {
    return ToQColor(options.FontColor);
}

QString StripUnprintable(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 32 && code <= 126)
            out += QLatin1Char(c);
    }
    return out;
}

} // namespace zp

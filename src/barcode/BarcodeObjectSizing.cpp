// SPDX-License-Identifier: MIT
// How a bar code object keeps its rectangle around its symbol: the resizing
// setters and the bounds a drag or a placement asks for.
#include "barcode/Barcode.h"
#include "barcode/BarcodeCanvas.h"
#include "barcode/BarcodeObject.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "settings/AppOptions.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zp {

namespace {

int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

/// The edges of a rectangle seen along the symbol (Left/Right at 0 and 180
/// degrees, Top/Bottom at 90 and 270) and across it.
struct TAxes {
    explicit TAxes(int32_t rotation) : Vertical(NormalRotation(rotation) % 180 != 0) {}
    bool Vertical;

    int32_t& NearAlong(TRect& r) const { return Vertical ? r.Top : r.Left; }
    int32_t& FarAlong(TRect& r) const { return Vertical ? r.Bottom : r.Right; }
    int32_t& NearAcross(TRect& r) const { return Vertical ? r.Left : r.Top; }
    int32_t& FarAcross(TRect& r) const { return Vertical ? r.Right : r.Bottom; }
    [[nodiscard]] int64_t Along(const TRect& r) const {
        return Vertical ? int64_t{r.Bottom} - r.Top : int64_t{r.Right} - r.Left;
    }
    [[nodiscard]] int64_t Across(const TRect& r) const {
        return Vertical ? int64_t{r.Right} - r.Left : int64_t{r.Bottom} - r.Top;
    }
};

} // namespace

int32_t TZpBarcodeObject::SymbolWidth() const {
    return BarcodeWidth(BarcodeBytes(FData.GetText()), GetOptions());
}

void TZpBarcodeObject::FitBoundsToSymbol() {
    // The text is measured as on a printer of the label's resolution; the
    // picture is only there to be drawn on.
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = static_cast<int>(std::lround(LabelDPI() / 0.0254));
    scratch.setDotsPerMeterX(dotsPerMeter);
    scratch.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&scratch);
    TRect r = FBounds;
    DrawBarcode(painter, BarcodeBytes(FData.GetText()), r, GetOptions(), Rotation);
    FBounds = r;
}

void TZpBarcodeObject::FitAlongToSymbol() {
    const TAxes axes(Rotation);
    axes.FarAlong(FBounds) = Saturate(int64_t{axes.NearAlong(FBounds)} + SymbolWidth());
}

void TZpBarcodeObject::SetDensity(int32_t value) {
    if (value == Density)
        return;
    Density = value;
    FitAlongToSymbol();
}

void TZpBarcodeObject::SetBarAdjust(int32_t value) {
    if (value == BarAdjust)
        return;
    BarAdjust = value;
    FitAlongToSymbol();
}

void TZpBarcodeObject::SetSpaceAdjust(int32_t value) {
    if (value == SpaceAdjust)
        return;
    SpaceAdjust = value;
    FitAlongToSymbol();
}

void TZpBarcodeObject::SetHeight(int32_t value) {
    if (value == Height)
        return;
    const TAxes axes(Rotation);
    const int64_t band = ShowHumanReadable ? axes.Across(FBounds) - Height - HRSpacing : 0;
    Height = std::clamp(value, Round(0.15 * LabelDPI()), Round(30.0 * LabelDPI()));
    int64_t across = Height;
    if (ShowHumanReadable)
        across += band + HRSpacing;
    axes.FarAcross(FBounds) = Saturate(axes.NearAcross(FBounds) + across);
}

void TZpBarcodeObject::SetBounds(const TRect& rect) {
    if (rect == FBounds)
        return;
    const TAxes axes(Rotation);
    const int32_t oldDensity = Density;
    const int64_t oldSymbol = SymbolWidth();
    const int64_t oldAlong = axes.Along(FBounds);
    const int64_t band = axes.Across(FBounds) - Height - HRSpacing;

    // The end that stays: a drag that leaves the start where the drag began
    // (or on the far end it began at, once the rectangle turned over) moves
    // the far end; a placement, which moves every edge, starts from the start.
    TRect q = rect;
    TRect track = FTrackRect;
    bool anchoredStart =
        axes.NearAlong(q) == axes.NearAlong(track) || axes.NearAlong(q) == axes.FarAlong(track);
    bool alongChanged = axes.Along(q) != oldAlong;
    if (rect.Left != FBounds.Left && rect.Top != FBounds.Top && rect.Right != FBounds.Right &&
        rect.Bottom != FBounds.Bottom)
        anchoredStart = alongChanged = true;

    TZpObject::SetBounds(rect);
    TRect& b = FBounds;

    if (!AppOptions().AllowBarcodeResizing || BarAdjust != 0 || SpaceAdjust != 0) {
        // The symbol cannot be stretched: its length snaps back, an inverted
        // rectangle stays inverted.
        const int64_t w = SymbolWidth();
        if (axes.NearAlong(b) > axes.FarAlong(b))
            axes.NearAlong(b) = Saturate(axes.FarAlong(b) + w);
        else
            axes.FarAlong(b) = Saturate(axes.NearAlong(b) + w);
    } else if (alongChanged) {
        Density = FitBarcodeDensity(BarcodeBytes(FData.GetText()), GetOptions(),
                                    Saturate(std::abs(axes.Along(rect))));
        int64_t w = SymbolWidth();
        // Text wider than the bars made the object longer than its symbol;
        // a smaller density would not make it any shorter.
        if (oldAlong > oldSymbol && w < oldAlong) {
            Density = oldDensity;
            w = oldAlong;
        }
        if (anchoredStart)
            axes.FarAlong(b) = Saturate(axes.NearAlong(b) + w);
        else
            axes.NearAlong(b) = Saturate(axes.FarAlong(b) - w);
    }

    // The bar height follows a drag across in both modes, so an adjusted
    // symbol can still be made taller or shorter.
    if (ShowHumanReadable) {
        SetHeight(Saturate(axes.Across(rect) - HRSpacing - band));
        axes.FarAcross(b) = Saturate(axes.NearAcross(b) + int64_t{Height} + band + HRSpacing);
    } else {
        SetHeight(Saturate(axes.Across(rect)));
    }
}

} // namespace zp

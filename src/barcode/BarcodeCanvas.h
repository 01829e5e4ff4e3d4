// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeFamily.h"
#include "base/Rect.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <cstdint>
#include <string_view>
#include <vector>

class QPainter;

namespace zp {

/// The one adaptor between a symbol and the painter. A symbol is laid out in
/// its unturned frame: u along the bars from where the symbol starts, v
/// across from the top. The canvas turns that frame counter-clockwise by the
/// rotation about the symbol's rectangle and paints in label pixels, so that
/// every bar stays an exact integer rectangle.
class TBarcodeCanvas {
public:
    TBarcodeCanvas(QPainter& painter, int rotation, QColor color);
    /// Draws the bars still held back (see FillBar).
    ~TBarcodeCanvas();
    TBarcodeCanvas(const TBarcodeCanvas&) = delete;
    TBarcodeCanvas& operator=(const TBarcodeCanvas&) = delete;

    /// Fixes the symbol's extent (along, across) and moves the far edges of
    /// rect: the symbol grows from Left at 0, Bottom at 90, Right at 180 and
    /// Top at 270 degrees.
    void Place(TRect& rect, int64_t along, int64_t across);

    /// A filled bar over [u0, u1) x [v0, v1) of the unturned frame. On a
    /// PDF the bars are held back and drawn together in device coordinates
    /// at the end: drawn one by one under the label's transform, each would
    /// save, set and restore the transform in the file. The text, in the
    /// bars' own colour, goes first, under the label's transform with the
    /// label's other text.
    void FillBar(int64_t u0, int64_t v0, int64_t u1, int64_t v1);
    /// Text with its top-left corner at (u, v), turned with the symbol.
    void DrawText(const QFont& font, int64_t u, int64_t v, const QString& text);

    [[nodiscard]] QPainter& Painter() { return FPainter; }

private:
    void DrawHeldBars();

    QPainter& FPainter;
    int FRotation;
    QColor FColor;
    TRect FRect;
    bool FHoldBars; // a PDF whose transform maps rectangles to rectangles
    std::vector<QRect> FHeldBars;
};

/// Everything a family's own drawing needs (see TBarcodeFamily::Draw).
struct TBarcodeDrawContext {
    QPainter& Painter;
    const TBarcodeOptions& Options;
    const TBarcodeFamily& Family;
    std::string_view Prepared;
    std::string_view Pattern;
    const TBarcodeGeometry& Geometry;
    TRect& Rect;
    int Rotation;
};

/// The object font at the text height the painter's resolution gives
/// FontSize points in label pixels.
[[nodiscard]] QFont BarcodeFont(const QPainter& painter, const TBarcodeOptions& options);
/// The colour of bars and text.
[[nodiscard]] QColor BarcodeColor(const TBarcodeOptions& options);
/// The text without characters below 32 or above 126.
[[nodiscard]] QString StripUnprintable(std::string_view text);
/// Rotation snapped to 0, 90, 180 or 270.
[[nodiscard]] int NormalRotation(int rotation);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

#include <array>

namespace zp {

inline constexpr int kMinZoom = 25;
inline constexpr int kMaxZoom = 400;
/// Zoom In and Zoom Out: doubling and halving above 100 %, steps of 25 below.
[[nodiscard]] int ZoomInStep(int percent);
[[nodiscard]] int ZoomOutStep(int percent);

/// Label pixels to device pixels of the design area and back: one label
/// pixel is ViewportExtent / LabelDpi device pixels (ViewportExtent is the
/// screen's pixels per inch at the zoom, rounded), and the label's origin
/// lies at Origin. Results are rounded to whole pixels, halves away from
/// zero; coordinates far outside are held within a range that cannot
/// overflow while drawing.
struct TZpViewMapping {
    int LabelDpi = 96;
    int ViewportExtent = 96;
    int OriginX = 0;
    int OriginY = 0;

    /// The mapping at zoom percent on a screen of screenPpi pixels per inch,
    /// with the label's origin at (originX, originY).
    [[nodiscard]] static TZpViewMapping ForZoom(int labelDpi, int screenPpi, int percent, int originX,
                                                int originY);
    [[nodiscard]] int ToDeviceX(int x) const;
    [[nodiscard]] int ToDeviceY(int y) const;
    [[nodiscard]] int ToLabelX(int x) const;
    [[nodiscard]] int ToLabelY(int y) const;
    [[nodiscard]] TPoint LabelToDevice(TPoint p) const { return {ToDeviceX(p.X), ToDeviceY(p.Y)}; }
    [[nodiscard]] TPoint DeviceToLabel(TPoint p) const { return {ToLabelX(p.X), ToLabelY(p.Y)}; }
    /// Both corners converted; the rectangle is not normalised.
    [[nodiscard]] TRect LabelToDeviceRect(const TRect& r) const;
    [[nodiscard]] TRect DeviceToLabelRect(const TRect& r) const;
    /// A length in label pixels as device pixels (no origin).
    [[nodiscard]] int ToDeviceLength(int length) const;
};

/// Where a pointer is on an object.
enum TZpHitCode : uint8_t {
    hcNone = 0,
    hcBody = 1,
    hcTopLeft = 2,
    hcTopRight = 3,
    hcBottomLeft = 4,
    hcBottomRight = 5,
    hcTop = 6,
    hcLeft = 7,
    hcBottom = 8,
    hcRight = 9,
    hcLineStart = 10,
    hcLineEnd = 11,
};

[[nodiscard]] TRect NormalizedRect(TRect r);

/// The eight 5 x 5 selection handles just outside a device rectangle (right
/// and bottom exclusive): top-left, top-right, bottom-right, bottom-left,
/// top-middle, bottom-middle, left-middle, right-middle.
[[nodiscard]] std::array<TRect, 8> BoxHandleRects(const TRect& deviceRect);
/// The handles of a line around its start (Left, Top) and end (Right, Bottom).
[[nodiscard]] std::array<TRect, 2> LineHandleRects(const TRect& deviceRect);
/// The area that an object's handles and outline can cover, in device pixels.
[[nodiscard]] TRect HandleExtent(const TRect& deviceRect);

/// The label rectangle round a device point that the hit extent of every
/// object the point can hit, handles included, meets; a hit test passes
/// over the others without mapping them.
[[nodiscard]] TRect PointerReach(TPoint devicePoint, const TZpViewMapping& mapping);
[[nodiscard]] inline bool Meets(const TRect& a, const TRect& b) {
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}

/// Where devicePoint is on the object; handles count only when it is selected.
[[nodiscard]] TZpHitCode HitCode(const TZpObjectPtr& object, bool selected, TPoint devicePoint,
                                 const TZpViewMapping& mapping);

} // namespace zp

// SPDX-License-Identifier: MIT
#include "design/edit/ViewGeometry.h"

#include "base/Rounding.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zp {

namespace {

// Far beyond any screen, yet twice it still fits in 32 bits.
constexpr int64_t kCoordLimit = 1 << 29;

int Clamp(int64_t v) {
    return int(std::clamp<int64_t>(v, -kCoordLimit, kCoordLimit));
}

// a * b / c, halves away from zero, held within the coordinate limit.
int Scale(int64_t a, int64_t b, int64_t c) {
    if (c <= 0)
        return 0;
    const int64_t num = a * b;
    const int64_t q = (std::llabs(num) + c / 2) / c;
    return Clamp(num < 0 ? -q : q);
}

} // namespace

int ZoomInStep(int percent) {
    return std::min(kMaxZoom, percent >= 100 ? percent * 2 : percent + 25);
}

int ZoomOutStep(int percent) {
    return std::max(kMinZoom, percent > 100 ? percent / 2 : percent - 25);
}

TZpViewMapping TZpViewMapping::ForZoom(int labelDpi, int screenPpi, int percent, int originX, int originY) {
    return {std::max(1, labelDpi), std::max(1, Round(screenPpi * percent / 100.0)), originX, originY};
}

int TZpViewMapping::ToDeviceX(int x) const {
    return Clamp(int64_t(OriginX) + Scale(x, ViewportExtent, LabelDpi));
}
int TZpViewMapping::ToDeviceY(int y) const {
    return Clamp(int64_t(OriginY) + Scale(y, ViewportExtent, LabelDpi));
}
int TZpViewMapping::ToLabelX(int x) const {
    return Scale(int64_t(x) - OriginX, LabelDpi, ViewportExtent);
}
int TZpViewMapping::ToLabelY(int y) const {
    return Scale(int64_t(y) - OriginY, LabelDpi, ViewportExtent);
}
int TZpViewMapping::ToDeviceLength(int length) const {
    return Scale(length, ViewportExtent, LabelDpi);
}

TRect TZpViewMapping::LabelToDeviceRect(const TRect& r) const {
    return {ToDeviceX(r.Left), ToDeviceY(r.Top), ToDeviceX(r.Right), ToDeviceY(r.Bottom)};
}

TRect TZpViewMapping::DeviceToLabelRect(const TRect& r) const {
    return {ToLabelX(r.Left), ToLabelY(r.Top), ToLabelX(r.Right), ToLabelY(r.Bottom)};
}

TRect NormalizedRect(TRect r) {
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

std::array<TRect, 8> BoxHandleRects(const TRect& d) {
    const int midX = d.Left + (d.Right - d.Left) / 2;
    const int midY = d.Top + (d.Bottom - d.Top) / 2;
    return {{{d.Left - 5, d.Top - 5, d.Left, d.Top},
             {d.Right, d.Top - 5, d.Right + 5, d.Top},
             {d.Right, d.Bottom, d.Right + 5, d.Bottom + 5},
             {d.Left - 5, d.Bottom, d.Left, d.Bottom + 5},
             {midX - 2, d.Top - 5, midX + 3, d.Top},
             {midX - 2, d.Bottom, midX + 3, d.Bottom + 5},
             {d.Left - 5, midY - 2, d.Left, midY + 3},
             {d.Right, midY - 2, d.Right + 5, midY + 3}}};
}

std::array<TRect, 2> LineHandleRects(const TRect& d) {
    return {{{d.Left - 2, d.Top - 2, d.Left + 3, d.Top + 3},
             {d.Right - 2, d.Bottom - 2, d.Right + 3, d.Bottom + 3}}};
}

TRect HandleExtent(const TRect& deviceRect) {
    const TRect n = NormalizedRect(deviceRect);
    return {n.Left - 15, n.Top - 15, n.Right + 5, n.Bottom + 5};
}

// The handles reach at most 9 device pixels past an object's hit extent.
constexpr int kHandleReach = 10;

TRect PointerReach(TPoint p, const TZpViewMapping& mapping) {
    // Two pixels more for the rounding of the mapping both ways.
    constexpr int r = kHandleReach + 2;
    return NormalizedRect(mapping.DeviceToLabelRect({p.X - r, p.Y - r, p.X + r, p.Y + r}));
}

TZpHitCode HitCode(const TZpObjectPtr& object, bool selected, TPoint p, const TZpViewMapping& mapping) {
    const TRect extent = NormalizedRect(mapping.LabelToDeviceRect(object->HitExtent()));
    if (p.X < extent.Left - kHandleReach || p.X > extent.Right + kHandleReach ||
        p.Y < extent.Top - kHandleReach || p.Y > extent.Bottom + kHandleReach)
        return hcNone;
    const TRect r = mapping.LabelToDeviceRect(object->GetBounds());
    const int x = p.X;
    const int y = p.Y;
    if (auto* linear = Supports<IZpLinear>(object)) {
        if (selected) {
            // The tested squares sit off the drawn handles (x - 2, y + 3), as
            // they always have.
            if (std::abs(x - r.Left - 2) < 5 && std::abs(y - r.Top + 3) < 5)
                return hcLineStart;
            if (std::abs(x - r.Right - 2) < 5 && std::abs(y - r.Bottom + 3) < 5)
                return hcLineEnd;
        }
        QPolygon polygon;
        for (const TPoint& q : linear->GetHitPolygon()) {
            const TPoint d = mapping.LabelToDevice(q);
            polygon << QPoint(d.X, d.Y);
        }
        return polygon.containsPoint(QPoint(x, y), Qt::WindingFill) ? hcBody : hcNone;
    }
    if (selected) {
        const double midX = (r.Right - r.Left) / 2.0;
        const double midY = (r.Bottom - r.Top) / 2.0;
        auto near = [](int v, int at) { return std::abs(v - at) <= 4; };
        auto mid = [](int v, int from, double half) { return std::abs(v - from - half) < 3; };
        if (near(x, r.Left - 5) && near(y, r.Top - 5))
            return hcTopLeft;
        if (near(x, r.Right + 5) && near(y, r.Bottom + 5))
            return hcBottomRight;
        if (near(x, r.Right + 5) && near(y, r.Top - 5))
            return hcTopRight;
        if (near(x, r.Left - 5) && near(y, r.Bottom + 5))
            return hcBottomLeft;
        if (mid(x, r.Left, midX) && near(y, r.Top - 5))
            return hcTop;
        if (mid(x, r.Left, midX) && near(y, r.Bottom + 5))
            return hcBottom;
        if (near(x, r.Left - 5) && mid(y, r.Top, midY))
            return hcLeft;
        if (near(x, r.Right + 5) && mid(y, r.Top, midY))
            return hcRight;
    }
    return r.Contains(p) ? hcBody : hcNone;
}

} // namespace zp

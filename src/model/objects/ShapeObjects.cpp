// SPDX-License-Identifier: MIT
#include "model/objects/ShapeObjects.h"

#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "base/ValueStream.h"
#include "model/objects/StyleDrawing.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace zp {

// ---- free line

TZpLineObject::TZpLineObject() = default;

void* TZpLineObject::QueryInterface(const std::type_info& iid) {
    if (iid == typeid(IZpLineStyle))
        return static_cast<IZpLineStyle*>(&FLineStyle);
    if (iid == typeid(IZpPaint))
        return static_cast<IZpPaint*>(this);
    if (iid == typeid(IZpLinear))
        return static_cast<IZpLinear*>(this);
    return TZpObject::QueryInterface(iid);
}

void TZpLineObject::SetLineBounds(const TRect& rect) {
    TRect r = NormalizeObjectBounds(rect);
    if (r.Bottom < r.Top && r.Right < r.Left) {
        std::swap(r.Left, r.Right);
        std::swap(r.Top, r.Bottom);
    }
    if (r.Top < 0) {
        r.Bottom -= r.Top;
        r.Top = 0;
    }
    if (r.Bottom < 0) {
        r.Top -= r.Bottom;
        r.Bottom = 0;
    }
    if (r.Left < 0) {
        r.Right -= r.Left;
        r.Left = 0;
    }
    if (r.Right < 0) {
        r.Left -= r.Right;
        r.Right = 0;
    }
    FBounds = r;
}

void TZpLineObject::SetBounds(const TRect& rect) {
    SetLineBounds(rect);
}

void TZpLineObject::LoadFromStream(TZpReader& reader) {
    TZpObject::LoadFromStream(reader);
    FLineStyle.LoadFromStream(reader);
}

void TZpLineObject::SaveToStream(TZpWriter& writer) {
    TZpObject::SaveToStream(writer);
    FLineStyle.SaveToStream(writer);
}

void TZpLineObject::Draw(QPainter& canvas) {
    DrawLineShape(canvas, FLineStyle, FBounds.TopLeft(), FBounds.BottomRight());
}

std::array<TPoint, 4> TZpLineObject::GetHitPolygon() const {
    const int32_t h = std::max(Round(FLineStyle.GetWidth() / 2.0), 5);
    TRect b = FBounds;
    if (b.Top > b.Bottom && b.Left > b.Right) {
        std::swap(b.Left, b.Right);
        std::swap(b.Top, b.Bottom);
    }
    if (b.Top < b.Bottom && b.Left < b.Right) // falling to the right
        return {TPoint{b.Left - h, b.Top}, TPoint{b.Left, b.Top - h}, TPoint{b.Right + h, b.Bottom},
                TPoint{b.Right, b.Bottom + h}};
    return {TPoint{b.Left - h, b.Top - h}, TPoint{b.Left + h, b.Top + h}, TPoint{b.Right + h, b.Bottom + h},
            TPoint{b.Right - h, b.Bottom - h}};
}

TRect TZpLineObject::HitExtent() const {
    const std::array<TPoint, 4> polygon = GetHitPolygon();
    TRect r{polygon[0].X, polygon[0].Y, polygon[0].X, polygon[0].Y};
    for (const TPoint& p : polygon) {
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X);
        r.Bottom = std::max(r.Bottom, p.Y);
    }
    return r;
}

// ---- constrained line

TZpLineConstraint::TZpLineConstraint() {
    FBounds = TRect{0, 0, LabelDPI(), 0};
    FTrackRect = FBounds;
}

void TZpLineConstraint::SetBounds(const TRect& rect) {
    const TRect c = FBounds;
    if (rect == c)
        return;
    bool startIsAnchor;
    if (rect.TopLeft() == c.TopLeft())
        startIsAnchor = true;
    else if (rect.BottomRight() == c.BottomRight())
        startIsAnchor = false;
    else if (!c.IsEmpty()) {
        SetLineBounds(rect); // moved as a whole
        return;
    } else
        startIsAnchor = true; // being placed: start where asked, the end follows

    const TPoint a = startIsAnchor ? rect.TopLeft() : rect.BottomRight();
    TPoint m = startIsAnchor ? rect.BottomRight() : rect.TopLeft();
    const int32_t dx = std::abs(rect.Right - rect.Left);
    const int32_t dy = std::abs(rect.Top - rect.Bottom);
    if (dx < dy / 4)
        m.X = a.X; // vertical
    else if (dy < dx / 4)
        m.Y = a.Y; // horizontal
    else
        m.Y = a.Y < m.Y ? a.Y + dx : a.Y - dx; // 45 degrees

    if (m.X < 0 || m.Y < 0)
        return;
    FBounds = startIsAnchor ? TRect{a.X, a.Y, m.X, m.Y} : TRect{m.X, m.Y, a.X, a.Y};
}

// ---- closed shapes

void* TZpClosedShape::QueryInterface(const std::type_info& iid) {
    if (iid == typeid(IZpFillStyle))
        return static_cast<IZpFillStyle*>(&FFillStyle);
    if (iid == typeid(IZpLineStyle))
        return static_cast<IZpLineStyle*>(&FLineStyle);
    if (iid == typeid(IZpPaint))
        return static_cast<IZpPaint*>(this);
    return TZpObject::QueryInterface(iid);
}

void TZpClosedShape::LoadFromStream(TZpReader& reader) {
    TZpObject::LoadFromStream(reader);
    FFillStyle.LoadFromStream(reader);
    FLineStyle.LoadFromStream(reader);
}

void TZpClosedShape::SaveToStream(TZpWriter& writer) {
    TZpObject::SaveToStream(writer);
    FFillStyle.SaveToStream(writer);
    FLineStyle.SaveToStream(writer);
}

void TZpRectangleObject::Draw(QPainter& canvas) {
    DrawClosedShape(canvas, FFillStyle, FLineStyle, FBounds, TZpShapeKind::Rectangle);
}

void TZpCircleObject::Draw(QPainter& canvas) {
    DrawClosedShape(canvas, FFillStyle, FLineStyle, FBounds, TZpShapeKind::Ellipse);
}

void* TZpRoundRectObject::QueryInterface(const std::type_info& iid) {
    if (iid == typeid(IZpEllipse))
        return static_cast<IZpEllipse*>(this);
    return TZpClosedShape::QueryInterface(iid);
}

void TZpRoundRectObject::LoadFromStream(TZpReader& reader) {
    TZpClosedShape::LoadFromStream(reader);
    FEllipseSize = GetVersion() > 12 ? reader.ReadSingle() : 0.25f;
}

void TZpRoundRectObject::SaveToStream(TZpWriter& writer) {
    TZpClosedShape::SaveToStream(writer);
    writer.WriteSingle(FEllipseSize);
}

void TZpRoundRectObject::Draw(QPainter& canvas) {
    DrawClosedShape(canvas, FFillStyle, FLineStyle, FBounds, TZpShapeKind::RoundRect,
                    Round(double(LabelDPI()) * FEllipseSize));
}

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/Styles.h"
#include "model/objects/ZpObject.h"

namespace zp {

/// A free line. Its bounds are its two end points, (Left, Top) and
/// (Right, Bottom); the rectangle is not normalised, so it keeps the direction.
class TZpLineObject : public TZpObject, public IZpPaint, public IZpLinear {
public:
    TZpLineObject();
    void* QueryInterface(const std::type_info& iid) override;
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpLineObject"); }
    [[nodiscard]] int CursorId() const override { return 2005; }

    /// Shifts the line, never shortening it, until no coordinate is negative.
    void SetBounds(const TRect& rect) override;
    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;
    void Draw(QPainter& canvas) override;
    [[nodiscard]] std::array<TPoint, 4> GetHitPolygon() const override;
    /// A line is hit up to half its width beside it.
    [[nodiscard]] TRect HitExtent() const override;

    [[nodiscard]] TZpLineStyle& LineStyle() { return FLineStyle; }

protected:
    /// The free line's own rule, for the constrained line to fall back on.
    void SetLineBounds(const TRect& rect);
    TZpLineStyle FLineStyle{this};
};

/// A line held horizontal, vertical or at 45 degrees while one end is dragged.
class TZpLineConstraint : public TZpLineObject {
public:
    TZpLineConstraint();
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpLineConstraint"); }
    [[nodiscard]] int CursorId() const override { return 2006; }
    void SetBounds(const TRect& rect) override;
};

/// The shapes with a fill and an outline.
class TZpClosedShape : public TZpObject, public IZpPaint {
public:
    void* QueryInterface(const std::type_info& iid) override;
    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;
    [[nodiscard]] TZpFillStyle& FillStyle() { return FFillStyle; }
    [[nodiscard]] TZpLineStyle& LineStyle() { return FLineStyle; }

protected:
    TZpFillStyle FFillStyle{this};
    TZpLineStyle FLineStyle{this};
};

class TZpRectangleObject : public TZpClosedShape {
public:
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpRectangleObject"); }
    [[nodiscard]] int CursorId() const override { return 2002; }
    void Draw(QPainter& canvas) override;
};

/// The ellipse inscribed in the bounds.
class TZpCircleObject : public TZpClosedShape {
public:
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpCircleObject"); }
    [[nodiscard]] int CursorId() const override { return 2004; }
    void Draw(QPainter& canvas) override;
};

/// A rectangle with round corners whose ellipse is FEllipseSize inches wide and high.
class TZpRoundRectObject : public TZpClosedShape, public IZpEllipse {
public:
    void* QueryInterface(const std::type_info& iid) override;
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpRoundRectObject"); }
    [[nodiscard]] int CursorId() const override { return 2003; }
    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;
    void Draw(QPainter& canvas) override;
    [[nodiscard]] float GetEllipseSize() const override { return FEllipseSize; }
    void SetEllipseSize(float inches) override { FEllipseSize = inches; }

private:
    float FEllipseSize = 0.25f;
};

} // namespace zp

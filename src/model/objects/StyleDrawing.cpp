// SPDX-License-Identifier: MIT
#include "model/objects/StyleDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace zp {

namespace {

Qt::PenStyle QtPenStyle(uint8_t style) {
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine; // solid and inside frame
    }
}

Qt::BrushStyle QtHatch(uint8_t style) {
    switch (style) {
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

QPen MakePen(const IZpLineStyle& line) {
    QPen pen(ToQColor(line.GetColor()));
    pen.setStyle(QtPenStyle(line.GetStyle()));
    pen.setWidth(std::max(0, line.GetWidth()));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

void DrawClosedShape(QPainter& painter, const IZpFillStyle& fill, const IZpLineStyle& line,
                     const TRect& bounds, TZpShapeKind kind, int cornerSize) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool solid = fill.GetStyle() == bsSolid;
    const QColor fillColor = ToQColor(fill.GetColor());

    // The background fills the gaps of a hatch and of a dashed outline: the
    // fill colour for an opaque solid fill, white otherwise, and nothing at
    // all for a transparent hatch.
    painter.setBackground(solid && !fill.GetTransparent() ? fillColor : QColor(Qt::white));
    painter.setBackgroundMode(fill.GetTransparent() && !solid ? Qt::TransparentMode : Qt::OpaqueMode);

    QPen pen = MakePen(line);
    painter.setPen(pen);
    if (solid)
        painter.setBrush(QBrush(fillColor));
    else if (fill.GetStyle() == bsClear)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(QBrush(fillColor, QtHatch(fill.GetStyle())));

    // A solid pen is drawn as an inside frame: the whole stroke lies within
    // the bounds. Other pens are centred on the outermost pixel row, as the
    // platform draws them; both agree for one-pixel outlines.
    const double width = pen.style() == Qt::NoPen ? 0.0 : std::max(1, line.GetWidth());
    const bool insideFrame = line.GetStyle() == psSolid || line.GetStyle() == psInsideFrame;
    const double inset = insideFrame ? width / 2.0 : 0.5;
    // Bounds stored with Right < Left or Bottom < Top (a loaded file may hold
    // them) draw as the same rectangle put the right way round.
    const QRectF box =
        QRectF(QPointF(bounds.Left, bounds.Top), QPointF(bounds.Right, bounds.Bottom)).normalized();
    QRectF r = box.adjusted(inset, inset, -inset, -inset);
    if (pen.style() == Qt::NoPen)
        r = box;

    switch (kind) {
    case TZpShapeKind::Rectangle:
        painter.drawRect(r);
        break;
    case TZpShapeKind::Ellipse:
        painter.drawEllipse(r);
        break;
    case TZpShapeKind::RoundRect: {
        const double radius = std::max(0.0, cornerSize / 2.0 - (insideFrame ? inset : 0.0));
        painter.drawRoundedRect(r, radius, radius, Qt::AbsoluteSize);
        break;
    }
    }
    painter.restore();
}

void DrawLineShape(QPainter& painter, const IZpLineStyle& line, TPoint from, TPoint to) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // With no brush the gaps of a dashed line show what lies underneath.
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(MakePen(line));
    painter.drawLine(QPointF(from.X, from.Y), QPointF(to.X, to.Y));
    painter.restore();
}

} // namespace zp

// SPDX-License-Identifier: MIT
#include "design/view/DesignPainting.h"

#include "base/Rounding.h"
#include "design/edit/Rulers.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace zp {

QTransform LabelTransform(const TZpViewMapping& m) {
    const double f = double(m.ViewportExtent) / m.LabelDpi;
    return QTransform(f, 0, 0, f, m.OriginX, m.OriginY);
}

TRect LabelRect(const TLabelProperties& layout, int labelDpi) {
    // Held to a size a screen can scroll through; a damaged file may ask more.
    static constexpr double kMaxInches = 1000;
    auto size = [labelDpi](float inches) {
        return Round(double(labelDpi) * std::clamp(double(inches), 0.0, kMaxInches));
    };
    return {0, 0, size(layout.Width), size(layout.Height)};
}

void PaintLabelFace(QPainter& painter, const TZpViewMapping& m, const TLabelProperties& layout,
                    QColor labelColor) {
    const TRect d = m.LabelToDeviceRect(LabelRect(layout, m.LabelDpi));
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, layout.LabelShape != lsRectangle);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(labelColor);
    // The outline covers the pixels from Left to Right - 1, as the label's
    // objects count them.
    const QRectF outline(d.Left + 0.5, d.Top + 0.5, std::max(0, d.Width() - 1), std::max(0, d.Height() - 1));
    switch (layout.LabelShape) {
    case lsRoundRect: {
        const double rx = m.ToDeviceLength(Round(m.LabelDpi * double(layout.EllipseWidth))) / 2.0;
        const double ry = m.ToDeviceLength(Round(m.LabelDpi * double(layout.EllipseHeight))) / 2.0;
        painter.drawRoundedRect(outline, rx, ry, Qt::AbsoluteSize);
        break;
    }
    case lsEllipse:
        painter.drawEllipse(outline);
        break;
    default:
        painter.drawRect(outline);
        break;
    }
    painter.restore();
}

void PaintObjects(QPainter& painter, const TZpViewMapping& m, const TZpObjectList& objects,
                  const QRect& clip) {
    const QTransform transform = LabelTransform(m);
    painter.save();
    for (const TZpObjectPtr& object : objects) {
        const TRect e = HandleExtent(m.LabelToDeviceRect(object->GetBounds()));
        if (e.Right < clip.left() || e.Left > clip.right() + 1 || e.Bottom < clip.top() ||
            e.Top > clip.bottom() + 1)
            continue;
        auto* paint = Supports<IZpPaint>(object);
        if (!paint)
            continue;
        painter.setWorldTransform(transform);
        painter.setRenderHint(QPainter::Antialiasing, false);
        paint->Draw(painter);
    }
    painter.restore();
}

void PaintUnprintable(QPainter& painter, const TZpViewMapping& m, const TLabelProperties& layout,
                      QPoint offset, QPoint printerDpi) {
    if ((offset.x() == 0 && offset.y() == 0) || printerDpi.x() <= 0 || printerDpi.y() <= 0)
        return;
    const int dpi = m.LabelDpi;
    auto px = [dpi](double inches) { return Round(dpi * inches); };
    const int offX = Round(double(offset.x()) / printerDpi.x() * dpi);
    const int offY = Round(double(offset.y()) / printerDpi.y() * dpi);
    const int left = px(layout.LeftMargin);
    const int top = px(layout.TopMargin);
    const int right = left + px((layout.Columns - 1) * double(layout.HorizontalPitch) + layout.Width);
    const int bottom = top + px((layout.Rows - 1) * double(layout.VerticalPitch) + layout.Height);
    const int labelW = px(layout.Width);
    const int labelH = px(layout.Height);
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0xFF, 0, 0), 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    auto vertical = [&](int x) {
        painter.drawLine(m.LabelToDevice({x, 0}).X, m.ToDeviceY(0), m.ToDeviceX(x), m.ToDeviceY(labelH));
    };
    auto horizontal = [&](int y) {
        painter.drawLine(m.ToDeviceX(0), m.ToDeviceY(y), m.ToDeviceX(labelW), m.ToDeviceY(y));
    };
    if (left < offX)
        vertical(offX - left);
    if (top < offY)
        horizontal(offY - top);
    if (right > px(layout.PageWidth) - offX)
        vertical(labelW + px(layout.PageWidth) - offX - right);
    if (bottom > px(layout.PageHeight) - offY)
        horizontal(labelH + px(layout.PageHeight) - bottom - offY);
    painter.restore();
}

namespace {

// One ruler drawn along x: the band is (0, 0) - (length, thickness) in the
// painter's coordinates, ticks grow from the inner (bottom) edge.
void PaintRulerBand(QPainter& painter, const TZpRulerView& v, int scroll, int visible, bool vertical) {
    const int L = v.RulerPixels;
    const QFontMetrics metrics(painter.font());
    // Only the ticks of the shown stretch (from the label's origin).
    const int from = scroll;
    const int to = scroll + visible;
    for (const TZpRulerTick& tick :
         RulerTicksBetween(from, to, v.UnitPixels, v.SubUnits, L, v.Units, v.ScreenPpi)) {
        const int at = L + tick.Pos - scroll;
        if (vertical) {
            painter.drawLine(L - tick.Length, at, L - 1, at);
            if (tick.Number)
                painter.drawText(1, at - metrics.height() + metrics.ascent(), QString::number(tick.Number));
        } else {
            painter.drawLine(at, L - tick.Length, at, L - 1);
            if (tick.Number)
                painter.drawText(at + 2, 1 + metrics.ascent(), QString::number(tick.Number));
        }
    }
}

} // namespace

void PaintRulers(QPainter& painter, const TZpRulerView& v, const QRect& clip) {
    const int L = v.RulerPixels;
    if (L <= 0)
        return;
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont font = painter.font();
    font.setPixelSize(std::max(6, L * 2 / 5));
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 0));
    const QPalette palette = QGuiApplication::palette();
    if (clip.top() < L) {
        painter.save();
        painter.setClipRect(QRect(L, 0, v.Client.width() - L, L), Qt::IntersectClip);
        painter.fillRect(QRect(L, 0, v.Client.width() - L, L), v.RulerColor);
        // The frame of the whole ruler strip; its left end scrolls away.
        painter.drawRect(QRect(L - v.HScroll, 0, v.Client.width() + v.HScroll - L - 1, L - 1));
        PaintRulerBand(painter, v, v.HScroll, v.Client.width() - L, false);
        painter.restore();
    }
    if (clip.left() < L) {
        painter.save();
        painter.setClipRect(QRect(0, L, L, v.Client.height() - L), Qt::IntersectClip);
        painter.fillRect(QRect(0, L, L, v.Client.height() - L), v.RulerColor);
        painter.drawRect(QRect(0, L - v.VScroll, L - 1, v.Client.height() + v.VScroll - L - 1));
        PaintRulerBand(painter, v, v.VScroll, v.Client.height() - L, true);
        painter.restore();
    }
    if (clip.left() < L && clip.top() < L) {
        const QRect corner(0, 0, L, L);
        painter.fillRect(corner, palette.color(QPalette::Button));
        painter.drawText(corner, Qt::AlignCenter, RulerUnitText(v.Units));
        painter.setPen(QPen(palette.color(QPalette::Light), 0));
        painter.drawPolyline(QPolygon({QPoint(1, L - 1), QPoint(1, 1), QPoint(L - 1, 1)}));
        painter.setPen(QPen(palette.color(QPalette::Dark), 0));
        painter.drawPolyline(QPolygon({QPoint(L - 1, 1), QPoint(L - 1, L - 1), QPoint(1, L - 1)}));
    }
    painter.restore();
}

void PaintSelectionHandles(QPainter& painter, const TZpViewMapping& m, const TZpObjectList& selection) {
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Inverting, so a handle shows on any colour.
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(Qt::NoPen);
    auto fill = [&painter](const TRect& r) {
        painter.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::white);
    };
    for (const TZpObjectPtr& object : selection) {
        const TRect d = m.LabelToDeviceRect(object->GetBounds());
        if (Supports<IZpLinear>(object)) {
            for (const TRect& h : LineHandleRects(d))
                fill(h);
        } else {
            for (const TRect& h : BoxHandleRects(d))
                fill(h);
        }
    }
    painter.restore();
}

} // namespace zp

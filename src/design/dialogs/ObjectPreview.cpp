// SPDX-License-Identifier: MIT
#include "design/dialogs/ObjectPreview.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "base/Rounding.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace zp {

TZpObjectPreview::TZpObjectPreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(420, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("Preview"));
}

void TZpObjectPreview::SetObjectHidden(bool hidden) {
    FHidden = hidden;
    update();
}

void TZpObjectPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Paint(p, size(), logicalDpiX(), logicalDpiY());
}

QImage TZpObjectPreview::Render() {
    QImage image(size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(Round(logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(Round(logicalDpiY() / 0.0254));
    QPainter p(&image);
    Paint(p, size(), logicalDpiX(), logicalDpiY());
    return image;
}

// The copy is drawn where it would stand with its centre on the box's
// centre (never left of or above the box, as SetBounds would shift it);
// the painter is moved instead of the copy, so drawing the preview never
// changes what OK writes back.
void TZpObjectPreview::Paint(QPainter& p, const QSize& size, double dpiX, double dpiY) {
    p.fillRect(QRect(QPoint(), size), Qt::white);
    auto* paint = Supports<IZpPaint>(FObject);
    if (FHidden || !paint)
        return;
    p.save();
    p.setClipRect(QRect(QPoint(), size));
    ApplyLabelMapping(p);
    const int dpi = LabelDPI();
    const int cx = Round(dpi / dpiX * (size.width() / 2));
    const int cy = Round(dpi / dpiY * (size.height() / 2));
    const TRect b = FObject->GetBounds();
    const int w = b.Right - b.Left, h = b.Bottom - b.Top;
    const int left = std::min(b.Left, b.Right), top = std::min(b.Top, b.Bottom);
    const int newLeft = std::max(0, cx - std::abs(w) / 2);
    const int newTop = std::max(0, cy - std::abs(h) / 2);
    p.translate(newLeft - left, newTop - top);
    try {
        paint->Draw(p);
    } catch (const EZpError&) {
        // A copy that cannot draw itself leaves the box white; the page
        // that changed it says why.
    }
    p.restore();
}

} // namespace zp

// SPDX-License-Identifier: MIT
#include "model/picture/PictureDrawing.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>

namespace zp {

const std::vector<TZpImageTiles::TTile>& TZpImageTiles::For(const QImage& image) {
    if (FKey == image.cacheKey() && !FTiles.empty())
        return FTiles;
    FTiles.clear();
    for (int y = 0; y < image.height(); y += kTileSize)
        for (int x = 0; x < image.width(); x += kTileSize) {
            const QRect source = QRect(x, y, kTileSize, kTileSize).intersected(image.rect());
            FTiles.push_back({source, image.copy(source)});
        }
    FKey = image.cacheKey();
    return FTiles;
}

void DrawPictureImage(QPainter& painter, const QImage& image, const TRect& bounds,
                      const TZpPicturePlacement& placement, TZpImageTiles& tiles) {
    if (image.isNull() || bounds.Width() <= 0 || bounds.Height() <= 0)
        return;
    const QRectF box(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    // Label pixels per image pixel.
    double sx, sy;
    if (placement.Stretch) {
        sx = box.width() / image.width();
        sy = box.height() / image.height();
    } else {
        sx = sy = double(placement.LabelDpi) / std::max(1, placement.ScreenPixelsPerInch);
    }
    painter.save();
    // Colour on colour: neighbouring pixels are never blended.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!placement.Stretch)
        painter.setClipRect(box, Qt::IntersectClip);
    if (!placement.Alternate) {
        painter.drawImage(QRectF(box.left(), box.top(), image.width() * sx, image.height() * sy), image);
    } else {
        const QRectF visible = painter.hasClipping() ? painter.clipBoundingRect() : box;
        for (const auto& tile : tiles.For(image)) {
            const QRectF target(box.left() + tile.Source.x() * sx, box.top() + tile.Source.y() * sy,
                                tile.Source.width() * sx, tile.Source.height() * sy);
            if (target.intersects(visible) && target.intersects(box))
                painter.drawImage(target, tile.Image);
        }
    }
    painter.restore();
}

void DrawPictureOutline(QPainter& painter, const TRect& bounds) {
    painter.save();
    QPen pen(Qt::black, 0, Qt::DashLine); // cosmetic: one device pixel at any zoom
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(bounds.Left, bounds.Top, bounds.Width() - 1, bounds.Height() - 1));
    painter.restore();
}

bool IsPrintCanvas(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (device && device->devType() == QInternal::Printer)
        return true;
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Pdf;
}

} // namespace zp

// SPDX-License-Identifier: MIT
#include "base/LabelMapping.h"

#include "base/LabelDpi.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

namespace zp {

void ApplyLabelMapping(QPainter& painter, QPointF deviceOrigin) {
    ApplyLabelMapping(painter, deviceOrigin, LabelDPI());
}

void ApplyLabelMapping(QPainter& painter, QPointF deviceOrigin, int labelDpi) {
    const QPaintDevice* device = painter.device();
    const double dpiX = device ? device->logicalDpiX() : labelDpi;
    const double dpiY = device ? device->logicalDpiY() : labelDpi;
    QTransform t = QTransform::fromTranslate(deviceOrigin.x(), deviceOrigin.y());
    t.scale(dpiX / labelDpi, dpiY / labelDpi);
    painter.setWorldTransform(t);
}

} // namespace zp

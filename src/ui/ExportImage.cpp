// SPDX-License-Identifier: MIT
#include "ui/ExportImage.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "model/objects/Interfaces.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <climits>
#include <cmath>

namespace zp {

const QString kExportImageFilter =
    QStringLiteral("Bitmap (*.bmp);;JPEG (*.jpg *.jpeg);;PNG (*.png);;Scalable Vector Graphics (*.svg)");

namespace {

TRect CoveredRect(const TZpObjectList& objects) {
    TRect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const TZpObjectPtr& o : objects)
        if (auto* obj = Supports<IZpObject>(o)) {
            const TRect b = obj->GetBounds();
            r.Left = std::min({r.Left, b.Left, b.Right});
            r.Top = std::min({r.Top, b.Top, b.Bottom});
            r.Right = std::max({r.Right, b.Left, b.Right});
            r.Bottom = std::max({r.Bottom, b.Top, b.Bottom});
        }
    return r;
}

void Draw(const TZpObjectList& objects, QPainter& painter, const TRect& area, int dpi) {
    const double scale = double(dpi) / LabelDPI();
    ApplyLabelMapping(painter, QPointF(-area.Left * scale, -area.Top * scale), LabelDPI());
    for (const TZpObjectPtr& o : objects)
        if (auto* paint = Supports<IZpPaint>(o))
            paint->Draw(painter);
}

} // namespace

void ExportObjectsToImage(const TZpObjectList& objects, const QString& fileName, int dpi) {
    const TRect area = CoveredRect(objects);
    if (area.Left > area.Right || dpi <= 0)
        throw EZpError(QStringLiteral("There is nothing to export."));
    const double scale = double(dpi) / LabelDPI();
    const int width = std::max(1, int(std::ceil((area.Right - area.Left + 1) * scale)));
    const int height = std::max(1, int(std::ceil((area.Bottom - area.Top + 1) * scale)));
    if (qint64(width) * height > 400'000'000)
        throw EZpError(QStringLiteral("The selected objects are too large to export at %1 DPI.").arg(dpi));
    const QString ext = QFileInfo(fileName).suffix().toUpper();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (ext == QLatin1String("SVG")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(dpi);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setTitle(QFileInfo(fileName).completeBaseName());
        QPainter painter(&svg);
        Draw(objects, painter, area, dpi);
    } else {
        QImage image(width, height, QImage::Format_RGB32);
        image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
        image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            Draw(objects, painter, area, dpi);
        }
        const char* format = ext == QLatin1String("JPG") || ext == QLatin1String("JPEG") ? "JPEG"
                             : ext == QLatin1String("PNG")                               ? "PNG"
                                                                                         : "BMP";
        QImageWriter writer(&buffer, format);
        if (!writer.write(image))
            throw EZpError(QStringLiteral("Cannot write %1: %2").arg(fileName, writer.errorString()));
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EZpError(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
}

} // namespace zp

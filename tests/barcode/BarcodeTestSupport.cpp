// SPDX-License-Identifier: MIT
#include "BarcodeTestSupport.h"

#include "base/LabelDpi.h"
#include "base/LabelMapping.h"

#include <QPainter>
#include <cmath>

namespace zp::test {

TBarcodeOptions BarcodeOptions(uint8_t symbology, int32_t density) {
    TBarcodeOptions o;
    o.Symbology = symbology;
    o.Density = density;
    o.WideToNarrow = 3.0f;
    o.Height = 50;
    o.ShowHumanReadable = false;
    return o;
}

QImage LabelImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(std::lround(LabelDPI() / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

QImage DrawToImage(std::string_view data, TRect& rect, const TBarcodeOptions& options, int rotation,
                   int width, int height) {
    QImage image = LabelImage(width, height);
    QPainter painter(&image);
    ApplyLabelMapping(painter, {}, LabelDPI());
    DrawBarcode(painter, data, rect, options, rotation);
    painter.end();
    return image;
}

std::string ScanRow(const QImage& image, int y, int from, int to) {
    std::string out;
    for (int x = from; x < to; ++x)
        out += qGray(image.pixel(x, y)) < 128 ? '1' : '0';
    return out;
}

std::string ScanColumn(const QImage& image, int x, int from, int to) {
    std::string out;
    for (int y = from; y < to; ++y)
        out += qGray(image.pixel(x, y)) < 128 ? '1' : '0';
    return out;
}

std::string Widen(std::string_view modules, int w) {
    std::string out;
    for (char c : modules)
        out.append(static_cast<size_t>(w), c);
    return out;
}

} // namespace zp::test

// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/Barcode.h"
#include "base/Rect.h"
#include "support/TestSupport.h"

#include <QImage>
#include <string>
#include <vector>

namespace zp::test {

/// Options for a symbology with plain defaults: density 1, ratio 3, no text.
[[nodiscard]] TBarcodeOptions BarcodeOptions(uint8_t symbology, int32_t density = 1);

/// A white image whose resolution is LabelDPI, so that one label pixel is one
/// image pixel.
[[nodiscard]] QImage LabelImage(int width, int height);

/// Draws data into rect (label pixels, which moves as DrawBarcode moves it)
/// on a LabelImage of the given size.
[[nodiscard]] QImage DrawToImage(std::string_view data, TRect& rect, const TBarcodeOptions& options,
                                 int rotation, int width, int height);

/// The runs along a row (or column) of an image from..to: "1" for every dark
/// pixel, "0" for every light one.
[[nodiscard]] std::string ScanRow(const QImage& image, int y, int from, int to);
[[nodiscard]] std::string ScanColumn(const QImage& image, int x, int from, int to);

/// The pattern of modules drawn at width w each: every character repeated w times.
[[nodiscard]] std::string Widen(std::string_view modules, int w);

} // namespace zp::test

// SPDX-License-Identifier: MIT
// Symbol width, density fitting and the density figures shown to the user.
#include "barcode/Barcode.h"
#include "barcode/BarcodeLayout.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"

#include <limits>

namespace zp {

int32_t BarcodeWidth(std::string_view data, const TBarcodeOptions& options) {
    const std::string prepared = PrepareBarcodeData(data, options);
    if (!ValidateBarcodeData(options, prepared, false))
        return ClampLength(int64_t{2} * LabelDPI());
    const TBarcodeFamily& family = BarcodeFamily(options.Symbology);
    const TBarcodeGeometry geometry =
        family.Geometry ? family.Geometry(prepared, options) : TBarcodeGeometry{};
    const int64_t bars =
        TBarcodeLayout(family, options, geometry).Walk(EncodeBarcode(prepared, options), nullptr);
    return ClampLength(geometry.LeftMargin + bars + geometry.RightMargin);
}

int32_t FitBarcodeDensity(std::string_view data, const TBarcodeOptions& options, int32_t wantedWidth) {
    TBarcodeOptions unit = options;
    unit.Density = 1;
    const int32_t w1 = BarcodeWidth(data, unit);
    if (w1 <= 0)
        return 1;
    return std::max(1, Trunc(static_cast<double>(wantedWidth) / w1));
}

float BarcodeMils(const TBarcodeOptions& options) {
    const int dpi = LabelDPI();
    if (dpi <= 0)
        return 0;
    return static_cast<float>(static_cast<double>(options.Density) / dpi * 1000.0);
}

float BarcodeCharsPerInch(const TBarcodeOptions& options) {
    const double r = options.WideToNarrow;
    const double d = options.Density;
    double c = 0;
    switch (options.Symbology) {
    case bcCode39:
    case bcCode39Ascii:
        c = (3 * r + 7) * d;
        break;
    case bcCode128:
        c = 11 * d;
        break;
    case bcUCC128:
        c = 7.381 * d;
        break;
    case bcUPCA:
        c = 7.916 * d;
        break;
    case bcUPCE0:
    case bcUPCE1:
        c = 6.375 * d;
        break;
    case bcEAN13:
    case bcBookland:
        c = 7.307 * d;
        break;
    case bcEAN8:
        c = 8.375 * d;
        break;
    case bcInt2of5:
    case bcITF14:
        c = (4 * r + 6) * d / 2;
        break;
    case bcCodabar:
    case bcCodabarCLSI:
        c = (2 * r + 6) * d;
        break;
    case bcMSI:
    case bcMSIISBN:
        c = 12 * d;
        break;
    case bcCode93:
        c = 9 * d;
        break;
    case bcCode11:
        c = 8 * d;
        break;
    default:
        return 0;
    }
    // A zero or unusable character width has no figure rather than an infinite one.
    if (!(c > 0) || c == std::numeric_limits<double>::infinity())
        return 0;
    return static_cast<float>(LabelDPI() / c);
}

} // namespace zp

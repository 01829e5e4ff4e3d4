// SPDX-License-Identifier: MIT
#include "print/verify/SymbolReader.h"

#include <QImage>
#include <QtEndian>
#include <ZXing/ReadBarcode.h>

namespace zp {

namespace {

ZXing::BarcodeFormat ReaderFormat(uint8_t symbology) {
    using ZXing::BarcodeFormat;
    switch (symbology) {
    case bcCode39:
    case bcCode39Ascii:
        return BarcodeFormat::Code39;
    case bcCode128:
    case bcUCC128:
        return BarcodeFormat::Code128;
    case bcUPCA:
        return BarcodeFormat::UPCA;
    case bcUPCE0:
    case bcUPCE1:
        return BarcodeFormat::UPCE;
    case bcEAN13:
    case bcBookland:
        return BarcodeFormat::EAN13;
    case bcEAN8:
        return BarcodeFormat::EAN8;
    case bcInt2of5:
    case bcITF14:
        return BarcodeFormat::ITF;
    case bcCodabar:
    case bcCodabarCLSI:
        return BarcodeFormat::Codabar;
    case bcCode93:
        return BarcodeFormat::Code93;
    default:
        return BarcodeFormat::None;
    }
}

} // namespace

std::optional<TZpSymbolRead> ReadSymbol(const QImage& image, const QRect& region,
                                        const TBarcodeOptions& options, bool expectSupplement, bool turned) {
    const ZXing::BarcodeFormat format = ReaderFormat(options.Symbology);
    const QRect area = region.intersected(image.rect());
    if (format == ZXing::BarcodeFormat::None || area.isEmpty())
        return std::nullopt;
    const bool gray = image.format() == QImage::Format_Grayscale8;
    if (!gray && image.format() != QImage::Format_RGB32)
        return std::nullopt;
    // RGB32 pixels are 0xffRRGGBB words: B, G, R, X in memory on a little-endian machine.
    constexpr ZXing::ImageFormat kRgb32 =
        Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? ZXing::ImageFormat::BGRX : ZXing::ImageFormat::XRGB;
    const int pixel = gray ? 1 : 4;
    const ZXing::ImageView view(image.constScanLine(area.top()) + area.left() * pixel, area.width(),
                                area.height(), gray ? ZXing::ImageFormat::Lum : kRgb32,
                                int(image.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format)
        .setTryRotate(turned)
        .setTryDownscale(false)
        .setTryCode39ExtendedMode(options.Symbology == bcCode39Ascii)
        .setValidateCode39CheckSum(options.CheckDigit && format == ZXing::BarcodeFormat::Code39)
        .setReturnCodabarStartEnd(true)
        .setEanAddOnSymbol(expectSupplement ? ZXing::EanAddOnSymbol::Require : ZXing::EanAddOnSymbol::Ignore)
        .setMaxNumberOfSymbols(1);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    const ZXing::ByteArray& bytes = result.bytes();
    TZpSymbolRead read{std::string(bytes.begin(), bytes.end()), {}};
    // A supplement comes after the main symbol's digits, set off by a space.
    if (expectSupplement) {
        if (const size_t space = read.Text.find(' '); space != std::string::npos) {
            read.Supplement = read.Text.substr(space + 1);
            read.Text.resize(space);
        }
    }
    return read;
}

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeOptions.h"

#include <QRect>
#include <optional>
#include <string>

class QImage;

namespace zp {

/// What a reader took from a symbol: the main symbol's bytes and an EAN/UPC
/// supplement apart.
struct TZpSymbolRead {
    std::string Text;
    std::string Supplement;
};

/// Reads the one symbol of the symbology in region of an RGB32 or 8-bit
/// grayscale image (device pixels, read as luminance), the way a scanner set up for that symbology
/// would: Code 39 Full ASCII decoded, a Code 39 check character verified and
/// left out, Codabar with its start and stop characters, a supplement read
/// when one is expected. Nothing when no symbol of the kind is found there.
[[nodiscard]] std::optional<TZpSymbolRead> ReadSymbol(const QImage& image, const QRect& region,
                                                      const TBarcodeOptions& options, bool expectSupplement,
                                                      bool turned);

} // namespace zp

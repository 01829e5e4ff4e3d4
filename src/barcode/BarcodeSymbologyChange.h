// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/EanUpcFont.h"

#include <cstdint>

namespace zp {

class IZpBarcode;

/// A new symbology picked for a bar code (in the properties dialog): the
/// Symbology setter, then the settings that suit it. Code 39: no check digit
/// shown or computed, no start/stop shown, ratio 2.0. UPC-A and UPC-E: text,
/// descenders, number system, check digit shown and computed, extended
/// supplement; OCR-B face and the UPC/EAN default density (the density
/// setter resizes). EAN 13: face and density. Codabar: start and stop A.
/// Other symbologies take nothing more.
void ChangeBarcodeSymbology(IZpBarcode& barcode, uint8_t symbology);

} // namespace zp

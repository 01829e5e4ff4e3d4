// SPDX-License-Identifier: MIT
#include "barcode/BarcodeSymbologyChange.h"

#include "barcode/BarcodeOptions.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "model/objects/Interfaces.h"

namespace zp {

namespace {

void UseEanUpcFontAndDensity(IZpBarcode& barcode) {
    if (auto* font = Supports<IZpFont>(barcode))
        font->SetName(QLatin1String(kEanUpcFontName));
    barcode.SetDensity(Round(LabelDPI() * kEanUpcDefaultDensity));
}

} // namespace

void ChangeBarcodeSymbology(IZpBarcode& barcode, uint8_t symbology) {
    barcode.SetSymbology(symbology);
    switch (symbology) {
    case bcCode39:
    case bcCode39Ascii:
        barcode.SetCheckDigit(false);
        barcode.SetShowCheckDigit(false);
        barcode.SetShowStartStop(false);
        barcode.SetWideToNarrow(2.0f);
        break;
    case bcUPCA:
    case bcUPCE0:
    case bcUPCE1:
        barcode.SetShowHumanReadable(true);
        barcode.SetDescenders(true);
        barcode.SetShowNumberSystem(true);
        barcode.SetShowCheckDigit(true);
        barcode.SetCheckDigit(true);
        barcode.SetExtendSupplement(true);
        UseEanUpcFontAndDensity(barcode);
        break;
    case bcEAN13:
        UseEanUpcFontAndDensity(barcode);
        break;
    case bcCodabar:
    case bcCodabarCLSI:
        barcode.SetCodabarStart(0);
        barcode.SetCodabarStop(0);
        break;
    default:
        break;
    }
}

} // namespace zp

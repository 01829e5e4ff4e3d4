// SPDX-License-Identifier: MIT
#include "print/BarcodeProbe.h"

#include "barcode/Barcode.h"
#include "barcode/BarcodeObject.h"

namespace zp {

bool TZpBarcodeProbe::IsBarcode(const TZpObject& obj) {
    return dynamic_cast<const TZpBarcodeObject*>(&obj);
}

bool TZpBarcodeProbe::IsValid(TZpObject& obj, const QString& value) {
    const auto& barcode = dynamic_cast<const TZpBarcodeObject&>(obj);
    const TBarcodeOptions options = barcode.GetOptions();
    return ValidateBarcodeData(options, PrepareBarcodeData(BarcodeBytes(value), options), false);
}

int32_t TZpBarcodeProbe::SymbolWidth(TZpObject& obj, const QString& value) {
    const auto& barcode = dynamic_cast<const TZpBarcodeObject&>(obj);
    return BarcodeWidth(BarcodeBytes(value), barcode.GetOptions());
}

} // namespace zp

// SPDX-License-Identifier: MIT
#include "barcode/BarcodePrePrint.h"

#include "barcode/Barcode.h"
#include "barcode/BarcodeCanvas.h"
#include "model/data/ZpData.h"
#include "model/objects/Interfaces.h"

#include <algorithm>
#include <limits>

namespace zp {

bool IsBarcodeDataValid(const TBarcodeOptions& options, const QString& text) {
    std::string data = options.Preamble;
    data += BarcodeBytes(text);
    data += options.Postamble;
    return ValidateBarcodeData(options, data, false);
}

TRect BarcodeSymbolRect(const TRect& bounds, int32_t rotation, int32_t symbolWidth) {
    auto plus = [](int32_t a, int32_t b) {
        return static_cast<int32_t>(std::clamp<int64_t>(int64_t{a} + b, std::numeric_limits<int32_t>::min(),
                                                        std::numeric_limits<int32_t>::max()));
    };
    TRect r = bounds;
    if (NormalRotation(rotation) % 180 == 0)
        r.Right = plus(r.Left, symbolWidth);
    else
        r.Bottom = plus(r.Top, symbolWidth);
    return r;
}

std::optional<TBarcodePrePrint> BarcodePrePrint(IZpUnknown& object) {
    auto* obj = Supports<IZpObject>(object);
    auto* data = Supports<IZpData>(object);
    auto* barcode = Supports<IZpBarcode>(object);
    auto* rotation = Supports<IZpRotation>(object);
    if (!(obj && data && barcode && rotation))
        return std::nullopt;
    const TBarcodeOptions options = barcode->GetOptions();
    const QString text = data->GetText();
    return TBarcodePrePrint{
        IsBarcodeDataValid(options, text),
        BarcodeSymbolRect(obj->GetBounds(), rotation->GetRotation(),
                          BarcodeWidth(BarcodeBytes(text), options)),
    };
}

} // namespace zp

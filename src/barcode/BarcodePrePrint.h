// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeOptions.h"
#include "base/Rect.h"

#include <QString>
#include <optional>

namespace zp {

class IZpUnknown;

/// What the print job checks of a bar code object before a run, without
/// asking anything: whether its data suits the symbology, and where the
/// symbol would reach at the object's rotation.

/// Preamble + text + Postamble validated as they stand (no escapes expanded,
/// no typed check digit dropped), without messages.
[[nodiscard]] bool IsBarcodeDataValid(const TBarcodeOptions& options, const QString& text);

/// bounds with the extent along the symbol replaced by symbolWidth: Right :=
/// Left + symbolWidth at 0 and 180 degrees, Bottom := Top + symbolWidth at
/// 90 and 270.
[[nodiscard]] TRect BarcodeSymbolRect(const TRect& bounds, int32_t rotation, int32_t symbolWidth);

struct TBarcodePrePrint {
    /// IsBarcodeDataValid on the object's options and current data text.
    bool Valid = false;
    /// BarcodeSymbolRect of the object's bounds, rotation and the symbol's
    /// width for its current data text (2 inches for invalid data).
    TRect SymbolRect;
};

/// Both answers for an object that supports IZpObject, IZpData, IZpBarcode
/// and IZpRotation; nothing for any other object.
[[nodiscard]] std::optional<TBarcodePrePrint> BarcodePrePrint(IZpUnknown& object);

} // namespace zp

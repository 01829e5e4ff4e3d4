// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/ZpObject.h"

#include <QString>

namespace zp {

/// What the pre-print checks ask of a bar code object, for data that only
/// becomes known per record.
class TZpBarcodeProbe {
public:
    /// Whether obj is a bar code object.
    [[nodiscard]] static bool IsBarcode(const TZpObject& obj);
    /// Whether the symbology takes preamble + value + postamble (no message).
    [[nodiscard]] static bool IsValid(TZpObject& obj, const QString& value);
    /// The symbol's width in label pixels for the value.
    [[nodiscard]] static int32_t SymbolWidth(TZpObject& obj, const QString& value);
};

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeOptions.h"

#include <string>
#include <string_view>

namespace zp {

/// What a scanner transmits for a symbol: the main symbol's text with the
/// check characters a reader passes on, and an EAN/UPC supplement apart.
struct TZpScanExpectation {
    /// False for the symbologies no reader here can decode (MSI/Plessey,
    /// Code 11, Postnet, FIM).
    bool Checked = false;
    std::string Text;
    std::string Supplement;
};

/// The expectation for valid prepared data (PrepareBarcodeData): Code 39
/// without its "*" frame (a check character is verified and left out), Code
/// 128 with FNC1 as GS and no leading FNC1, EAN/UPC with number system and
/// check digit, Interleaved 2 of 5 padded to an even count with its check
/// digit, Codabar with its start and stop characters.
[[nodiscard]] TZpScanExpectation ExpectedScan(const TBarcodeOptions& options, std::string_view prepared);

} // namespace zp

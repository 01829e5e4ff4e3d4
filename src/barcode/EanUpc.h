// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeFamily.h"

#include <string>
#include <string_view>

namespace zp {

/// One EAN/UPC symbol taken apart: the shared pieces of the family's
/// encoding, text and layout (UPC-A, UPC-E 0 and 1, EAN 13, EAN 8, Bookland).
struct TEanSymbol {
    uint8_t Symbology = bcUPCA;
    /// The digits the user gives for the main symbol (11, 6, 12, 7 or 9).
    std::string Main;
    /// The symbol's check digit.
    char Check = '0';
    /// 2 or 5 supplement digits, or empty.
    std::string Supplement;
    /// Modules of the main symbol: 95, 51 or 67.
    int MainModules = 95;

    /// Splits valid prepared data (a typed check digit is dropped first).
    [[nodiscard]] static TEanSymbol Parse(std::string_view prepared, uint8_t symbology);
};

/// Main digits of a type code: 11 UPC-A, 6 UPC-E, 12 EAN 13, 7 EAN 8, 9 Bookland.
[[nodiscard]] int EanMainLength(uint8_t symbology);
/// True for type codes 4 to 9.
[[nodiscard]] bool IsEanUpc(uint8_t symbology);
/// UPC-E: the ten manufacturer and product digits the six digits stand for.
[[nodiscard]] std::string ExpandUpcE(std::string_view six);
/// The ISBN check character of nine digits ("X" for 10).
[[nodiscard]] char IsbnCheck(std::string_view nine);
/// "ISBN g-p-t-c" from the nine Bookland digits.
[[nodiscard]] std::string IsbnLine(std::string_view nine);
/// The digit margin G: 7 modules for EAN 13 with descenders and Bookland, 9 otherwise.
[[nodiscard]] int64_t EanDigitMargin(const TBarcodeOptions& options);

/// The family's own layout (descenders, digit groups, supplement digits,
/// the ISBN line); false when the plain layout applies.
bool DrawEanUpc(TBarcodeDrawContext& context);

} // namespace zp

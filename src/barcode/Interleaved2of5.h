// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zp {

/// Interleaved 2 of 5 (USS and OPCC check digits) and ITF14: element patterns
/// without character gaps.
namespace i25 {

/// Check digit by method: 0 USS, 1 OPCC, any other "0".
[[nodiscard]] char CheckDigit(std::string_view digits, uint8_t method);

/// The digits the symbol carries: data, optional check digit, a "0" in front
/// when the count is odd.
[[nodiscard]] std::string SymbolDigits(std::string_view data, bool checkDigit, uint8_t method);

/// "0000", the interleaved pairs, "100"; an odd count is padded with a leading "0".
[[nodiscard]] std::string PatternOfDigits(std::string_view digits);

[[nodiscard]] std::string HumanReadable(std::string_view data, bool checkDigit, bool showCheckDigit,
                                        uint8_t method);

[[nodiscard]] std::string Itf14HumanReadable(std::string_view data, bool showCheckDigit);

} // namespace i25

[[nodiscard]] const char* ValidateInterleaved2of5(std::string_view data);
[[nodiscard]] const char* ValidateItf14(std::string_view data);

[[nodiscard]] std::string EncodeInterleaved2of5(std::string_view data, bool checkDigit, uint8_t method);
[[nodiscard]] std::string EncodeItf14(std::string_view data);

} // namespace zp

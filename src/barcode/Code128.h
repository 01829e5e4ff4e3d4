// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zp {

/// Code 128 and UCC Code 128: automatic code-set selection, check value and
/// module patterns. Data is prepared (escapes expanded, "\F1".."\F4" still as
/// three characters); characters 201..207 and 251..254 stand for function values.
namespace code128 {

inline constexpr int kCodeC = 99;
inline constexpr int kCodeB = 100; // FNC4 in set B
inline constexpr int kCodeA = 101; // FNC4 in set A
inline constexpr int kShift = 98;
inline constexpr int kFnc1 = 102;
inline constexpr int kStartA = 103;
inline constexpr int kStartB = 104;
inline constexpr int kStartC = 105;
inline constexpr int kStop = 106;

/// The 11-module pattern of a value 0..106 (the stop with its final bar: 13 modules).
[[nodiscard]] std::string_view ValuePattern(int value);

/// Replaces "\F1".."\F4" by the internal characters 251..254.
[[nodiscard]] std::string ReplaceFunctionEscapes(std::string_view data);

/// Symbol values from the start value to the stop value, check value included.
[[nodiscard]] std::vector<uint8_t> Values(std::string_view data);

/// Module pattern of the values: concatenated value patterns.
[[nodiscard]] std::string PatternOf(const std::vector<uint8_t>& values);

/// The data without "\F1".."\F4" and without characters below 32.
[[nodiscard]] std::string HumanReadable(std::string_view data);

/// The Code 128 data a UCC Code 128 symbol encodes: FNC1 (207), the escape
/// "\F1" for 8-digit data, the digits and the optional check digit.
[[nodiscard]] std::string UccSymbolData(std::string_view data, bool checkDigit);

/// UCC Code 128 text, plain or in application-identifier groups.
[[nodiscard]] std::string UccHumanReadable(std::string_view data, bool checkDigit, bool uccFormatting);

} // namespace code128

/// The length rule, then the character set: ASCII and the function
/// characters 201..207 (the escapes \F1..\F4 are ASCII until encoding).
/// nullptr for valid data.
[[nodiscard]] const char* ValidateCode128(std::string_view data);
/// The UCC Code 128 length rule; digits are checked by the caller.
[[nodiscard]] const char* ValidateUcc128(std::string_view data, bool checkDigit);

[[nodiscard]] std::string EncodeCode128(std::string_view data);
[[nodiscard]] std::string EncodeUcc128(std::string_view data, bool checkDigit);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zp {

/// Code 93 with the full-ASCII translation always on and both check values.
namespace code93 {

inline constexpr int kShiftDollar = 43;  // ($)
inline constexpr int kShiftPercent = 44; // (%)
inline constexpr int kShiftSlash = 45;   // (/)
inline constexpr int kShiftPlus = 46;    // (+)
inline constexpr int kStartStop = 47;

/// The 9-module pattern of a value 0..47.
[[nodiscard]] std::string_view ValuePattern(int value);

/// Data values after the full-ASCII translation (characters above 127 dropped).
[[nodiscard]] std::vector<uint8_t> DataValues(std::string_view data);

/// Appends the check values C and K.
void AppendCheckValues(std::vector<uint8_t>& values);

/// The prepared data without characters below 32.
[[nodiscard]] std::string HumanReadable(std::string_view data);

} // namespace code93

/// The length rule, then the character set (ASCII); nullptr for valid data.
[[nodiscard]] const char* ValidateCode93(std::string_view data);
[[nodiscard]] std::string EncodeCode93(std::string_view data);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zp {

/// Code 11: five elements per character, each followed by a character gap; the
/// check character C always, K as well when two check digits are asked for.
namespace code11 {

/// Check character over the characters with weights 1..maxWeight cycling from
/// the right ("-" counts 10); a check value of 10 is written "-".
[[nodiscard]] char CheckCharacter(std::string_view characters, int maxWeight);

/// C, or C and K.
[[nodiscard]] std::string CheckCharacters(std::string_view data, bool checkDigit);

[[nodiscard]] std::string HumanReadable(std::string_view data, bool checkDigit, bool showCheckDigit,
                                        bool showCheckDigit2);

} // namespace code11

[[nodiscard]] const char* ValidateCode11(std::string_view data);
[[nodiscard]] std::string EncodeCode11(std::string_view data, bool checkDigit);

} // namespace zp

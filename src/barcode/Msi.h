// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zp {

/// MSI/Plessey and MSI/Plessey ISBN: each character four bits, each bit a bar
/// and a space whose widths say the bit; "X" stands for the check value 10.
namespace msi {

/// Modulo 10 check: the odd-position digits from the right read as one number,
/// doubled, its digits added to the even-position digits.
[[nodiscard]] char Mod10(std::string_view digits);
/// Modulo 11 check with weights 2..7 cycling from the right; "X" for a remainder of 1.
[[nodiscard]] char Mod11(std::string_view digits);
/// ISBN check over nine digits: sum of i × digit i, mod 11, 10 as "X".
[[nodiscard]] char IsbnCheck(std::string_view digits);
/// Modulo 11 with weights 2, 3, 4 ... from the right, not wrapping ("X" counts 10).
[[nodiscard]] char Mod11Rising(std::string_view characters);

/// The check characters of MSI/Plessey: one modulo 10, or two when checkDigit.
[[nodiscard]] std::string CheckCharacters(std::string_view data, bool checkDigit, bool firstMod11);
/// The two check characters of MSI/Plessey ISBN.
[[nodiscard]] std::string IsbnCheckCharacters(std::string_view data);

/// "1", four bits per character, "00".
[[nodiscard]] std::string BitPattern(std::string_view characters);

[[nodiscard]] std::string HumanReadable(std::string_view data, bool checkDigit, bool firstMod11,
                                        bool showCheckDigit, bool showCheckDigit2);
[[nodiscard]] std::string IsbnHumanReadable(std::string_view data, bool showCheckDigit);

} // namespace msi

[[nodiscard]] const char* ValidateMsi(std::string_view data);
[[nodiscard]] const char* ValidateMsiIsbn(std::string_view data);

[[nodiscard]] std::string EncodeMsi(std::string_view data, bool checkDigit, bool firstMod11);
[[nodiscard]] std::string EncodeMsiIsbn(std::string_view data);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zp {

/// Codabar and Codabar CLSI: seven elements per character, each followed by a
/// character gap.
namespace codabar {

/// The start or stop character "A".."D" of an option value 0..3 (others: "A").
[[nodiscard]] char FrameCharacter(uint8_t option);

/// The 7-element pattern of a character; empty for a character without one.
[[nodiscard]] std::string_view CharacterPattern(char c);

/// CLSI check digit: weights 2, 1, 2 ... from the left, products above 9 less 9.
[[nodiscard]] char ClsiCheckDigit(std::string_view digits);

[[nodiscard]] std::string HumanReadable(std::string_view data, uint8_t start, uint8_t stop,
                                        bool showStartStop);
[[nodiscard]] std::string ClsiHumanReadable(std::string_view data, uint8_t start, uint8_t stop,
                                            bool showStartStop);

} // namespace codabar

[[nodiscard]] const char* ValidateCodabar(std::string_view data);
[[nodiscard]] const char* ValidateCodabarClsi(std::string_view data);

/// Element pattern of the framed data; characters without a pattern are left out.
[[nodiscard]] std::string EncodeCodabar(std::string_view data, uint8_t start, uint8_t stop);
[[nodiscard]] std::string EncodeCodabarClsi(std::string_view data, uint8_t start, uint8_t stop);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zp {

/// Postnet (bar-height pattern: "1" tall, "0" short) and FIM (position pattern:
/// "1" a bar, "0" an empty position). Both are drawn at fixed pitches of the
/// label resolution and carry no text.
namespace postal {

/// The digits of the data, every other character left out.
[[nodiscard]] std::string PostnetDigits(std::string_view data);
/// (10 − digit sum mod 10) mod 10 over the digits of the data.
[[nodiscard]] char PostnetCheckDigit(std::string_view data);

} // namespace postal

[[nodiscard]] const char* ValidatePostnet(std::string_view data);
[[nodiscard]] const char* ValidateFim(std::string_view data);

[[nodiscard]] std::string EncodePostnet(std::string_view data);
[[nodiscard]] std::string EncodeFim(std::string_view data);

} // namespace zp

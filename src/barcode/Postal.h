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

/// Bar and position width: Round(dpi × 11/480) for Postnet, Round(dpi / 32) for FIM.
[[nodiscard]] int PostnetBarWidth(int labelDpi);
[[nodiscard]] int FimBarWidth(int labelDpi);
/// Bar heights: the tall Postnet bar Round(dpi × 0.125), FIM Round(dpi × 0.625).
[[nodiscard]] int PostnetTallHeight(int labelDpi);
[[nodiscard]] int FimHeight(int labelDpi);
/// How far the top of a short Postnet bar lies below the top of a tall one.
[[nodiscard]] int PostnetShortBarDrop(int labelDpi);

} // namespace postal

[[nodiscard]] const char* ValidatePostnet(std::string_view data);
[[nodiscard]] const char* ValidateFim(std::string_view data);

[[nodiscard]] std::string EncodePostnet(std::string_view data);
[[nodiscard]] std::string EncodeFim(std::string_view data);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

namespace zp {

/// The face a change to UPC or EAN 13 selects for the human-readable text.
inline constexpr const char* kEanUpcFontName = "OCR-B - Zentaprint";

/// Lets the face above draw with the installed OCR-B outline face ("OCR B",
/// Debian's fonts-ocr-b). Safe to call any number of times.
void RegisterEanUpcFont();

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeOptions.h"
#include "base/Rect.h"

#include <QString>
#include <string>
#include <string_view>

class QFont;
class QPainter;

namespace zp {

/// The bar code engine: stateless operations that turn a data string and a
/// TBarcodeOptions record into validation, patterns, text, widths and drawing.
/// Data strings are 8-bit characters (codes 0..255).

/// Preamble + data + postamble, escapes expanded (Code 39 Full ASCII,
/// Code 128, UCC Code 128, Code 93), a typed EAN/UPC check digit dropped.
[[nodiscard]] std::string PrepareBarcodeData(std::string_view data, const TBarcodeOptions& options);

/// True when the prepared data suits the symbology. With showMessages the
/// first broken rule is shown in an information box with OK and Ignore, and
/// Ignore accepts the data.
[[nodiscard]] bool ValidateBarcodeData(const TBarcodeOptions& options, std::string_view prepared,
                                       bool showMessages);

/// The pattern of valid prepared data: "0"/"1" with the meaning of the
/// symbology's pattern kind. Empty for a type code without symbology.
[[nodiscard]] std::string EncodeBarcode(std::string_view prepared, const TBarcodeOptions& options);

/// The human-readable text of valid prepared data (8-bit).
[[nodiscard]] std::string BarcodeHumanReadable(std::string_view prepared, const TBarcodeOptions& options);

/// Width of the symbol in label pixels, margins and gaps included; 2 x
/// LabelDPI for data that is not valid.
[[nodiscard]] int32_t BarcodeWidth(std::string_view data, const TBarcodeOptions& options);

/// The largest density (at least 1) at which the symbol fits wantedWidth.
[[nodiscard]] int32_t FitBarcodeDensity(std::string_view data, const TBarcodeOptions& options,
                                        int32_t wantedWidth);

/// Characters per inch at the options' density; 0 for Postnet and FIM.
[[nodiscard]] float BarcodeCharsPerInch(const TBarcodeOptions& options);
/// Narrow element width in thousandths of an inch.
[[nodiscard]] float BarcodeMils(const TBarcodeOptions& options);

/// Draws the symbol with its text into rect on a painter in the label
/// mapping (one label pixel per logical unit), turned counter-clockwise by
/// rotation (0, 90, 180, 270). Moves the far edges of rect to the drawn
/// extent; invalid data draws the placeholder and leaves rect as it was.
void DrawBarcode(QPainter& painter, std::string_view data, TRect& rect, const TBarcodeOptions& options,
                 int rotation);

/// The placeholder for data that cannot be drawn: a red-hatched box saying
/// "Invalid Bar Code!".
void DrawInvalidBarcode(QPainter& painter, const TRect& rect);

/// Backslash escapes: \\ one backslash, \F stays, \nnn (up to three digits,
/// value 0..128) the character with that code; anything else stays as written.
[[nodiscard]] std::string ExpandBarcodeEscapes(std::string_view text);

/// EAN/UPC: deletes the check digit a user typed in front of the supplement
/// (data of the lengths that carry one); other data is returned unchanged.
[[nodiscard]] std::string DropSuppliedCheckDigit(std::string_view data, uint8_t symbology);

/// Makes the font's pixel height the largest at which text fits width on the
/// painter; nothing changes when width <= 0.
void FitFontToWidth(QPainter& painter, QFont& font, int32_t width, const QString& text);

/// The 8-bit data string of a text: Latin-1, characters above 255 become
/// 0xFF, which no symbology encodes.
[[nodiscard]] std::string BarcodeBytes(const QString& text);
/// The text of 8-bit data (Latin-1).
[[nodiscard]] QString BarcodeText(std::string_view data);

} // namespace zp

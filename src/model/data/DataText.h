// SPDX-License-Identifier: MIT
#pragma once

#include "data/FieldDef.h"

#include <QString>
#include <cstdint>

namespace zp {

/// Backslash escapes of field text, as the bar code engine reads them:
/// "\\" one backslash, "\F" stays, "\nnn" (up to three digits, value 0..128)
/// the character with that code; anything else stays as written. Works on
/// the whole of text, so characters beyond Latin-1 pass through unchanged.
[[nodiscard]] QString ExpandBarcodeEscapes(const QString& text);

/// A field value trimmed by the entry's strip method.
[[nodiscard]] QString StripFieldValue(const QString& value, const TZpFieldDef& entry);

/// The widest a serial number is padded: the limit of the property dialog.
/// Larger widths from a file are taken as this one.
constexpr int32_t kMaxPadWidth = 999999;

/// A serial number in decimal, with the pad character (one character, which
/// may take two UTF-16 units; empty for none) put in front until the number
/// is at least width characters long. The sign counts as a character and the
/// padding goes before it; the number is never truncated.
[[nodiscard]] QString PaddedSerial(int32_t value, const QString& pad, int32_t width);

} // namespace zp

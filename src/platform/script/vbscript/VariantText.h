// SPDX-License-Identifier: MIT
#pragma once

#include "platform/script/vbscript/Variant.h"

#include <QString>
#include <cstdint>

// Helpers the coercions, operators and built-ins share; not part of the
// interpreter's interface.
namespace zp::vbs {

/// The largest text or array a built-in makes; more raises "Out of memory".
inline constexpr int64_t kMaxResultBytes = int64_t{64} * 1024 * 1024;
inline constexpr int64_t kMaxResultChars = kMaxResultBytes / 2; // UTF-16

/// Rounds a half to the even neighbour, as CInt, CLng and Round do.
[[nodiscard]] double RoundHalfEven(double v);
/// Rounds to `decimals` places on the value's 15 shown digits; a half goes to
/// the even neighbour (Round) or away from zero (the Format functions).
[[nodiscard]] double RoundDecimal(double v, int decimals, bool halfEven);
/// A number in the language's text form: up to `digits` significant digits
/// (15 for Double, 7 for Single), "." as the decimal point, exponent form
/// ("1.5E+20", "1E-05") where the plain form would not hold them.
[[nodiscard]] QString FormatReal(double v, int digits);
/// A Currency value (scaled by 10,000) as text, trailing zeros dropped.
[[nodiscard]] QString FormatCurrencyValue(int64_t scaled);

[[nodiscard]] float ToSingle(const TVariant& v);
[[nodiscard]] uint8_t ToByte(const TVariant& v);
[[nodiscard]] int64_t ToCurrency(const TVariant& v); ///< scaled by 10,000
/// A double as Currency, banker's rounding at the fourth decimal; Overflow
/// outside its range.
[[nodiscard]] int64_t CurrencyFromDouble(double v);
/// The name TypeName answers ("Integer", "String", "Variant()" ...).
[[nodiscard]] QString TypeNameOf(const TVariant& v);
/// Raises "Out of memory" when a result of that many UTF-16 units would be too large.
void CheckResultSize(int64_t chars);
/// Raises "Out of memory" when an array of that many items would be too large.
void CheckArraySize(int64_t items);

} // namespace zp::vbs

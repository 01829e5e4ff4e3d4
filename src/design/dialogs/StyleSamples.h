// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"

#include <QIcon>
#include <cstdint>

namespace zp {

/// The sample of a fill style item: the brush in the fill colour over white
/// (opaque) or the button face (transparent); the clear style says "(Clear)".
[[nodiscard]] QIcon FillStyleSample(uint8_t style, TColor color, bool transparent);
/// The sample of a line style item: a one-pixel line of the pen style through
/// the middle, on white.
[[nodiscard]] QIcon LineStyleSample(uint8_t style, TColor color);
/// The size of the samples.
[[nodiscard]] QSize StyleSampleSize();

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "model/picture/DibImage.h"

namespace zp {

/// The whole-image turns and mirrors of a picture.
enum class TZpDibTurn {
    Ccw90,         ///< source pixel (x, y) lands at (y, W - 1 - x); the result is H wide and W high
    Half,          ///< 180 degrees
    Cw90,          ///< 90 degrees counter-clockwise followed by 180
    FlipVertical,  ///< top to bottom
    FlipHorizontal ///< left to right
};

/// The bitmap turned or mirrored. Pixels keep their bit depth and the colour
/// table stays; pixels smaller than a byte are moved as bit fields. A
/// compressed bitmap is unpacked first.
[[nodiscard]] TZpDib TransformDib(const TZpDib& dib, TZpDibTurn turn);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zp {

/// A point in label pixels.
struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

/// A rectangle with the platform meaning: stored exactly as given, right and
/// bottom exclusive for hit tests. Label geometry never uses QRect, whose
/// right() is left + width - 1.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    [[nodiscard]] int32_t Width() const { return Right - Left; }
    [[nodiscard]] int32_t Height() const { return Bottom - Top; }
    /// Empty as the platform defines it: no area.
    [[nodiscard]] bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    /// All four coordinates zero.
    [[nodiscard]] bool IsNull() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
    [[nodiscard]] TPoint TopLeft() const { return {Left, Top}; }
    [[nodiscard]] TPoint BottomRight() const { return {Right, Bottom}; }
    [[nodiscard]] bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace zp {

/// Nearest integer, halves to even (the platform's Round).
[[nodiscard]] inline int32_t Round(double x) {
    const double r = std::nearbyint(x); // default rounding mode is to-nearest-even
    if (!(r > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(r < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(r);
}

/// Toward zero (the platform's Trunc).
[[nodiscard]] inline int32_t Trunc(double x) {
    if (!(x > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(x < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(x);
}

/// a * b / c with a 64-bit intermediate, halves away from zero; -1 when c is
/// zero or the result does not fit, as the platform's MulDiv answers.
[[nodiscard]] inline int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0)
        return -1;
    const int64_t num = static_cast<int64_t>(a) * b;
    const bool negative = (num < 0) != (c < 0);
    const uint64_t n = num < 0 ? static_cast<uint64_t>(-num) : static_cast<uint64_t>(num);
    const uint64_t d = c < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    const uint64_t q = (n + d / 2) / d;
    if (q > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
        return -1;
    return negative ? -static_cast<int32_t>(q) : static_cast<int32_t>(q);
}

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "platform/script/vbscript/Variant.h"

#include <QString>
#include <string>

namespace zp::vbs::test {

/// A value from a short notation, so that case tables stay readable:
/// "E" Empty, "N" Null, "I:5" Integer, "L:5" Long, "Y:5" Byte, "F:1.5" Single,
/// "D:1.5" Double, "C:1.5" Currency, "T:44197.5" Date serial, "B:1"/"B:0"
/// Boolean, "S:text" String, "A:a|b|c" an array of texts ("A:" an empty one).
[[nodiscard]] TVariant V(const char* notation);

/// "Kind:text" of a value ("Integer:5", "Null", "Boolean:True", "Variant():a|b"), or "error N"
/// when producing or showing it raised error N.
template <typename F> [[nodiscard]] std::string Describe(F&& produce);

[[nodiscard]] std::string DescribeValue(const TVariant& v);

template <typename F> std::string Describe(F&& produce) {
    try {
        return DescribeValue(produce());
    } catch (const EVbsError& e) {
        return "error " + std::to_string(e.Number());
    }
}

} // namespace zp::vbs::test

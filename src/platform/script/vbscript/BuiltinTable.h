// SPDX-License-Identifier: MIT
#pragma once

#include "platform/script/vbscript/Variant.h"

#include <span>
#include <vector>

// The built-in functions, one family per file; Builtins.cpp finds them by name.
namespace zp::vbs {

using TArgs = std::vector<TVariant>;

struct TBuiltinEntry {
    const char* Name;
    TBuiltin Def;
};

[[nodiscard]] std::span<const TBuiltinEntry> StringBuiltins();
[[nodiscard]] std::span<const TBuiltinEntry> ConversionBuiltins();
[[nodiscard]] std::span<const TBuiltinEntry> MathBuiltins();
[[nodiscard]] std::span<const TBuiltinEntry> DateBuiltins();
[[nodiscard]] std::span<const TBuiltinEntry> FormatBuiltins();
[[nodiscard]] std::span<const TBuiltinEntry> ArrayBuiltins();

inline constexpr int32_t kErrInvalidUseOfNull = 94;

[[nodiscard]] inline bool HasArg(const TArgs& args, size_t i) {
    return i < args.size() && !args[i].IsEmpty();
}
/// A whole-number argument: Null raises "Invalid use of Null".
[[nodiscard]] int32_t LongArg(const TVariant& v);
/// An optional compare mode: 0 binary (the default), 1 text; others are invalid.
[[nodiscard]] bool TextCompareArg(const TArgs& args, size_t i);
/// The text of an argument that must not be Null.
[[nodiscard]] QString TextArg(const TVariant& v);

} // namespace zp::vbs

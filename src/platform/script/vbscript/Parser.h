// SPDX-License-Identifier: MIT
#pragma once

#include "platform/script/vbscript/Ast.h"
#include "platform/script/vbscript/Lexer.h"

#include <memory>

namespace zp::vbs {

/// How deeply blocks, parentheses and calls may nest in the source, and how
/// tall one expression's tree may grow, so that neither parsing nor running
/// a hostile text can exhaust the stack.
inline constexpr int kMaxNesting = 128;
inline constexpr int kMaxExprHeight = 1000;

/// Compiles source to its tree. Raises EVbsCompileError with the language's
/// wording ("Expected 'End'", "Expected end of statement", "Name redefined"…)
/// and the 1-based line.
[[nodiscard]] std::unique_ptr<TModule> Parse(const QString& source);

} // namespace zp::vbs

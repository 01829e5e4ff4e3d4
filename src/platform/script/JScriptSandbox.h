// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QJSEngine;

namespace zp {

/// Makes a fresh engine's global object safe for label scripts, before any
/// script code runs:
/// - every global that ECMAScript does not define goes, and so does Proxy
///   (chains of proxies recurse natively without a stack check);
/// - every built-in method, getter and setter is replaced by a script-level
///   forwarder, so that built-ins calling each other by name (toString, join,
///   valueOf...) always pass through a script frame, where the engine checks
///   its stack: a self-containing array or a method pointed at another ends
///   in "Maximum call stack size exceeded" rather than a crash;
/// - regular expressions nested deeper than kMaxPatternNesting are refused,
///   also inside texts given to eval (which becomes an indirect eval) and to
///   the function constructors,
///   and so are arrays, buffers and texts longer than kMaxScriptLength
///   for the built-ins that would loop over or fill them natively.
/// False when the lock-down itself failed; the engine must then run nothing.
[[nodiscard]] bool LockDownGlobals(QJSEngine& engine);

/// Deepest nesting of parentheses a regular expression (or a script's text)
/// may have; deeper patterns exhaust the native stack of the pattern compiler.
inline constexpr int kMaxPatternNesting = 1000;

/// The most elements or characters a built-in takes on or makes (16 M).
inline constexpr int kMaxScriptLength = 1 << 24;

/// Where the nesting of "(" in a text first goes deeper than limit
/// (backslash escapes skipped); -1 when it never does.
[[nodiscard]] qsizetype NestingExceededAt(const QString& text, int limit);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "platform/script/ScriptEngine.h"

#include <memory>

namespace zp {

/// The VBScript engine: our own interpreter behind the host interface. It
/// offers the language's statements and built-ins and nothing of the
/// machine: no files, processes, network or objects (CreateObject fails),
/// and no Execute, ExecuteGlobal or Eval.
[[nodiscard]] std::unique_ptr<IZpScriptEngine> CreateVBScriptEngine();

} // namespace zp

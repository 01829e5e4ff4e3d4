// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/Variant.h"

namespace zp::vbs {

const TBuiltin* FindBuiltin(const QString&) { return nullptr; }

} // namespace zp::vbs

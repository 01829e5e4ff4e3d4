// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/CreateTool.h"

namespace zp {

/// Draws text objects.
class TZpTextTool : public TZpCreateTool {
public:
    explicit TZpTextTool(TZpToolBox& box) : TZpCreateTool(box, QStringLiteral("TZpTextObject")) {}
};

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/CreateTool.h"

namespace zp {

/// Draws circles and ellipses.
class TZpCircleTool : public TZpCreateTool {
public:
    explicit TZpCircleTool(TZpToolBox& box) : TZpCreateTool(box, QStringLiteral("TZpCircleObject")) {}
};

} // namespace zp

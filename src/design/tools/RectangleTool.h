// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/CreateTool.h"

namespace zp {

/// Draws rectangles.
class TZpRectangleTool : public TZpCreateTool {
public:
    explicit TZpRectangleTool(TZpToolBox& box) : TZpCreateTool(box, QStringLiteral("TZpRectangleObject")) {}
};

} // namespace zp

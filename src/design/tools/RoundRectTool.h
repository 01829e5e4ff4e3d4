// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/CreateTool.h"

namespace zp {

/// Draws rounded rectangles.
class TZpRoundRectTool : public TZpCreateTool {
public:
    explicit TZpRoundRectTool(TZpToolBox& box) : TZpCreateTool(box, QStringLiteral("TZpRoundRectObject")) {}
};

} // namespace zp

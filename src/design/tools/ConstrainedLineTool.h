// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/CreateTool.h"

namespace zp {

/// Draws lines held horizontal or vertical.
class TZpConstrainedLineTool : public TZpCreateTool {
public:
    explicit TZpConstrainedLineTool(TZpToolBox& box)
        : TZpCreateTool(box, QStringLiteral("TZpLineConstraint")) {}

protected:
    [[nodiscard]] bool DrawsLine() const override { return true; }
};

} // namespace zp

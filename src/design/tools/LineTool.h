// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/CreateTool.h"

namespace zp {

/// Draws lines; a line keeps the direction it was drawn in.
class TZpLineTool : public TZpCreateTool {
public:
    explicit TZpLineTool(TZpToolBox& box) : TZpCreateTool(box, QStringLiteral("TZpLineObject")) {}

protected:
    [[nodiscard]] bool DrawsLine() const override { return true; }
};

} // namespace zp

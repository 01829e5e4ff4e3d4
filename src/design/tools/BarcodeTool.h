// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/CreateTool.h"

namespace zp {

/// Draws bar codes.
class TZpBarcodeTool : public TZpCreateTool {
public:
    explicit TZpBarcodeTool(TZpToolBox& box) : TZpCreateTool(box, QStringLiteral("TZpBarcodeObject")) {}
};

} // namespace zp

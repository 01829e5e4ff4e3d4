// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/CreateTool.h"

namespace zp {

/// Draws picture frames.
class TZpPictureTool : public TZpCreateTool {
public:
    explicit TZpPictureTool(TZpToolBox& box) : TZpCreateTool(box, QStringLiteral("TZpPictureObject")) {}
};

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "base/LabelDpi.h"
#include "files/LabelFile.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "model/objects/ShapeObjects.h"

namespace zp::test {

/// Saves a label of one rectangle on a sheet of one label, so that every
/// label printed is a page.
inline void SaveOneLabelSheet(const QString& path) {
    TLabelProperties layout;
    layout.SetDesignDefaults();
    layout.Columns = 1;
    layout.Rows = 1;
    TZpIDEProperties ide;
    TZpObjectList objects{std::make_shared<TZpRectangleObject>()};
    objects.front()->SetBoundsExact({10, 10, 200, 100});
    ide.SetDPIExact(LabelDPI());
    SaveLabelFile(path, objects, ide, layout);
}

} // namespace zp::test

// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

#include <QString>

namespace zp {

/// The filter of "Export to Image"; SVG stands where the old program wrote metafiles.
extern const QString kExportImageFilter;

/// Draws the objects, cut to the rectangle they cover, at dpi dots per inch
/// on white and writes them by the file's extension: ".jpg"/".jpeg" JPEG,
/// ".png" PNG, ".svg" SVG, anything else BMP. Raises naming the file when it
/// cannot be written.
void ExportObjectsToImage(const TZpObjectList& objects, const QString& fileName, int dpi);

} // namespace zp

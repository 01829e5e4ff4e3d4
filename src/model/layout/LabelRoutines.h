// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/ZpObject.h"

#include <QPointF>
#include <vector>

class QPainter;

namespace zp {

class TZpIDEProperties;
class TLabelProperties;

using TZpObjectList = std::vector<TZpObjectPtr>;

/// Re-expresses a label in another resolution: guides, every object's bounds
/// and line width (and a bar code's module width, bar height and text
/// spacing), then LabelDPI becomes newDpi. Nothing when the label is already
/// in newDpi.
void RescaleLabel(int32_t newDpi, TZpIDEProperties& ide, const TZpObjectList& objects);

/// Draws the label outline (white, black border, shaped as the stock) at the
/// origin and every object in list order, in the label mapping of the
/// painter's device, with the label's corner at deviceOrigin (device pixels).
void DrawLabelThumbnail(const TZpObjectList& objects, const TZpIDEProperties& ide,
                        const TLabelProperties& layout, QPainter& canvas, QPointF deviceOrigin = {});

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

class QPainter;

namespace zp {

/// Puts the painter into the label mapping: one logical unit is one label
/// pixel (window extent LabelDPI x LabelDPI, viewport extent the device's
/// dots per inch), with the label's origin at deviceOrigin in device pixels.
/// Replaces any world transform the painter had.
void ApplyLabelMapping(QPainter& painter, QPointF deviceOrigin = {});
void ApplyLabelMapping(QPainter& painter, QPointF deviceOrigin, int labelDpi);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/Interfaces.h"

class QPainter;

namespace zp {

enum class TZpShapeKind { Rectangle, RoundRect, Ellipse };

/// Draws a closed shape over bounds (label pixels) with its fill and line
/// style: a hatched fill leaves the gaps untouched when transparent and
/// paints them white when opaque; a solid outline stays inside the bounds.
/// cornerSize is the width and height of a rounded rectangle's corner ellipse.
void DrawClosedShape(QPainter& painter, const IZpFillStyle& fill, const IZpLineStyle& line,
                     const TRect& bounds, TZpShapeKind kind, int cornerSize = 0);

/// Draws a line from one end point to the other with the line style alone.
void DrawLineShape(QPainter& painter, const IZpLineStyle& line, TPoint from, TPoint to);

} // namespace zp

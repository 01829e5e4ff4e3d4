// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"

#include <QRect>
#include <cstdint>

class QPainter;

namespace zp {

class TLabelProperties;

/// The number (from 1) of the label in column and row (from 1): "Left to
/// right" (direction 0) counts along the rows, "Top to bottom" down the columns.
[[nodiscard]] int SheetLabelNumber(int column, int row, int columns, int rows, uint8_t direction);

/// Where a page of the given proportions is painted in a box: a page taller
/// than wide takes the box's height, centred across; any other page takes
/// the box's height as its width, centred both ways.
[[nodiscard]] QRect SheetPictureRect(const QRect& box, double pageWidth, double pageHeight);

/// The label clicked at point in the picture painted in rect, or 0 outside.
[[nodiscard]] int SheetLabelAt(const QRect& rect, const QPoint& point, int columns, int rows,
                               uint8_t direction);

/// Paints the sheet into rect: the page in the scroll-bar colour, every label
/// in its shape in the window colour, the start label in the highlight
/// colour when the sheet holds more than one, and the printable area in red
/// dashes when the printer has margins (offset in label pixels).
void PaintSheetPicture(QPainter& painter, const QRect& rect, const TLabelProperties& layout, int startLabel,
                       uint8_t direction, TPoint printableOffset);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

namespace zp {

class TZpObject;

/// The narrowest bar and space of a drawn symbol in device dots; -1 when the
/// symbol drew no bar (or no space).
struct TZpBarWidths {
    int NarrowestBar = -1;
    int NarrowestSpace = -1;
};

/// Draws the bar code object as the print run does, at dpi with the label's
/// corner at deviceOrigin, and measures the bars it fills as a raster device
/// sets them: a dot belongs to a bar when its centre lies inside. Bars along
/// the whole symbol (bearer bars) are not elements and are left out; bars
/// that touch leave a space of 0 dots, and a bar that an adjustment took away
/// counts as 0 dots. Nothing is measured for another kind of object.
[[nodiscard]] TZpBarWidths MeasureBars(TZpObject& object, int dpi, QPointF deviceOrigin);

} // namespace zp

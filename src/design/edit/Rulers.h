// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/IDEProperties.h"
#include "model/layout/LabelRoutines.h"

#include <QList>
#include <vector>

namespace zp {

/// One mark of a ruler, at Pos device pixels from the ruler's zero.
struct TZpRulerTick {
    int Pos = 0;
    /// Tick length in pixels from the ruler's inner edge; a unit line spans
    /// the whole band.
    int Length = 0;
    /// The number written beside a unit line; 0 for a plain tick.
    int Number = 0;
};

/// The unit abbreviation shown in the corner square: "IN", "DI", "CM", "MM".
[[nodiscard]] QString RulerUnitText(TZpRulerUnits units);
/// The next unit in the corner square's cycle.
[[nodiscard]] TZpRulerUnits NextRulerUnits(TZpRulerUnits units);

/// The length of the tick at h pixels for a band of rulerPixels: the full
/// band at units, half at half units, and in inches on a 96 pixel-per-inch
/// screen graded by the eighth, sixteenth and thirty-second.
[[nodiscard]] int RulerTickLength(int h, int unitPixels, int rulerPixels, TZpRulerUnits units, int screenPpi);

/// The ticks of a ruler from..to pixels from the label's origin (to
/// exclusive), as the ruler paints them: one every unitPixels / subUnits
/// pixels, with a numbered line at every unit.
[[nodiscard]] std::vector<TZpRulerTick> RulerTicksBetween(int from, int to, int unitPixels, int subUnits,
                                                          int rulerPixels, TZpRulerUnits units,
                                                          int screenPpi);

/// Moves a device coordinate back to the previous ruler tick: offset is the
/// device position of the label's origin (ruler band minus scroll), tick
/// the tick spacing in device pixels. A coordinate on a tick stays.
[[nodiscard]] int SnapToRulerTick(int coordinate, int offset, float tick);

/// Snaps a moved rectangle (label pixels) to the guides: within 1/16 inch of
/// screen at the zoom, the left (top) edge goes one pixel past the guide,
/// or the right (bottom) edge onto it. The size stays.
[[nodiscard]] TRect SnapRectToGuides(TRect rect, const TZpIDEProperties& ide, int labelDpi);

/// The lowest index within tolerance of pos, or -1.
[[nodiscard]] int FindGuide(const QList<int32_t>& guides, int pos, int tolerance);
/// No other index of the list holds the same value.
[[nodiscard]] bool IsUniqueGuide(const QList<int32_t>& guides, int index);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/EditSession.h"

namespace zp {

/// How a drag with the pointer bends a resize: none, keep the aspect
/// rectangle's proportions (Ctrl), or height equal to width (Shift).
enum class TZpDragConstraint { None = 0, Aspect = 1, Square = 2 };

/// A press of the pointer tool on an object: without Shift a click on an
/// unselected object selects only it (and its group); with Shift it toggles,
/// except that the last selected object (or group) stays selected.
void ClickSelect(TZpEditSession& session, const TZpObjectPtr& object, bool shift);

/// The bounds a resize or move gives one object whose bounds were track
/// when the drag began, for a label-pixel delta. The sizing method of the
/// object (aspect, square) applies as the keyboard constraint does; boxes
/// dragged across their opposite edge are normalised, lines keep their
/// direction.
[[nodiscard]] TRect DraggedBounds(const TZpObjectPtr& object, const TRect& track, TZpHitCode code, int dx,
                                  int dy, TZpDragConstraint constraint);

/// Moving or resizing the selection with the pointer. Begin copies every
/// selected object's bounds into its track rectangle; DragTo follows the
/// pointer; End records "Move" or "Resize" with the bounds from before;
/// Cancel puts everything back.
class TZpObjectDrag {
public:
    TZpObjectDrag(TZpEditSession& session, TZpHitCode code);

    [[nodiscard]] TZpHitCode Code() const { return FCode; }
    [[nodiscard]] bool IsMove() const { return FCode == hcBody; }

    /// dx, dy: label pixels from the press point. A move is first limited so
    /// that no selected object goes left of or above the label's origin, and
    /// the whole selection moves by the limited amount; moved rectangles
    /// snap to the guides when that is on.
    void DragTo(int dx, int dy, TZpDragConstraint constraint);
    /// Records the event when anything changed and marks the label modified
    /// either way (a click on an object counts as an edit).
    void End();
    void Cancel();

private:
    TZpEditSession& FSession;
    TZpHitCode FCode;
    TZpObjectList FObjects;
};

/// The bounds of a new object made with a drawing tool: the band (label
/// pixels; unnormalised for lines) when it is wider or taller than
/// 0.05 inch, else the default bounds moved to the band's top-left corner.
[[nodiscard]] TRect NewObjectBounds(const TRect& defaultBounds, const TRect& band, int labelDpi);

/// Makes an object of the class over the band, adds it ("Add Object") and
/// selects only it. Null when the class is unknown.
TZpObjectPtr CreateObjectInBand(TZpEditSession& session, const QString& className, const TRect& band,
                                TZpDragConstraint constraint);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/PointerEditing.h"
#include "design/tools/Tool.h"

namespace zp {

class TZpToolBox;

/// What the pointer and the drawing tools share: the rubber band, the keys
/// of the design area and the way to the session and the mapping.
class TZpEditTool : public TZpTool {
public:
    explicit TZpEditTool(TZpToolBox& box) : FBox(box) {}

    void Deactivate() override;
    bool KeyPress(QKeyEvent& event) override;
    [[nodiscard]] bool IsDragging() const override { return FBanding; }
    void PaintOverlay(QPainter& painter) override;

protected:
    [[nodiscard]] TZpEditSession& Session() const;
    [[nodiscard]] TZpViewMapping Mapping() const;
    [[nodiscard]] static TZpDragConstraint ConstraintOf(Qt::KeyboardModifiers modifiers);

    /// The band runs from the press to the pointer, as a line for the line
    /// tools, else as the rectangle the two points span.
    void StartBand(QPoint device, bool asLine);
    void MoveBand(QPoint device);
    /// The band in label pixels (normalised unless drawn as a line); the
    /// band is gone afterwards.
    TRect EndBand();
    void CancelBand();

    TZpToolBox& FBox;
    bool FBanding = false;

private:
    QPoint FBandStart;
    QPoint FBandEnd;
    bool FBandAsLine = false;
};

} // namespace zp

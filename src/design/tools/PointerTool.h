// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/EditTool.h"

#include <optional>

namespace zp {

/// The pointer: selects by click or rubber band, moves objects and resizes
/// them by their handles, and starts editing in place on a double click.
class TZpPointerTool : public TZpEditTool {
public:
    explicit TZpPointerTool(TZpToolBox& box) : TZpEditTool(box) {}

    void Deactivate() override;
    void MousePress(const TZpPointerEvent& event) override;
    void MouseMove(const TZpPointerEvent& event) override;
    void MouseRelease(const TZpPointerEvent& event) override;
    void MouseDoubleClick(const TZpPointerEvent& event) override;
    bool KeyPress(QKeyEvent& event) override;
    [[nodiscard]] QCursor CursorAt(const TZpPointerEvent& event) const override;
    [[nodiscard]] QString StatusText() const override;
    [[nodiscard]] bool IsDragging() const override { return FBanding || FDrag.has_value(); }
    /// While objects are dragged, dotted outlines of where they would go
    /// over the label as it was.
    void PaintOverlay(QPainter& painter) override;

private:
    void Press(const TZpPointerEvent& event, bool doubleClick);
    void CancelDrag();

    std::optional<TZpObjectDrag> FDrag;
    QPoint FPress;
    /// A move starts only once the pointer has left the press point.
    bool FMoving = false;
    /// The object a double click will edit in place unless the pointer moves.
    TZpObjectPtr FPendingEdit;
};

} // namespace zp

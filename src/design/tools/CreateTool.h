// SPDX-License-Identifier: MIT
#pragma once

#include "design/tools/EditTool.h"

namespace zp {

/// A drawing tool: a click or a drag makes one object of its class. A drag
/// of at most 0.05 inch counts as a click and gives the default size; Ctrl
/// keeps the new object's aspect ratio, Shift its height equal to its width.
/// Releasing the right button opens the new object's properties.
class TZpCreateTool : public TZpEditTool {
public:
    TZpCreateTool(TZpToolBox& box, QString className) : TZpEditTool(box), FClassName(std::move(className)) {}

    [[nodiscard]] const QString& ClassName() const { return FClassName; }

    void MousePress(const TZpPointerEvent& event) override;
    void MouseMove(const TZpPointerEvent& event) override;
    void MouseRelease(const TZpPointerEvent& event) override;
    [[nodiscard]] QCursor CursorAt(const TZpPointerEvent& event) const override;
    [[nodiscard]] QString StatusText() const override;

protected:
    /// Line tools show the band as a line and keep its direction.
    [[nodiscard]] virtual bool DrawsLine() const { return false; }

private:
    QString FClassName;
    Qt::MouseButton FButton = Qt::NoButton;
};

} // namespace zp

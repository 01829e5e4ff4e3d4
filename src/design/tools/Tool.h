// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"

#include <QCursor>
#include <QPoint>
#include <QString>

class QKeyEvent;
class QPainter;

namespace zp {

class TZpDesignArea;

/// A pointer event as a tool sees it: the position in device pixels of the
/// design area (already snapped to the ruler units when snapping is on) and
/// in label pixels.
struct TZpPointerEvent {
    QPoint Device;
    TPoint Label;
    Qt::MouseButton Button = Qt::NoButton;
    Qt::MouseButtons Buttons;
    Qt::KeyboardModifiers Modifiers;
};

/// An editing tool of the design area (the pointer, or one that draws a
/// kind of object). The design area keeps the rulers' corner and the
/// guides to itself and hands every other pointer and key event to the
/// active tool; with no tool it only handles guides. A tool changes the
/// document through the area's session and asks the area to repaint.
class TZpTool {
public:
    virtual ~TZpTool() = default;

    /// The tool becomes the area's active tool.
    virtual void Activate(TZpDesignArea& area) { FArea = &area; }
    /// Another tool takes over; a drag in progress is cancelled.
    virtual void Deactivate() { FArea = nullptr; }

    virtual void MousePress(const TZpPointerEvent& event) { (void)event; }
    virtual void MouseMove(const TZpPointerEvent& event) { (void)event; }
    virtual void MouseRelease(const TZpPointerEvent& event) { (void)event; }
    virtual void MouseDoubleClick(const TZpPointerEvent& event) { (void)event; }
    /// True when the tool handled the key.
    virtual bool KeyPress(QKeyEvent& event) {
        (void)event;
        return false;
    }

    /// The cursor over this point while no button is down.
    [[nodiscard]] virtual QCursor CursorAt(const TZpPointerEvent& event) const {
        (void)event;
        return Qt::ArrowCursor;
    }
    /// A hint for the status bar.
    [[nodiscard]] virtual QString StatusText() const { return {}; }
    /// While true the area leaves the pointer marks on the rulers to the tool.
    [[nodiscard]] virtual bool IsDragging() const { return false; }
    /// Draws what the tool shows over the label (rubber band, outlines), in
    /// device pixels; the label underneath is never redrawn for it.
    virtual void PaintOverlay(QPainter& painter) { (void)painter; }

protected:
    TZpDesignArea* FArea = nullptr;
};

} // namespace zp

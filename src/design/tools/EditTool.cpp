// SPDX-License-Identifier: MIT
#include "design/tools/EditTool.h"

#include "design/tools/ToolBox.h"
#include "design/view/DesignArea.h"

#include <QKeyEvent>
#include <QPainter>

namespace zp {

void TZpEditTool::Deactivate() {
    CancelBand();
    TZpTool::Deactivate();
}

TZpEditSession& TZpEditTool::Session() const {
    return FBox.Area().Session();
}

TZpViewMapping TZpEditTool::Mapping() const {
    return FBox.Area().Mapping();
}

TZpDragConstraint TZpEditTool::ConstraintOf(Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier)
        return TZpDragConstraint::Aspect;
    if (modifiers & Qt::ShiftModifier)
        return TZpDragConstraint::Square;
    return TZpDragConstraint::None;
}

bool TZpEditTool::KeyPress(QKeyEvent& event) {
    int dx = 0;
    int dy = 0;
    switch (event.key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    case Qt::Key_Delete:
        if (Session().SelectedCount() == 0)
            return false;
        Session().DeleteSelected();
        return true;
    default:
        return false;
    }
    // Without a nudge of its own the design area nudges the selection.
    if (!FBox.Nudge)
        return false;
    FBox.Nudge(dx, dy);
    return true;
}

void TZpEditTool::StartBand(QPoint device, bool asLine) {
    FBanding = true;
    FBandStart = device;
    FBandEnd = device;
    FBandAsLine = asLine;
    FBox.Area().SetRulerMarks(device);
    FBox.Area().UpdateOverlay();
}

void TZpEditTool::MoveBand(QPoint device) {
    if (!FBanding)
        return;
    FBandEnd = device;
    FBox.Area().SetRulerMarks(device);
    FBox.Area().UpdateOverlay();
}

TRect TZpEditTool::EndBand() {
    const TRect device{FBandStart.x(), FBandStart.y(), FBandEnd.x(), FBandEnd.y()};
    CancelBand();
    const TRect label = Mapping().DeviceToLabelRect(device);
    return FBandAsLine ? label : NormalizedRect(label);
}

void TZpEditTool::CancelBand() {
    if (!FBanding)
        return;
    FBanding = false;
    if (FArea)
        FArea->UpdateOverlay();
}

void TZpEditTool::PaintOverlay(QPainter& painter) {
    if (!FBanding)
        return;
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    if (FBandAsLine)
        painter.drawLine(FBandStart, FBandEnd);
    else
        painter.drawRect(QRect(FBandStart, FBandEnd).normalized().adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace zp

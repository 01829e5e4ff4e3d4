// SPDX-License-Identifier: MIT
#include "design/tools/PointerTool.h"

#include "design/tools/ToolBox.h"
#include "design/view/DesignArea.h"
#include "model/objects/Interfaces.h"
#include "platform/dialogs/DialogServices.h"
#include "settings/AppOptions.h"

#include <QKeyEvent>
#include <QPainter>

namespace zp {

namespace {

/// A move waits until the pointer is this far (device pixels) from the press.
constexpr int kMoveThreshold = 5;

TPoint ToTPoint(QPoint p) {
    return {p.x(), p.y()};
}

} // namespace

void TZpPointerTool::Deactivate() {
    CancelDrag();
    TZpEditTool::Deactivate();
}

void TZpPointerTool::CancelDrag() {
    if (FDrag)
        FDrag->Cancel();
    FDrag.reset();
    FPendingEdit.reset();
    FMoving = false;
}

void TZpPointerTool::MousePress(const TZpPointerEvent& event) {
    Press(event, false);
}

void TZpPointerTool::MouseDoubleClick(const TZpPointerEvent& event) {
    Press(event, true);
}

void TZpPointerTool::Press(const TZpPointerEvent& event, bool doubleClick) {
    if (event.Button != Qt::LeftButton)
        return;
    // A release that never arrived (a popup took the pointer) must not leave
    // the tool stuck in its drag.
    CancelDrag();
    CancelBand();
    TZpEditSession& session = Session();
    const TZpViewMapping mapping = Mapping();
    const TPoint p = ToTPoint(event.Device);
    const bool shift = event.Modifiers & Qt::ShiftModifier;
    const TZpObjectPtr object = (event.Modifiers & Qt::ControlModifier) ? session.HitTestNext(p, mapping)
                                                                        : session.HitTest(p, mapping);
    if (!object) {
        if (!shift)
            session.ClearSelection();
        StartBand(event.Device, false);
        return;
    }
    ClickSelect(session, object, shift);
    if ((event.Modifiers & Qt::AltModifier) && doubleClick && session.SelectedCount() == 1) {
        // Properties of the one selected object, undoable as a whole.
        auto undo = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::ObjectProperties));
        undo->AddItem(std::make_unique<TZpUndoObjectItem>(object));
        if (ZpDialogs().EditObjectProperties(*object))
            session.PushEvent(undo, TZpChange::ObjectsChanged);
        return;
    }
    const TRect deviceRect = NormalizedRect(mapping.LabelToDeviceRect(object->GetBounds()));
    if (!AppOptions().OldStyleEditing && doubleClick && Supports<IZpEdit>(object) && deviceRect.Contains(p))
        FPendingEdit = object;
    FDrag.emplace(session, session.HitCode(object, p, mapping));
    FPress = event.Device;
    FMoving = !FDrag->IsMove();
}

void TZpPointerTool::MouseMove(const TZpPointerEvent& event) {
    if (FBanding) {
        MoveBand(event.Device);
        return;
    }
    if (!FDrag)
        return;
    if (!FMoving) {
        const QPoint d = event.Device - FPress;
        if (std::abs(d.x()) <= kMoveThreshold && std::abs(d.y()) <= kMoveThreshold)
            return;
        FMoving = true;
    }
    const TZpViewMapping m = Mapping();
    FDrag->DragTo(m.ToLabelX(event.Device.x()) - m.ToLabelX(FPress.x()),
                  m.ToLabelY(event.Device.y()) - m.ToLabelY(FPress.y()), ConstraintOf(event.Modifiers));
    FBox.Area().SetRulerMarks(event.Device);
}

void TZpPointerTool::MouseRelease(const TZpPointerEvent& event) {
    if (event.Button != Qt::LeftButton)
        return;
    if (FBanding) {
        Session().SelectInRect(EndBand());
        return;
    }
    if (!FDrag)
        return;
    TZpEditSession& session = Session();
    const TZpObjectPtr pending = std::exchange(FPendingEdit, nullptr);
    // The release comes snapped to the rulers, the press does not: a double
    // click that stayed put is the press point snapped the same way.
    const bool stayed = event.Device == FPress || event.Device == FBox.Area().SnapPointToRulers(FPress);
    if (pending && stayed && !(event.Modifiers & Qt::ControlModifier)) {
        CancelDrag();
        if (FBox.EditInPlace)
            FBox.EditInPlace(pending);
        return;
    }
    if (event.Device == FPress || !FMoving) {
        CancelDrag();
        session.SetModified();
    } else {
        TZpObjectDrag drag = std::move(*FDrag);
        FDrag.reset();
        FMoving = false;
        drag.End();
        FBox.Area().UpdateOverlay();
    }
}

void TZpPointerTool::PaintOverlay(QPainter& painter) {
    TZpEditTool::PaintOverlay(painter);
    if (!FDrag || !FMoving)
        return;
    const TZpViewMapping mapping = FBox.Area().Mapping();
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (const TZpObjectPtr& object : Session().Selection()) {
        const TRect d = mapping.LabelToDeviceRect(object->GetBounds());
        if (Supports<IZpLinear>(object))
            painter.drawLine(d.Left, d.Top, d.Right, d.Bottom);
        else
            painter.drawRect(
                QRect(QPoint(d.Left, d.Top), QPoint(d.Right, d.Bottom)).normalized().adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

bool TZpPointerTool::KeyPress(QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape) {
        if (!FDrag)
            return false;
        CancelDrag();
        return true;
    }
    if (IsDragging())
        return false;
    return TZpEditTool::KeyPress(event);
}

QCursor TZpPointerTool::CursorAt(const TZpPointerEvent& event) const {
    if (!FArea)
        return Qt::ArrowCursor;
    TZpEditSession& session = Session();
    const TZpViewMapping mapping = Mapping();
    const TPoint p = ToTPoint(event.Device);
    const TZpObjectPtr object = session.HitTest(p, mapping);
    if (!object)
        return Qt::ArrowCursor;
    switch (session.HitCode(object, p, mapping)) {
    case hcTopLeft:
    case hcBottomRight:
        return Qt::SizeFDiagCursor;
    case hcTopRight:
    case hcBottomLeft:
        return Qt::SizeBDiagCursor;
    case hcTop:
    case hcBottom:
        return Qt::SizeVerCursor;
    case hcLeft:
    case hcRight:
        return Qt::SizeHorCursor;
    case hcLineStart:
    case hcLineEnd:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QString TZpPointerTool::StatusText() const {
    return QStringLiteral("Click to select, Shift+click to add, Ctrl+click for the object underneath");
}

} // namespace zp

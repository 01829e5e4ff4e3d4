// SPDX-License-Identifier: MIT
#include "design/tools/CreateTool.h"

#include "design/tools/ToolBox.h"
#include "design/view/DesignArea.h"
#include "model/objects/Interfaces.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/ObjectCursors.h"
#include "platform/dialogs/DialogServices.h"
#include "settings/AppOptions.h"

namespace zp {

void TZpCreateTool::MousePress(const TZpPointerEvent& event) {
    if (event.Button != Qt::LeftButton && event.Button != Qt::RightButton)
        return;
    CancelBand();
    if (!(event.Modifiers & Qt::ShiftModifier))
        Session().ClearSelection();
    FButton = event.Button;
    StartBand(event.Device, DrawsLine());
}

void TZpCreateTool::MouseMove(const TZpPointerEvent& event) {
    MoveBand(event.Device);
}

void TZpCreateTool::MouseRelease(const TZpPointerEvent& event) {
    if (!FBanding || event.Button != FButton)
        return;
    MoveBand(event.Device);
    const TRect band = EndBand();
    TZpEditSession& session = Session();
    TZpToolBox& box = FBox;
    const bool oldStyle = AppOptions().OldStyleEditing;
    if (oldStyle) {
        // With the tool kept, a click on an object of the tool's class
        // edits it instead of drawing another.
        const TZpViewMapping m = Mapping();
        const TZpObjectPtr hit = session.HitTest({event.Device.x(), event.Device.y()}, m);
        if (hit && hit->GetClassName() == FClassName) {
            session.ClearSelection();
            session.SelectObject(hit);
            if (Supports<IZpEdit>(hit) && box.EditInPlace && box.EditInPlace(hit))
                return;
        }
    }
    const TZpObjectPtr object = CreateObjectInBand(session, FClassName, band, ConstraintOf(event.Modifiers));
    if (!object)
        return;
    // From here this tool may no longer be the active one.
    if (!oldStyle)
        box.SetTool(QString());
    if (event.Button == Qt::RightButton) {
        auto undo = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::ObjectProperties));
        undo->AddItem(std::make_unique<TZpUndoObjectItem>(object));
        if (ZpDialogs().EditObjectProperties(*object))
            session.PushEvent(undo, TZpChange::ObjectsChanged);
        box.Area().RefreshView();
        return;
    }
    if (box.EditOnDrop && Supports<IZpEdit>(object) && box.EditInPlace)
        box.EditInPlace(object);
}

QCursor TZpCreateTool::CursorAt(const TZpPointerEvent& event) const {
    (void)event;
    const TZpObjectClass* cls = FindObjectClass(FClassName);
    return cls ? ObjectCursor(cls->CursorId) : QCursor(Qt::CrossCursor);
}

QString TZpCreateTool::StatusText() const {
    return QStringLiteral("Click or drag to place the object; right button: with its properties");
}

} // namespace zp

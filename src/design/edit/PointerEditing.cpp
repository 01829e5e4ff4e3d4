// SPDX-License-Identifier: MIT
#include "design/edit/PointerEditing.h"

#include "base/LabelDpi.h"
#include "design/edit/Rulers.h"
#include "model/objects/ObjectClasses.h"

#include <cmath>

namespace zp {

void ClickSelect(TZpEditSession& session, const TZpObjectPtr& object, bool shift) {
    if (!object)
        return;
    if (!shift && !session.IsSelected(object))
        session.ClearSelection();
    // Shift never empties the selection: the only selected object (or group)
    // stays selected.
    if (shift && session.IsSelected(object) && session.SelectedCount() > 1)
        session.DeselectObject(object);
    else
        session.SelectObject(object);
}

TRect DraggedBounds(const TZpObjectPtr& object, const TRect& track, TZpHitCode code, int dx, int dy,
                    TZpDragConstraint constraint) {
    TRect r = track;
    switch (code) {
    case hcBody:
        r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
        return r;
    case hcTopLeft:
        r.Left += dx;
        r.Top += dy;
        break;
    case hcTopRight:
        r.Right += dx;
        r.Top += dy;
        break;
    case hcBottomLeft:
        r.Left += dx;
        r.Bottom += dy;
        break;
    case hcBottomRight:
        r.Right += dx;
        r.Bottom += dy;
        break;
    case hcTop:
        r.Top += dy;
        break;
    case hcLeft:
        r.Left += dx;
        break;
    case hcBottom:
        r.Bottom += dy;
        break;
    case hcRight:
        r.Right += dx;
        break;
    case hcLineStart:
        r.Left += dx;
        r.Top += dy;
        constraint = TZpDragConstraint::None;
        break;
    case hcLineEnd:
        r.Right += dx;
        r.Bottom += dy;
        constraint = TZpDragConstraint::None;
        break;
    case hcNone:
        return track;
    }
    const bool vertical = code == hcTop || code == hcBottom;
    const uint8_t sizing = object->GetSizing();
    if (constraint == TZpDragConstraint::Aspect || sizing == szAspectRatio) {
        TRect aspect = object->GetAspectRect();
        if (aspect.IsEmpty())
            aspect = track;
        if (!aspect.IsEmpty()) {
            const float ratio = float(aspect.Height()) / float(aspect.Width());
            if (vertical)
                r.Right = int(std::lround(float(r.Bottom - r.Top) / ratio)) + r.Left;
            else
                r.Bottom = int(std::lround(float(r.Right - r.Left) * ratio)) + r.Top;
        }
    } else if (constraint == TZpDragConstraint::Square || sizing == szHeightEqualsWidth) {
        if (vertical)
            r.Right = r.Bottom + r.Left - r.Top;
        else
            r.Bottom = r.Right + r.Top - r.Left;
    }
    if (code >= hcTopLeft && code <= hcRight)
        r = NormalizedRect(r);
    return r;
}

TZpObjectDrag::TZpObjectDrag(TZpEditSession& session, TZpHitCode code)
    : FSession(session), FCode(code), FObjects(session.Selection()) {
    for (const TZpObjectPtr& object : FObjects)
        object->SetTrackRect(object->GetBounds());
}

void TZpObjectDrag::DragTo(int dx, int dy, TZpDragConstraint constraint) {
    if (FCode == hcBody) {
        for (const TZpObjectPtr& object : FObjects) {
            TRect r = object->GetTrackRect();
            r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
            if (r.Left < 0)
                dx -= r.Left;
            else if (r.Right < 0)
                dx -= r.Right;
            if (r.Top < 0)
                dy -= r.Top;
            else if (r.Bottom < 0)
                dy -= r.Bottom;
        }
    }
    const int dpi = LabelDPI();
    for (const TZpObjectPtr& object : FObjects) {
        TRect r = DraggedBounds(object, object->GetTrackRect(), FCode, dx, dy, constraint);
        if (FCode == hcBody)
            r = SnapRectToGuides(r, FSession.Environment(), dpi);
        object->SetBounds(r);
    }
    FSession.Notify(TZpChange::Dragging);
}

void TZpObjectDrag::End() {
    auto event = std::make_shared<TZpUndoEvent>(
        QString::fromLatin1(FCode == hcBody ? UndoCaption::Move : UndoCaption::Resize));
    bool changed = false;
    for (const TZpObjectPtr& object : FObjects) {
        const TRect before = object->GetTrackRect();
        changed = changed || before != object->GetBounds();
        event->AddItem(std::make_unique<TZpUndoRectEventItem>(object, before));
        object->SetTrackRect(object->GetBounds());
    }
    if (changed)
        FSession.PushEvent(event, TZpChange::ObjectsChanged, true);
    else
        FSession.SetModified();
}

void TZpObjectDrag::Cancel() {
    for (const TZpObjectPtr& object : FObjects)
        object->SetBoundsExact(object->GetTrackRect());
    FSession.Notify(TZpChange::ObjectsChanged);
}

TRect NewObjectBounds(const TRect& defaultBounds, const TRect& band, int labelDpi) {
    const int t = int(std::lround(labelDpi * 0.05));
    if (std::abs(band.Width()) > t || std::abs(band.Height()) > t)
        return band;
    return {band.Left, band.Top, band.Left + defaultBounds.Width(), band.Top + defaultBounds.Height()};
}

TZpObjectPtr CreateObjectInBand(TZpEditSession& session, const QString& className, const TRect& band,
                                TZpDragConstraint constraint) {
    TZpObjectPtr object = CreateObject(className);
    if (!object)
        return nullptr;
    object->SetSizing(uint8_t(constraint));
    object->SetBounds(NewObjectBounds(object->GetBounds(), band, LabelDPI()));
    session.AddObject(object);
    session.ClearSelection();
    session.SelectObject(object);
    return object;
}

} // namespace zp

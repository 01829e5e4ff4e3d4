// SPDX-License-Identifier: MIT
#include "design/edit/EditSession.h"

#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "design/edit/InPlaceEdit.h"
#include "files/LabelFile.h"
#include "model/data/ZpData.h"
#include "platform/store/SettingsStore.h"

#include <QPolygon>
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace zp {

namespace {

const QString kTextClass = QStringLiteral("TZpTextObject");
const QString kBarcodeClass = QStringLiteral("TZpBarcodeObject");

bool MeetsRect(const TZpObjectPtr& object, const TRect& r) {
    if (!Meets(object->HitExtent(), r))
        return false;
    const QRect area(QPoint(r.Left, r.Top), QPoint(r.Right, r.Bottom));
    if (auto* linear = Supports<IZpLinear>(object)) {
        QPolygon band;
        for (const TPoint& p : linear->GetHitPolygon())
            band << QPoint(p.X, p.Y);
        return band.intersects(QPolygon(area, true));
    }
    const TRect b = NormalizedRect(object->GetBounds());
    return std::max(b.Left, r.Left) < std::min(b.Right, r.Right) &&
           std::max(b.Top, r.Top) < std::min(b.Bottom, r.Bottom);
}

} // namespace

TZpEditSession::TZpEditSession(std::optional<int> undoLevels, QObject* parent)
    : QObject(parent), FUndo(undoLevels ? *undoLevels : TZpUndoStack::LevelsFromSettings(ZpStore())) {
    qRegisterMetaType<zp::TZpChanges>();
}

TZpEditSession::~TZpEditSession() = default;

QString TZpEditSession::UndoCommandCaption() const {
    return QStringLiteral("&Undo %1").arg(FUndo.UndoCaption());
}

QString TZpEditSession::RedoCommandCaption() const {
    return QStringLiteral("&Redo %1").arg(FUndo.RedoCaption());
}

void TZpEditSession::Notify(TZpChanges changes) {
    if (changes)
        Q_EMIT Changed(changes);
}

TZpChanges TZpEditSession::MarkModified() {
    if (FDocument.Modified())
        return {};
    FDocument.SetModified(true);
    return TZpChange::Modified;
}

void TZpEditSession::SetModified() {
    Notify(MarkModified());
}

void TZpEditSession::SetModified(bool modified) {
    if (FDocument.Modified() == modified)
        return;
    FDocument.SetModified(modified);
    Notify(TZpChange::Modified);
}

// Selection

TZpObjectPtr TZpEditSession::LastSelected() const {
    return FSelection.empty() ? nullptr : FSelection.back();
}

bool TZpEditSession::IsSelected(const TZpObjectPtr& object) const {
    return std::find(FSelection.begin(), FSelection.end(), object) != FSelection.end();
}

void TZpEditSession::SelectOne(const TZpObjectPtr& object) {
    if (IsSelected(object))
        return;
    FSelection.push_back(object);
    const int32_t group = object->GetGroupId();
    if (group == -1)
        return;
    for (const TZpObjectPtr& other : Objects())
        if (other != object && other->GetGroupId() == group && !IsSelected(other))
            FSelection.push_back(other);
}

void TZpEditSession::SelectObject(const TZpObjectPtr& object) {
    if (!object)
        return;
    SelectOne(object);
    Notify(TZpChange::Selection);
}

void TZpEditSession::DeselectObject(const TZpObjectPtr& object) {
    if (!object || !IsSelected(object))
        return;
    std::erase(FSelection, object);
    const int32_t group = object->GetGroupId();
    if (group != -1) {
        for (size_t i = FSelection.size(); i-- > 0;)
            if (FSelection[i]->GetGroupId() == group)
                FSelection.erase(FSelection.begin() + ptrdiff_t(i));
    }
    Notify(TZpChange::Selection);
}

void TZpEditSession::ClearSelection() {
    FSelection.clear();
    Notify(TZpChange::Selection);
}

void TZpEditSession::SelectAll() {
    FSelection = Objects();
    Notify(TZpChange::Selection);
}

void TZpEditSession::SelectInRect(const TRect& labelRect) {
    // SelectOne's searches would make a band over a big label quadratic: the
    // same order (each object, then the rest of its group) from sets.
    const TRect r = NormalizedRect(labelRect);
    const TZpObjectList& objects = Objects();
    std::unordered_set<const TZpObject*> selected;
    for (const TZpObjectPtr& s : FSelection)
        selected.insert(s.get());
    std::unordered_map<int32_t, TZpObjectList> groups;
    for (const TZpObjectPtr& object : objects)
        if (object->GetGroupId() != -1)
            groups[object->GetGroupId()].push_back(object);
    for (const TZpObjectPtr& object : objects) {
        if (selected.contains(object.get()) || !MeetsRect(object, r))
            continue;
        FSelection.push_back(object);
        selected.insert(object.get());
        if (object->GetGroupId() == -1)
            continue;
        for (const TZpObjectPtr& member : groups[object->GetGroupId()])
            if (selected.insert(member.get()).second)
                FSelection.push_back(member);
    }
    Notify(TZpChange::Selection);
}

// Hit tests

TZpHitCode TZpEditSession::HitCode(const TZpObjectPtr& object, TPoint devicePoint,
                                   const TZpViewMapping& mapping) const {
    return zp::HitCode(object, IsSelected(object), devicePoint, mapping);
}

TZpObjectPtr TZpEditSession::HitTest(TPoint devicePoint, const TZpViewMapping& mapping) const {
    TZpObjectPtr body;
    const TZpObjectList& objects = Objects();
    const TRect reach = PointerReach(devicePoint, mapping);
    for (size_t i = objects.size(); i-- > 0;) {
        if (!Meets(objects[i]->HitExtent(), reach))
            continue;
        const TZpHitCode code = HitCode(objects[i], devicePoint, mapping);
        if (code >= hcTopLeft)
            return objects[i];
        if (code == hcBody && !body)
            body = objects[i];
    }
    return body;
}

TZpObjectPtr TZpEditSession::HitTestNext(TPoint devicePoint, const TZpViewMapping& mapping) const {
    const TZpObjectList& objects = Objects();
    TZpObjectPtr start;
    for (const TZpObjectPtr& s : FSelection)
        if (HitCode(s, devicePoint, mapping) != hcNone) {
            start = s;
            break;
        }
    const auto at = std::find(objects.begin(), objects.end(), start);
    if (!start || at == objects.end())
        return HitTest(devicePoint, mapping);
    const size_t n = objects.size();
    const size_t first = size_t(at - objects.begin());
    const TRect reach = PointerReach(devicePoint, mapping);
    for (size_t step = 1; step < n; ++step) {
        const TZpObjectPtr& candidate = objects[(first + n - step) % n];
        if (Meets(candidate->HitExtent(), reach) && HitCode(candidate, devicePoint, mapping) != hcNone)
            return candidate;
    }
    return start;
}

// Objects

void TZpEditSession::AddObject(TZpObjectPtr object) {
    TZpObjectList& objects = FDocument.Objects();
    auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::AddObject));
    event->AddItem(std::make_unique<TZpUndoObject>(object, objects, FSelection, true, objects.size()));
    FUndo.PushEvent(event);
    objects.push_back(object);
    TZpChanges changes = TZpChanges(TZpChange::ObjectsAdded) | TZpChange::History | MarkModified();
    if (auto* data = Supports<IZpData>(object)) {
        data->SetConnections(&FDocument.Connections());
        try {
            data->Update();
        } catch (...) {
            Notify(changes);
            throw;
        }
        const TZpObjectPtr named = FindObjectByDataName(data->GetName());
        if (data->GetName().isEmpty() || named != object)
            MakeUniqueDataName(object);
    }
    Notify(changes);
}

void TZpEditSession::DeleteSelected() {
    EndInPlaceEdit();
    if (FSelection.empty())
        return;
    TZpObjectList& objects = FDocument.Objects();
    // Items in drawing order, each with its place, so that undoing puts
    // every object back exactly where it lay.
    std::vector<std::pair<size_t, TZpObjectPtr>> doomed;
    for (const TZpObjectPtr& s : FSelection) {
        const auto at = std::find(objects.begin(), objects.end(), s);
        if (at != objects.end())
            doomed.emplace_back(size_t(at - objects.begin()), s);
    }
    std::sort(doomed.begin(), doomed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::DeleteObject));
    for (const auto& [index, object] : doomed)
        event->AddItem(std::make_unique<TZpUndoObject>(object, objects, FSelection, false, index));
    for (const auto& entry : doomed)
        std::erase(objects, entry.second);
    FUndo.PushEvent(event);
    FSelection.clear();
    Notify(TZpChanges(TZpChange::ObjectsRemoved) | TZpChange::Selection | TZpChange::History |
           MarkModified());
}

int32_t TZpEditSession::NewGroupId() const {
    int32_t largest = -1;
    for (const TZpObjectPtr& o : Objects())
        largest = std::max(largest, o->GetGroupId());
    if (largest < INT32_MAX)
        return std::max(largest + 1, 1);
    std::unordered_set<int32_t> used;
    for (const TZpObjectPtr& o : Objects())
        used.insert(o->GetGroupId());
    int32_t id = 1;
    while (used.contains(id))
        ++id;
    return id;
}

void TZpEditSession::MakeUniqueDataName(const TZpObjectPtr& object) {
    auto* data = Supports<IZpData>(object);
    if (!data)
        return;
    const QString className = object->GetClassName();
    const QString pattern = className == kTextClass      ? QStringLiteral("TEXT_%1")
                            : className == kBarcodeClass ? QStringLiteral("BARCODE_%1")
                                                         : QStringLiteral("OBJECT_%1");
    for (int n = 1;; ++n) {
        const QString name = pattern.arg(n);
        if (!FindObjectByDataName(name)) {
            data->SetName(name);
            return;
        }
    }
}

TZpObjectPtr TZpEditSession::FindObjectByDataName(const QString& name) const {
    for (const TZpObjectPtr& object : Objects())
        if (auto* data = Supports<IZpData>(object); data && data->GetName() == name)
            return object;
    return nullptr;
}

std::unique_ptr<TZpUndoObject> TZpEditSession::PresenceItem(TZpObjectPtr object, bool present, size_t index) {
    return std::make_unique<TZpUndoObject>(std::move(object), FDocument.Objects(), FSelection, present,
                                           index);
}

// Guides

QList<int32_t>& TZpEditSession::Guides(TZpGuideAxis axis) {
    return axis == TZpGuideAxis::Vertical ? Environment().FGuidesX : Environment().FGuidesY;
}

void TZpEditSession::BeginGuideDrag(TZpGuideAxis axis, int index) {
    QList<int32_t>& guides = Guides(axis);
    TGuideDrag drag{axis, index, index < 0, std::make_unique<TZpUndoGuide>(guides)};
    if (drag.IsNew) {
        guides.append(-1);
        drag.Index = int(guides.size()) - 1;
    } else if (index >= guides.size()) {
        return;
    }
    FGuideDrag = std::move(drag);
    Notify(TZpChange::Guides);
}

TZpGuideAxis TZpEditSession::DraggedGuideAxis() const {
    return FGuideDrag ? FGuideDrag->Axis : TZpGuideAxis::Vertical;
}

int TZpEditSession::DraggedGuideIndex() const {
    return FGuideDrag ? FGuideDrag->Index : -1;
}

void TZpEditSession::DragGuideTo(int pos) {
    if (!FGuideDrag)
        return;
    Guides(FGuideDrag->Axis)[FGuideDrag->Index] = pos;
    Notify(TZpChange::Guides);
}

void TZpEditSession::EndGuideDrag(int pos, bool onRuler) {
    if (!FGuideDrag)
        return;
    TGuideDrag drag = std::move(*FGuideDrag);
    FGuideDrag.reset();
    QList<int32_t>& guides = Guides(drag.Axis);
    const QString caption = onRuler      ? QString::fromLatin1(UndoCaption::GuideDelete)
                            : drag.IsNew ? QString::fromLatin1(UndoCaption::GuideAdd)
                                         : QString::fromLatin1(UndoCaption::GuideMove);
    if (!(onRuler && drag.IsNew)) {
        auto event = std::make_shared<TZpUndoEvent>(caption);
        event->AddItem(std::move(drag.Snapshot));
        FUndo.PushEvent(event);
    }
    if (onRuler)
        guides.removeAt(drag.Index);
    else
        guides[drag.Index] = pos;
    Notify(TZpChanges(TZpChange::Guides) | TZpChange::History | MarkModified());
}

void TZpEditSession::ClearGuides() {
    auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::ClearGuides));
    event->AddItem(std::make_unique<TZpUndoGuide>(Environment().FGuidesY));
    event->AddItem(std::make_unique<TZpUndoGuide>(Environment().FGuidesX));
    FUndo.PushEvent(event);
    Environment().FGuidesY.clear();
    Environment().FGuidesX.clear();
    Notify(TZpChanges(TZpChange::Guides) | TZpChange::History | MarkModified());
}

void TZpEditSession::PlaceGuides(const TZpGuidePlacement& p) {
    if (p.ClearFirst)
        ClearGuides();
    // Taken after the clearing, so that undoing and redoing the two events
    // in turn passes through the cleared state.
    auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::PlaceGuides));
    event->AddItem(std::make_unique<TZpUndoGuide>(Environment().FGuidesY));
    event->AddItem(std::make_unique<TZpUndoGuide>(Environment().FGuidesX));
    const int dpi = LabelDPI();
    auto place = [dpi](QList<int32_t>& guides, int count, double start, double space) {
        int32_t b = Round(start * dpi);
        const int32_t step = Round(space * dpi);
        for (int i = 0; i < count; ++i, b += step)
            guides.append(b);
    };
    place(Environment().FGuidesY, std::clamp(p.HorizontalCount, 0, 99), p.HorizontalStart, p.HorizontalSpace);
    place(Environment().FGuidesX, std::clamp(p.VerticalCount, 0, 99), p.VerticalStart, p.VerticalSpace);
    FUndo.PushEvent(event);
    Notify(TZpChanges(TZpChange::Guides) | TZpChange::History | MarkModified());
}

// The label as a whole

void TZpEditSession::NewLabel() {
    EndInPlaceEdit();
    FGuideDrag.reset();
    FSelection.clear();
    FUndo.ClearHistory();
    FDocument.Clear();
    Notify(kAllChanges);
}

void TZpEditSession::LoadFromFile(const QString& fileName) {
    EndInPlaceEdit();
    FGuideDrag.reset();
    FSelection.clear();
    // The history holds the objects of the label being replaced; even a
    // failed load has emptied the object list, so none of it applies any more.
    FUndo.ClearHistory();
    try {
        LoadLabelDocument(FDocument, fileName, true);
    } catch (...) {
        Notify(kAllChanges);
        throw;
    }
    Notify(kAllChanges);
}

// Undo and redo

void TZpEditSession::PushEvent(TZpUndoEventPtr event, TZpChanges changes, bool setModified) {
    FUndo.PushEvent(std::move(event));
    Notify(changes | TZpChange::History | (setModified ? MarkModified() : TZpChanges()));
}

void TZpEditSession::Undo() {
    EndInPlaceEdit();
    FGuideDrag.reset();
    if (CanUndo())
        Notify(FUndo.Undo() | TZpChange::History);
}

void TZpEditSession::Redo() {
    EndInPlaceEdit();
    FGuideDrag.reset();
    if (CanRedo())
        Notify(FUndo.Redo() | TZpChange::History);
}

bool TZpEditSession::BeginInPlaceEdit(const TZpObjectPtr& object) {
    EndInPlaceEdit();
    FInPlaceEdit = TZpInPlaceEdit::Begin(*this, object);
    return FInPlaceEdit != nullptr;
}

void TZpEditSession::EndInPlaceEdit() {
    // Taken out first: ending may raise Changed, whose observers must see
    // the edit over.
    if (std::unique_ptr<TZpInPlaceEdit> edit = std::move(FInPlaceEdit))
        edit->End();
}

TZpObjectPtr TZpEditSession::EditedObject() const {
    return FInPlaceEdit ? FInPlaceEdit->Object() : nullptr;
}

} // namespace zp

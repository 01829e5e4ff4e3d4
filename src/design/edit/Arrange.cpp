// SPDX-License-Identifier: MIT
#include "design/edit/Arrange.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "model/data/ZpData.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/TextObject.h"

#include <QFile>
#include <QStringConverter>
#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace zp {

namespace {

/// Whether a command may act: something selected on an unlocked label.
bool CanAct(const TZpEditSession& session) {
    return session.SelectedCount() > 0 && !session.IsLocked();
}

TZpUndoEventPtr NewEvent(const char* caption) {
    return std::make_shared<TZpUndoEvent>(QString::fromLatin1(caption));
}

/// Records the event when it holds anything; changes that the undo list can
/// take back are changes to the label, so it becomes modified.
void Record(TZpEditSession& session, const TZpUndoEventPtr& event) {
    if (event->Count() > 0)
        session.PushEvent(event, TZpChange::ObjectsChanged, true);
}

void Offset(TZpObject& object, int32_t dx, int32_t dy) {
    if (dx == 0 && dy == 0)
        return;
    TRect r = object.GetBounds();
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
    object.SetBounds(r);
}

/// `div` of the original arithmetic: truncating toward zero.
int32_t CentreX(const TRect& r) {
    return r.Left + (r.Right - r.Left) / 2;
}
int32_t CentreY(const TRect& r) {
    return r.Top + (r.Bottom - r.Top) / 2;
}

/// Moves every selected object by what offsetOf answers for its bounds, in
/// one event with each object's bounds before.
template <class F> void MoveEach(TZpEditSession& session, const char* caption, F offsetOf) {
    auto event = NewEvent(caption);
    for (const TZpObjectPtr& o : session.Selection()) {
        event->AddItem(std::make_unique<TZpUndoRectEventItem>(o));
        const TPoint d = offsetOf(o->GetBounds());
        Offset(*o, d.X, d.Y);
    }
    Record(session, event);
}

/// One setter of the toolbars: an item with the old value and the new value
/// for every selected object that has interface I.
template <class I, class Item, class F>
void FormatEach(TZpEditSession& session, const char* caption, bool record, F set) {
    if (!CanAct(session))
        return;
    auto event = NewEvent(caption);
    bool changed = false;
    for (const TZpObjectPtr& o : session.Selection()) {
        I* face = Supports<I>(o);
        // While an object is edited in place only its editor takes the change.
        if (!face || (!record && session.IsEditing() && o != session.EditedObject()))
            continue;
        event->AddItem(std::make_unique<Item>(o));
        set(*face);
        changed = true;
    }
    if (record)
        Record(session, event);
    else if (changed)
        session.Notify(TZpChange::ObjectsChanged);
}

std::unordered_set<const TZpObject*> SelectedSet(const TZpEditSession& session) {
    std::unordered_set<const TZpObject*> set;
    for (const TZpObjectPtr& o : session.Selection())
        set.insert(o.get());
    return set;
}

} // namespace

TZpUndoGroupItem::TZpUndoGroupItem(TZpObjectPtr object)
    : TZpUndoEventItem(std::move(object)), FGroup(FObject->GetGroupId()) {}

void TZpUndoGroupItem::Execute() {
    const int32_t current = FObject->GetGroupId();
    FObject->SetGroupId(FGroup);
    FGroup = current;
}

// ----- drawing order

void BringToFront(TZpEditSession& session) {
    if (!CanAct(session))
        return;
    TZpObjectList& objects = session.Document().Objects();
    auto event = NewEvent(UndoCaption::BringToFront);
    event->AddItem(std::make_unique<TZpUndoOrderItem>(objects));
    // Unselected objects keep their order below; the selection goes on top
    // with the first selected highest.
    const TZpObjectList& selection = session.Selection();
    const std::unordered_set<const TZpObject*> chosen = SelectedSet(session);
    auto rest = std::stable_partition(objects.begin(), objects.end(),
                                      [&](const TZpObjectPtr& o) { return !chosen.contains(o.get()); });
    std::copy(selection.rbegin(), selection.rend(), rest);
    Record(session, event);
}

void SendToBack(TZpEditSession& session) {
    if (!CanAct(session))
        return;
    TZpObjectList& objects = session.Document().Objects();
    auto event = NewEvent(UndoCaption::SendToBack);
    event->AddItem(std::make_unique<TZpUndoOrderItem>(objects));
    const TZpObjectList& selection = session.Selection();
    const std::unordered_set<const TZpObject*> chosen = SelectedSet(session);
    std::stable_partition(objects.begin(), objects.end(),
                          [&](const TZpObjectPtr& o) { return chosen.contains(o.get()); });
    // The selected block at the bottom, the last selected lowest.
    std::copy(selection.rbegin(), selection.rend(), objects.begin());
    Record(session, event);
}

// ----- align, distribute, size

void AlignObjects(TZpEditSession& session, TZpAlign kind) {
    if (!CanAct(session))
        return;
    const TRect ref = session.Selected(0)->GetBounds();
    const TLabelProperties& layout = session.Document().Layout();
    const auto labelCentreX = int32_t(std::nearbyint(double(LabelDPI()) * double(layout.Width) / 2));
    const auto labelCentreY = int32_t(std::nearbyint(double(LabelDPI()) * double(layout.Height) / 2));
    MoveEach(session, UndoCaption::Align, [&](const TRect& r) -> TPoint {
        switch (kind) {
        case TZpAlign::CentreInLabelHorizontally:
            return {labelCentreX - CentreX(r), 0};
        case TZpAlign::CentreInLabelVertically:
            return {0, labelCentreY - CentreY(r)};
        default:
            break;
        }
        switch (kind) {
        case TZpAlign::Left:
            return {ref.Left - r.Left, 0};
        case TZpAlign::Top:
            return {0, ref.Top - r.Top};
        case TZpAlign::Right:
            return {ref.Right - r.Right, 0};
        case TZpAlign::Bottom:
            return {0, ref.Bottom - r.Bottom};
        case TZpAlign::VerticalCentres:
            return {0, CentreY(ref) - CentreY(r)};
        case TZpAlign::HorizontalCentres:
            return {CentreX(ref) - CentreX(r), 0};
        default:
            return {0, 0};
        }
    });
}

void DistributeObjects(TZpEditSession& session, bool horizontally) {
    if (session.SelectedCount() < 3 || session.IsLocked())
        return;
    TZpObjectList order = session.Selection();
    auto low = [&](const TZpObjectPtr& o) { return horizontally ? o->GetBounds().Left : o->GetBounds().Top; };
    auto high = [&](const TZpObjectPtr& o) {
        return horizontally ? o->GetBounds().Right : o->GetBounds().Bottom;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](const TZpObjectPtr& a, const TZpObjectPtr& b) { return low(a) < low(b); });
    const size_t n = order.size();
    // The first and last stay; the free space between them is shared out
    // in n - 1 equal gaps (rounded so the positions never drift).
    int64_t inner = 0;
    for (size_t i = 1; i + 1 < n; ++i)
        inner += high(order[i]) - low(order[i]);
    const int64_t free = int64_t(low(order[n - 1])) - high(order[0]) - inner;
    auto event =
        NewEvent(horizontally ? UndoCaption::DistributeHorizontally : UndoCaption::DistributeVertically);
    int64_t extent = 0;
    for (size_t i = 1; i + 1 < n; ++i) {
        const int64_t gaps = int64_t(std::llround(double(free) * double(i) / double(n - 1)));
        const auto target = int32_t(high(order[0]) + extent + gaps);
        extent += high(order[i]) - low(order[i]);
        const int32_t d = target - low(order[i]);
        if (d == 0)
            continue;
        event->AddItem(std::make_unique<TZpUndoRectEventItem>(order[i]));
        Offset(*order[i], horizontally ? d : 0, horizontally ? 0 : d);
    }
    Record(session, event);
}

void SizeObjects(TZpEditSession& session, TZpSize kind) {
    if (!CanAct(session))
        return;
    int32_t minW = INT32_MAX, maxW = INT32_MIN, minH = INT32_MAX, maxH = INT32_MIN;
    for (const TZpObjectPtr& o : session.Selection()) {
        const TRect r = o->GetBounds();
        minW = std::min(minW, r.Width());
        maxW = std::max(maxW, r.Width());
        minH = std::min(minH, r.Height());
        maxH = std::max(maxH, r.Height());
    }
    const TLabelProperties& layout = session.Document().Layout();
    // One pixel in from both edges, so the object's outline stays on the label.
    const auto labelW = int32_t(std::trunc(double(LabelDPI()) * double(layout.Width)));
    const auto labelH = int32_t(std::trunc(double(LabelDPI()) * double(layout.Height)));
    auto event = NewEvent(UndoCaption::Sizing);
    for (const TZpObjectPtr& o : session.Selection()) {
        event->AddItem(std::make_unique<TZpUndoRectEventItem>(o));
        TRect r = o->GetBounds();
        switch (kind) {
        case TZpSize::ShrinkToSmallestWidth:
            r.Right = r.Left + minW;
            break;
        case TZpSize::GrowToLargestWidth:
            r.Right = r.Left + maxW;
            break;
        case TZpSize::ShrinkToSmallestHeight:
            r.Bottom = r.Top + minH;
            break;
        case TZpSize::GrowToLargestHeight:
            r.Bottom = r.Top + maxH;
            break;
        case TZpSize::LabelWidth:
            r.Left = 1;
            r.Right = labelW - 2;
            break;
        case TZpSize::LabelHeight:
            r.Top = 1;
            r.Bottom = labelH - 2;
            break;
        }
        o->SetBounds(r);
    }
    Record(session, event);
}

// ----- nudge

TPoint NudgeStep(int dx, int dy, int screenDpi, int scale) {
    const double factor =
        double(LabelDPI()) / double(std::max(1, screenDpi)) / (double(std::max(1, scale)) / 100);
    return {int32_t(std::nearbyint(factor * dx)), int32_t(std::nearbyint(factor * dy))};
}

bool Nudge(TZpEditSession& session, int dx, int dy, int screenDpi) {
    if (!CanAct(session))
        return true;
    const TPoint step = NudgeStep(dx, dy, screenDpi, session.Environment().Scale());
    for (const TZpObjectPtr& o : session.Selection()) {
        const TRect r = o->GetBounds();
        if (r.Left + step.X < 0 || r.Top + step.Y < 0 || r.Right + step.X < 0 || r.Bottom + step.Y < 0)
            return false;
    }
    if (step.X == 0 && step.Y == 0)
        return true;
    MoveEach(session, UndoCaption::Nudge, [&](const TRect&) { return step; });
    return true;
}

// ----- rotate and flip

namespace {

/// Runs change on every selected object with interface I, recording with
/// makeItem first; on an error the event keeps what was done and is
/// recorded before the error goes on.
template <class I, class MakeItem, class F>
void ChangeEach(TZpEditSession& session, const char* caption, MakeItem makeItem, F change) {
    if (!CanAct(session))
        return;
    auto event = NewEvent(caption);
    try {
        for (const TZpObjectPtr& o : session.Selection()) {
            I* face = Supports<I>(o);
            if (!face)
                continue;
            event->AddItem(makeItem(o));
            change(*face);
        }
    } catch (...) {
        Record(session, event);
        throw;
    }
    Record(session, event);
}

} // namespace

void RotateSelected(TZpEditSession& session) {
    session.EndInPlaceEdit();
    ChangeEach<IZpRotation>(
        session, UndoCaption::Rotate,
        [](const TZpObjectPtr& o) { return std::make_unique<TZpUndoRotateItem>(o); },
        [](IZpRotation& r) { r.SetRotation(r.GetRotation() == 270 ? 0 : r.GetRotation() + 90); });
}

void FlipSelected(TZpEditSession& session, int direction) {
    ChangeEach<IZpGraphic>(
        session, UndoCaption::FlipImage,
        [](const TZpObjectPtr& o) { return std::make_unique<TZpUndoObjectItem>(o); },
        [&](IZpGraphic& g) { g.Flip(direction == 1); });
}

// ----- groups

bool CanGroup(const TZpEditSession& session) {
    const TZpObjectList& sel = session.Selection();
    return sel.size() > 1 &&
           std::any_of(sel.begin(), sel.end(), [](auto& o) { return o->GetGroupId() == -1; });
}

bool CanUngroup(const TZpEditSession& session) {
    const TZpObjectList& sel = session.Selection();
    return sel.size() > 1 &&
           std::any_of(sel.begin(), sel.end(), [](auto& o) { return o->GetGroupId() != -1; });
}

namespace {

void SetGroup(TZpEditSession& session, const char* caption, int32_t group) {
    auto event = NewEvent(caption);
    for (const TZpObjectPtr& o : session.Selection()) {
        if (o->GetGroupId() == group)
            continue;
        event->AddItem(std::make_unique<TZpUndoGroupItem>(o));
        o->SetGroupId(group);
    }
    Record(session, event);
}

} // namespace

void GroupSelected(TZpEditSession& session) {
    if (!CanAct(session))
        return;
    SetGroup(session, UndoCaption::Group, session.NewGroupId());
}

void UngroupSelected(TZpEditSession& session) {
    if (!CanAct(session))
        return;
    SetGroup(session, UndoCaption::Ungroup, -1);
}

// ----- formatting

void SetFillStyle(TZpEditSession& session, TColor color, uint8_t style, bool transparent) {
    FormatEach<IZpFillStyle, TZpUndoFillStyleItem>(session, UndoCaption::FillStyle, true,
                                                   [&](IZpFillStyle& f) {
                                                       f.SetColor(color);
                                                       f.SetStyle(style);
                                                       f.SetTransparent(transparent);
                                                   });
}

void SetLineStyle(TZpEditSession& session, TColor color, uint8_t style, int32_t width) {
    FormatEach<IZpLineStyle, TZpUndoLineStyleItem>(session, UndoCaption::LineStyle, true,
                                                   [&](IZpLineStyle& l) {
                                                       l.SetColor(color);
                                                       l.SetStyle(style);
                                                       l.SetWidth(width);
                                                   });
}

void SetTextAlignment(TZpEditSession& session, uint8_t alignment, bool editing) {
    FormatEach<IZpFont, TZpUndoFontAlignItem>(session, UndoCaption::TextAlignment, !editing,
                                              [&](IZpFont& f) { f.SetAlignment(alignment); });
}

void SetFontName(TZpEditSession& session, const QString& name, bool editing) {
    FormatEach<IZpFont, TZpUndoFontNameItem>(session, UndoCaption::FontName, !editing,
                                             [&](IZpFont& f) { f.SetName(name); });
}

void SetFontSize(TZpEditSession& session, int32_t size, bool editing) {
    FormatEach<IZpFont, TZpUndoFontSizeItem>(session, UndoCaption::FontSize, !editing,
                                             [&](IZpFont& f) { f.SetSize(size); });
}

void SetFontColor(TZpEditSession& session, TColor color, bool editing) {
    FormatEach<IZpFont, TZpUndoFontColorItem>(session, UndoCaption::FontColor, !editing,
                                              [&](IZpFont& f) { f.SetColor(color); });
}

void SetFontBold(TZpEditSession& session, bool on, bool editing) {
    FormatEach<IZpFont, TZpUndoFontBoldItem>(session, on ? UndoCaption::SetBold : UndoCaption::ClearBold,
                                             !editing, [&](IZpFont& f) { f.SetBold(on); });
}

void SetFontItalic(TZpEditSession& session, bool on, bool editing) {
    FormatEach<IZpFont, TZpUndoFontItalicItem>(session,
                                               on ? UndoCaption::SetItalic : UndoCaption::ClearItalic,
                                               !editing, [&](IZpFont& f) { f.SetItalic(on); });
}

void SetFontUnderline(TZpEditSession& session, bool on, bool editing) {
    FormatEach<IZpFont, TZpUndoFontUnderlineItem>(
        session, on ? UndoCaption::SetUnderline : UndoCaption::ClearUnderline, !editing,
        [&](IZpFont& f) { f.SetUnderline(on); });
}

// ----- import and properties

void ImportTextFile(TZpEditSession& session, const QString& fileName) {
    if (session.IsLocked())
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EZpError(QStringLiteral("Cannot open file \"%1\".").arg(fileName));
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    // A final line break ends the last line; it does not start another.
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    TZpObjectPtr object = CreateObject(QStringLiteral("TZpTextObject"));
    if (auto* data = Supports<IZpData>(object)) {
        data->SetKind(dkStaticText);
        data->SetText(lines.join(QStringLiteral("\r\n")));
    }
    // Static text is drawn from the object's formatted text, which a new
    // object holds as its default; rebuild it from the imported text.
    if (auto* text = dynamic_cast<TZpTextObject*>(object.get()))
        text->Rebuild();
    session.AddObject(object);
    session.ClearSelection();
    session.SelectObject(object);
}

bool EditSelectedProperties(TZpEditSession& session,
                            const std::function<bool(const TZpObjectList&)>& multiple) {
    session.EndInPlaceEdit();
    if (!CanAct(session))
        return false;
    auto event = NewEvent(UndoCaption::ObjectProperties);
    for (const TZpObjectPtr& o : session.Selection())
        event->AddItem(std::make_unique<TZpUndoObjectItem>(o));
    bool ok = false;
    try {
        ok = session.SelectedCount() == 1 ? session.Selected(0)->EditProperties()
                                          : (multiple && multiple(session.Selection()));
    } catch (...) {
        session.Document().RefreshDataValues();
        throw;
    }
    // Linked objects show what the edited ones hold now; a cancelled dialog
    // changed nothing, but the values are read afresh all the same.
    session.Document().RefreshDataValues();
    if (ok)
        Record(session, event);
    else
        session.Notify(TZpChange::ObjectsChanged);
    return ok;
}

} // namespace zp

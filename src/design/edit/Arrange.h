// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/EditSession.h"

#include <functional>
#include <utility>

namespace zp {

/// The arrangement and formatting commands on a session's selection. Each
/// one that changes something records one undo event and marks the label
/// modified; with an empty selection, a locked label or no selected object
/// that has the property, nothing changes and nothing is recorded.

namespace UndoCaption {
inline constexpr char BringToFront[] = "Bring to Front";
inline constexpr char SendToBack[] = "Send to Back";
inline constexpr char Group[] = "Group";
inline constexpr char Ungroup[] = "Ungroup";
inline constexpr char DistributeHorizontally[] = "Distribute Horizontally";
inline constexpr char DistributeVertically[] = "Distribute Vertically";
} // namespace UndoCaption

/// The align commands; the first selected object is the reference and stays.
enum class TZpAlign {
    Left = 0,
    Top = 1,
    Right = 2,
    Bottom = 3,
    VerticalCentres = 4,
    HorizontalCentres = 5,
    /// Every selected object, the first included, centred in the label.
    CentreInLabelHorizontally = 6,
    CentreInLabelVertically = 7,
};

enum class TZpSize {
    ShrinkToSmallestWidth = 0,
    GrowToLargestWidth = 1,
    ShrinkToSmallestHeight = 2,
    GrowToLargestHeight = 3,
    LabelWidth = 4,
    LabelHeight = 5,
};

/// The first selected object ends on top, above every unselected object.
void BringToFront(TZpEditSession& session);
/// The last selected object ends at the bottom.
void SendToBack(TZpEditSession& session);

void AlignObjects(TZpEditSession& session, TZpAlign kind);
/// Equal gaps between three or more selected objects: the outermost two
/// (by left or top edge) stay, the others move along the one axis.
void DistributeObjects(TZpEditSession& session, bool horizontally);
void SizeObjects(TZpEditSession& session, TZpSize kind);

/// One label pixel step for one screen pixel (dx, dy) at the label's zoom.
[[nodiscard]] TPoint NudgeStep(int dx, int dy, int screenDpi, int scale);
/// Moves the selection by one screen pixel (dx, dy); false (and nothing
/// moves) when some object would leave the label's top or left edge, for
/// the caller to beep.
bool Nudge(TZpEditSession& session, int dx, int dy, int screenDpi);

/// Turns every selected object that can by 90 degrees (270 back to 0). A
/// refusal part-way still records what turned; the error is raised after.
void RotateSelected(TZpEditSession& session);
/// Mirrors every selected picture; vertical when direction is 1.
void FlipSelected(TZpEditSession& session, int direction);

/// More than one selected and some selected object is ungrouped.
[[nodiscard]] bool CanGroup(const TZpEditSession& session);
/// More than one selected and some selected object is grouped.
[[nodiscard]] bool CanUngroup(const TZpEditSession& session);
/// The selection becomes a new group numbered one above any on the label.
void GroupSelected(TZpEditSession& session);
void UngroupSelected(TZpEditSession& session);

// The toolbars' setters. While an in-place editor is active (editing) the
// font and alignment setters change the object without recording.
void SetFillStyle(TZpEditSession& session, TColor color, uint8_t style, bool transparent);
void SetLineStyle(TZpEditSession& session, TColor color, uint8_t style, int32_t width);
void SetTextAlignment(TZpEditSession& session, uint8_t alignment, bool editing = false);
void SetFontName(TZpEditSession& session, const QString& name, bool editing = false);
void SetFontSize(TZpEditSession& session, int32_t size, bool editing = false);
void SetFontColor(TZpEditSession& session, TColor color, bool editing = false);
void SetFontBold(TZpEditSession& session, bool on, bool editing = false);
void SetFontItalic(TZpEditSession& session, bool on, bool editing = false);
void SetFontUnderline(TZpEditSession& session, bool on, bool editing = false);

/// A new text object at the label's origin holding the whole file as static
/// text (lines joined with CR LF), then the only selected object. Raises
/// when the file cannot be read.
void ImportTextFile(TZpEditSession& session, const QString& fileName);

/// "Object Properties": the object's own dialog for one selected object,
/// else multiple(selection). One event with a snapshot of every selected
/// object is recorded when the dialog ends with OK; the label's data values
/// are refreshed either way. False with nothing selected, on a locked label,
/// on Cancel, or with several selected and no multiple.
bool EditSelectedProperties(TZpEditSession& session,
                            const std::function<bool(const TZpObjectList&)>& multiple);

/// The drawing order of the whole label.
class TZpUndoOrderItem : public TZpUndoEventItem {
public:
    explicit TZpUndoOrderItem(TZpObjectList& objects) : FObjects(objects), FOrder(objects) {}
    void Execute() override { std::swap(FObjects, FOrder); }

private:
    TZpObjectList& FObjects;
    TZpObjectList FOrder;
};

/// An object's group number.
class TZpUndoGroupItem : public TZpUndoEventItem {
public:
    explicit TZpUndoGroupItem(TZpObjectPtr object);
    void Execute() override;

private:
    int32_t FGroup;
};

} // namespace zp

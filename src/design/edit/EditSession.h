// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/Changes.h"
#include "design/edit/Undo.h"
#include "design/edit/ViewGeometry.h"
#include "model/document/LabelDocument.h"

#include <QObject>
#include <optional>

namespace zp {

class TZpInPlaceEdit;

/// The two guide lists: vertical guides hold x positions (FGuidesX),
/// horizontal guides y positions (FGuidesY).
enum class TZpGuideAxis { Vertical, Horizontal };

/// What the "Place Guides" dialog asks for; positions in inches.
struct TZpGuidePlacement {
    int HorizontalCount = 0;
    double HorizontalStart = 0;
    double HorizontalSpace = 0;
    int VerticalCount = 0;
    double VerticalStart = 0;
    double VerticalSpace = 0;
    bool ClearFirst = false;
};

/// One label being edited, without any window: the document, the selection
/// (in the order objects were selected), the undo stack and the operations
/// that change them. Every operation and every undo or redo step raises
/// Changed once with what it changed; the design area, the command states
/// and the status bar observe that signal, and nobody else marks the label
/// modified.
///
/// An editing command records its own undo event: build a TZpUndoEvent with
/// one item per object (each item captures the state before the change),
/// make the change, then PushEvent(event, what changed, whether it marks the
/// label modified), which raises Changed once for all of it.
class TZpEditSession : public QObject {
    Q_OBJECT
public:
    /// undoLevels: the depth of the undo list (1..999), by default from the
    /// settings' "Undo Levels".
    explicit TZpEditSession(std::optional<int> undoLevels = std::nullopt, QObject* parent = nullptr);
    ~TZpEditSession() override;

    [[nodiscard]] TZpLabelDocument& Document() { return FDocument; }
    [[nodiscard]] const TZpLabelDocument& Document() const { return FDocument; }
    [[nodiscard]] const TZpObjectList& Objects() const { return FDocument.Objects(); }
    [[nodiscard]] TZpIDEProperties& Environment() { return FDocument.Environment(); }
    [[nodiscard]] const TZpIDEProperties& Environment() const { return FDocument.Environment(); }
    [[nodiscard]] int ControlCount() const { return int(Objects().size()); }

    // What the command rules read.
    [[nodiscard]] bool Modified() const { return FDocument.Modified(); }
    [[nodiscard]] bool IsLocked() const { return FDocument.Environment().IsLocked(); }
    [[nodiscard]] bool CanUndo() const { return FUndo.CanUndo(); }
    [[nodiscard]] bool CanRedo() const { return FUndo.CanRedo(); }
    /// The menu captions: "&Undo Move", or "&Undo " with nothing to undo.
    [[nodiscard]] QString UndoCommandCaption() const;
    [[nodiscard]] QString RedoCommandCaption() const;
    [[nodiscard]] TZpUndoStack& UndoStack() { return FUndo; }

    // Selection, ordered; selecting a grouped object selects its group.
    [[nodiscard]] const TZpObjectList& Selection() const { return FSelection; }
    [[nodiscard]] int SelectedCount() const { return int(FSelection.size()); }
    [[nodiscard]] TZpObjectPtr Selected(int index) const { return FSelection.at(size_t(index)); }
    /// The object selected last, or null.
    [[nodiscard]] TZpObjectPtr LastSelected() const;
    [[nodiscard]] bool IsSelected(const TZpObjectPtr& object) const;
    void SelectObject(const TZpObjectPtr& object);
    void DeselectObject(const TZpObjectPtr& object);
    void ClearSelection();
    void SelectAll();
    /// Selects every object meeting the rectangle (label pixels): a line when
    /// its outline band meets it, others when their bounds overlap it.
    void SelectInRect(const TRect& labelRect);

    // Hit tests, in device pixels of a view with the given mapping.
    /// A handle of the topmost object that has one under the point, else the
    /// topmost object whose body is there, else null.
    [[nodiscard]] TZpObjectPtr HitTest(TPoint devicePoint, const TZpViewMapping& mapping) const;
    /// For Ctrl+click: the next object below the selected one under the
    /// point, wrapping round, so repeated clicks cycle through a stack.
    [[nodiscard]] TZpObjectPtr HitTestNext(TPoint devicePoint, const TZpViewMapping& mapping) const;
    [[nodiscard]] TZpHitCode HitCode(const TZpObjectPtr& object, TPoint devicePoint,
                                     const TZpViewMapping& mapping) const;

    // Objects.
    /// Puts a new object on top with an "Add Object" event, gives it the
    /// label's data connections and value, and a unique data name when it
    /// has none or a taken one.
    void AddObject(TZpObjectPtr object);
    /// Removes the selection with one "Delete Object" event.
    void DeleteSelected();
    /// "TEXT_n", "BARCODE_n" or "OBJECT_n" with the lowest free n.
    void MakeUniqueDataName(const TZpObjectPtr& object);
    /// A group number no object of the label has: one past the largest, or,
    /// when a file or the clipboard brought the largest possible number, the
    /// smallest free one.
    [[nodiscard]] int32_t NewGroupId() const;
    [[nodiscard]] TZpObjectPtr FindObjectByDataName(const QString& name) const;
    /// The undo item of an object's presence on this label at index in the
    /// drawing order, for events built outside the session (a paste).
    [[nodiscard]] std::unique_ptr<TZpUndoObject> PresenceItem(TZpObjectPtr object, bool present,
                                                              size_t index);

    // Guides.
    /// Starts dragging the guide at index, or a new one (index -1) that is
    /// added at -1 until it is placed.
    void BeginGuideDrag(TZpGuideAxis axis, int index);
    [[nodiscard]] bool IsDraggingGuide() const { return FGuideDrag.has_value(); }
    [[nodiscard]] TZpGuideAxis DraggedGuideAxis() const;
    [[nodiscard]] int DraggedGuideIndex() const;
    /// The dragged guide follows the pointer (label pixels).
    void DragGuideTo(int pos);
    /// Ends the drag at pos; onRuler deletes the guide ("Guide Delete", or
    /// nothing recorded for a new guide); else "Guide Add" or "Guide Move".
    void EndGuideDrag(int pos, bool onRuler);
    /// Both lists emptied, one "Clear Guides" event.
    void ClearGuides();
    /// Appends the guides the dialog asked for ("Place Guides"); clears first
    /// with its own "Clear Guides" event when asked.
    void PlaceGuides(const TZpGuidePlacement& placement);
    [[nodiscard]] QList<int32_t>& Guides(TZpGuideAxis axis);

    // The label as a whole.
    /// An empty label: no objects, no history, the environment reset; the
    /// layout stays.
    void NewLabel();
    /// Loads a label file with its connections (raises on failure), then
    /// applies it to the process and the session.
    void LoadFromFile(const QString& fileName);
    /// Marks the label modified (raises Changed when it was not).
    void SetModified();
    /// Saving and the like: the flag as given.
    void SetModified(bool modified);

    // Undo and redo; neither marks the label modified.
    /// Records the event (discarding the redo list), marks the label modified
    /// when asked, and raises Changed with changes and the history.
    void PushEvent(TZpUndoEventPtr event, TZpChanges changes = {}, bool setModified = false);
    void Undo();
    void Redo();

    /// For operations outside the session (tools, dialogs) that changed the
    /// document: raises Changed with these flags.
    void Notify(TZpChanges changes);

    // In-place editing.
    /// Records "Editing" with a snapshot of the object and keeps it as the
    /// object being edited (an edit still open is ended first). False, with
    /// nothing recorded, when its data is not static text.
    bool BeginInPlaceEdit(const TZpObjectPtr& object);
    /// Closes the object's editor and refreshes the values; undo, redo,
    /// deleting and replacing the label end an edit first.
    void EndInPlaceEdit();
    [[nodiscard]] bool IsEditing() const { return FInPlaceEdit != nullptr; }
    [[nodiscard]] TZpObjectPtr EditedObject() const;

Q_SIGNALS:
    void Changed(zp::TZpChanges changes);

private:
    struct TGuideDrag {
        TZpGuideAxis Axis;
        int Index;
        bool IsNew;
        std::unique_ptr<TZpUndoGuide> Snapshot;
    };
    [[nodiscard]] TZpChanges MarkModified();
    void SelectOne(const TZpObjectPtr& object);

    TZpLabelDocument FDocument;
    TZpObjectList FSelection;
    TZpUndoStack FUndo;
    std::optional<TGuideDrag> FGuideDrag;
    std::unique_ptr<TZpInPlaceEdit> FInPlaceEdit;
};

} // namespace zp

Q_DECLARE_METATYPE(zp::TZpChanges)

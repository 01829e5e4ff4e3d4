// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/Changes.h"
#include "design/edit/TextFormatting.h"
#include "model/layout/LabelRoutines.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace zp {

class TZpSettingsStore;

/// The caption of every kind of undo event, as the Undo and Redo commands
/// show it; one event per user action, never merged.
namespace UndoCaption {
inline constexpr char Move[] = "Move";
inline constexpr char Resize[] = "Resize";
inline constexpr char Sizing[] = "Sizing";
inline constexpr char Align[] = "Align";
inline constexpr char Nudge[] = "Nudge";
inline constexpr char Rotate[] = "Rotate";
inline constexpr char FillStyle[] = "Fill Style";
inline constexpr char LineStyle[] = "Line Style";
inline constexpr char TextAlignment[] = "Text Alignment";
inline constexpr char FontName[] = "Font Name";
inline constexpr char FontSize[] = "Font Size";
inline constexpr char FontColor[] = "Font Color";
inline constexpr char SetBold[] = "Set Bold";
inline constexpr char ClearBold[] = "Clear Bold";
inline constexpr char SetItalic[] = "Set Italic";
inline constexpr char ClearItalic[] = "Clear Italic";
inline constexpr char SetUnderline[] = "Set Underline";
inline constexpr char ClearUnderline[] = "Clear Underline";
inline constexpr char Editing[] = "Editing";
inline constexpr char FlipImage[] = "Flip Image";
inline constexpr char ObjectProperties[] = "Object Properties";
inline constexpr char AddObject[] = "Add Object";
inline constexpr char DeleteObject[] = "Delete Object";
inline constexpr char Paste[] = "Paste";
inline constexpr char GuideAdd[] = "Guide Add";
inline constexpr char GuideMove[] = "Guide Move";
inline constexpr char GuideDelete[] = "Guide Delete";
inline constexpr char ClearGuides[] = "Clear Guides";
inline constexpr char PlaceGuides[] = "Place Guides";
} // namespace UndoCaption

/// One recorded change of one object or guide list. Executing an item swaps
/// the state it holds with the current one, so the same call undoes and
/// redoes. Every item captures its state ("before") when it is made.
class TZpUndoEventItem {
public:
    explicit TZpUndoEventItem(TZpObjectPtr object = nullptr) : FObject(std::move(object)) {}
    virtual ~TZpUndoEventItem() = default;
    TZpUndoEventItem(const TZpUndoEventItem&) = delete;
    TZpUndoEventItem& operator=(const TZpUndoEventItem&) = delete;

    virtual void Execute() = 0;
    /// What executing this item changes.
    [[nodiscard]] virtual TZpChanges Changes() const { return TZpChange::ObjectsChanged; }
    [[nodiscard]] const TZpObjectPtr& Object() const { return FObject; }
    void SetObject(TZpObjectPtr object) { FObject = std::move(object); }

protected:
    TZpObjectPtr FObject;
};

/// The object's bounds.
class TZpUndoRectEventItem : public TZpUndoEventItem {
public:
    /// Holds the object's current bounds.
    explicit TZpUndoRectEventItem(TZpObjectPtr object);
    /// Holds rect (a move records the bounds from before the drag).
    TZpUndoRectEventItem(TZpObjectPtr object, const TRect& rect);
    void Execute() override;
    [[nodiscard]] TRect Rect() const { return FRect; }
    void SetRect(const TRect& rect) { FRect = rect; }

private:
    TRect FRect;
};

/// The rotation of an object that turns.
class TZpUndoRotateItem : public TZpUndoEventItem {
public:
    explicit TZpUndoRotateItem(TZpObjectPtr object);
    void Execute() override;

private:
    int32_t FRotation = 0;
};

/// Colour, brush style and transparency of the fill.
class TZpUndoFillStyleItem : public TZpUndoEventItem {
public:
    explicit TZpUndoFillStyleItem(TZpObjectPtr object);
    void Execute() override;

private:
    TColor FColor = 0;
    uint8_t FStyle = 0;
    bool FTransparent = false;
};

/// Pen style, colour and width of the line style.
class TZpUndoLineStyleItem : public TZpUndoEventItem {
public:
    explicit TZpUndoLineStyleItem(TZpObjectPtr object);
    void Execute() override;

private:
    uint8_t FStyle = 0;
    TColor FColor = 0;
    int32_t FWidth = 0;
};

class TZpUndoFontAlignItem : public TZpUndoEventItem {
public:
    explicit TZpUndoFontAlignItem(TZpObjectPtr object);
    void Execute() override;

private:
    uint8_t FAlignment = 0;
    TZpTextFormatting FText{FObject};
};

class TZpUndoFontNameItem : public TZpUndoEventItem {
public:
    explicit TZpUndoFontNameItem(TZpObjectPtr object);
    void Execute() override;

private:
    QString FName;
    TZpTextFormatting FText{FObject};
};

class TZpUndoFontSizeItem : public TZpUndoEventItem {
public:
    explicit TZpUndoFontSizeItem(TZpObjectPtr object);
    void Execute() override;

private:
    int32_t FSize = 0;
    TZpTextFormatting FText{FObject};
};

class TZpUndoFontColorItem : public TZpUndoEventItem {
public:
    explicit TZpUndoFontColorItem(TZpObjectPtr object);
    void Execute() override;

private:
    TColor FColor = 0;
    TZpTextFormatting FText{FObject};
};

/// One bit of the font style (bold, italic or underline).
class TZpUndoFontStyleBitItem : public TZpUndoEventItem {
public:
    void Execute() override;

protected:
    TZpUndoFontStyleBitItem(TZpObjectPtr object, uint8_t bit);

private:
    uint8_t FBit;
    bool FOn = false;
    TZpTextFormatting FText{FObject};
};

class TZpUndoFontBoldItem : public TZpUndoFontStyleBitItem {
public:
    explicit TZpUndoFontBoldItem(TZpObjectPtr object);
};

class TZpUndoFontItalicItem : public TZpUndoFontStyleBitItem {
public:
    explicit TZpUndoFontItalicItem(TZpObjectPtr object);
};

class TZpUndoFontUnderlineItem : public TZpUndoFontStyleBitItem {
public:
    explicit TZpUndoFontUnderlineItem(TZpObjectPtr object);
};

/// The object's complete state as its own record (in-place editing, the
/// property dialog, flipping a picture).
class TZpUndoObjectItem : public TZpUndoEventItem {
public:
    explicit TZpUndoObjectItem(TZpObjectPtr object);
    void Execute() override;

private:
    QByteArray FState;
};

/// An object's presence on the label. Present: executing removes it from the
/// label and the selection; absent: executing puts it back at the position
/// in the drawing order it was recorded with. Items of one event that put
/// several objects back must be added in drawing order (lowest first).
class TZpUndoObject : public TZpUndoEventItem {
public:
    TZpUndoObject(TZpObjectPtr object, TZpObjectList& objects, TZpObjectList& selection, bool present,
                  size_t index);
    void Execute() override;
    [[nodiscard]] TZpChanges Changes() const override;
    [[nodiscard]] bool Present() const { return FPresent; }

private:
    TZpObjectList& FObjects;
    TZpObjectList& FSelection;
    bool FPresent;
    size_t FIndex;
};

/// The values of one guide list, in order and with duplicates.
class TZpUndoGuide : public TZpUndoEventItem {
public:
    explicit TZpUndoGuide(QList<int32_t>& list);
    void Execute() override;
    [[nodiscard]] TZpChanges Changes() const override { return TZpChange::Guides; }

private:
    QList<int32_t>& FList;
    QList<int32_t> FValues;
};

/// One user action: its caption and its items, executed in the order added
/// (the same for undo and redo).
class TZpUndoEvent {
public:
    explicit TZpUndoEvent(QString caption) : Caption(std::move(caption)) {}
    QString Caption;
    void AddItem(std::unique_ptr<TZpUndoEventItem> item) { FItems.push_back(std::move(item)); }
    [[nodiscard]] size_t Count() const { return FItems.size(); }
    [[nodiscard]] TZpUndoEventItem& Item(size_t index) const { return *FItems[index]; }
    /// Executes every item; answers what they changed together.
    TZpChanges Execute();

private:
    std::vector<std::unique_ptr<TZpUndoEventItem>> FItems;
};

using TZpUndoEventPtr = std::shared_ptr<TZpUndoEvent>;

/// The undo and redo lists, newest last. Events are never merged; a new event
/// discards the redo list, and a full undo list drops its oldest event.
class TZpUndoStack {
public:
    /// levels is held within 1..999.
    explicit TZpUndoStack(int levels);
    /// "Undo Levels" of "Application Options", 100 when absent.
    [[nodiscard]] static int LevelsFromSettings(const TZpSettingsStore& store);

    [[nodiscard]] int Levels() const { return FLevels; }
    void PushEvent(TZpUndoEventPtr event);
    /// Executes the newest undo event and moves it to the redo list; answers
    /// what it changed (nothing when there was none).
    TZpChanges Undo();
    TZpChanges Redo();
    [[nodiscard]] bool CanUndo() const { return !FUndo.empty(); }
    [[nodiscard]] bool CanRedo() const { return !FRedo.empty(); }
    /// The caption of the event Undo (Redo) would execute; empty when none.
    [[nodiscard]] QString UndoCaption() const;
    [[nodiscard]] QString RedoCaption() const;
    [[nodiscard]] int UndoCount() const { return int(FUndo.size()); }
    [[nodiscard]] int RedoCount() const { return int(FRedo.size()); }
    void ClearHistory();

private:
    int FLevels;
    std::vector<TZpUndoEventPtr> FUndo;
    std::vector<TZpUndoEventPtr> FRedo;
};

} // namespace zp

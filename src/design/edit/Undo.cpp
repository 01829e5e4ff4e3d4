// SPDX-License-Identifier: MIT
#include "design/edit/Undo.h"

#include "base/ValueStream.h"
#include "platform/store/SettingsStore.h"
#include "settings/AppOptions.h"

#include <QBuffer>
#include <algorithm>

namespace zp {

namespace {

QByteArray SaveObjectState(TZpObject& object) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter writer(buffer);
    object.SaveToStream(writer);
    return bytes;
}

} // namespace

TZpUndoRectEventItem::TZpUndoRectEventItem(TZpObjectPtr object)
    : TZpUndoEventItem(std::move(object)), FRect(FObject->GetBounds()) {}

TZpUndoRectEventItem::TZpUndoRectEventItem(TZpObjectPtr object, const TRect& rect)
    : TZpUndoEventItem(std::move(object)), FRect(rect) {}

void TZpUndoRectEventItem::Execute() {
    const TRect current = FObject->GetBounds();
    FObject->SetBounds(FRect);
    FRect = current;
}

TZpUndoRotateItem::TZpUndoRotateItem(TZpObjectPtr object) : TZpUndoEventItem(std::move(object)) {
    if (auto* rotation = Supports<IZpRotation>(FObject))
        FRotation = rotation->GetRotation();
}

void TZpUndoRotateItem::Execute() {
    if (auto* rotation = Supports<IZpRotation>(FObject)) {
        const int32_t current = rotation->GetRotation();
        rotation->SetRotation(FRotation);
        FRotation = current;
    }
}

TZpUndoFillStyleItem::TZpUndoFillStyleItem(TZpObjectPtr object) : TZpUndoEventItem(std::move(object)) {
    if (auto* fill = Supports<IZpFillStyle>(FObject)) {
        FColor = fill->GetColor();
        FStyle = fill->GetStyle();
        FTransparent = fill->GetTransparent();
    }
}

void TZpUndoFillStyleItem::Execute() {
    auto* fill = Supports<IZpFillStyle>(FObject);
    if (!fill)
        return;
    const TColor color = fill->GetColor();
    const uint8_t style = fill->GetStyle();
    const bool transparent = fill->GetTransparent();
    fill->SetColor(FColor);
    fill->SetStyle(FStyle);
    fill->SetTransparent(FTransparent);
    FColor = color;
    FStyle = style;
    FTransparent = transparent;
}

TZpUndoLineStyleItem::TZpUndoLineStyleItem(TZpObjectPtr object) : TZpUndoEventItem(std::move(object)) {
    if (auto* line = Supports<IZpLineStyle>(FObject)) {
        FStyle = line->GetStyle();
        FColor = line->GetColor();
        FWidth = line->GetWidth();
    }
}

void TZpUndoLineStyleItem::Execute() {
    auto* line = Supports<IZpLineStyle>(FObject);
    if (!line)
        return;
    const uint8_t style = line->GetStyle();
    const TColor color = line->GetColor();
    const int32_t width = line->GetWidth();
    line->SetStyle(FStyle);
    line->SetColor(FColor);
    line->SetWidth(FWidth);
    FStyle = style;
    FColor = color;
    FWidth = width;
}

TZpUndoFontAlignItem::TZpUndoFontAlignItem(TZpObjectPtr object) : TZpUndoEventItem(std::move(object)) {
    if (auto* font = Supports<IZpFont>(FObject))
        FAlignment = font->GetAlignment();
}

void TZpUndoFontAlignItem::Execute() {
    if (auto* font = Supports<IZpFont>(FObject)) {
        const uint8_t current = font->GetAlignment();
        FText.Swap(FObject, [&] { font->SetAlignment(FAlignment); });
        FAlignment = current;
    }
}

TZpUndoFontNameItem::TZpUndoFontNameItem(TZpObjectPtr object) : TZpUndoEventItem(std::move(object)) {
    if (auto* font = Supports<IZpFont>(FObject))
        FName = font->GetName();
}

void TZpUndoFontNameItem::Execute() {
    if (auto* font = Supports<IZpFont>(FObject)) {
        QString current = font->GetName();
        FText.Swap(FObject, [&] { font->SetName(FName); });
        FName = std::move(current);
    }
}

TZpUndoFontSizeItem::TZpUndoFontSizeItem(TZpObjectPtr object) : TZpUndoEventItem(std::move(object)) {
    if (auto* font = Supports<IZpFont>(FObject))
        FSize = font->GetSize();
}

void TZpUndoFontSizeItem::Execute() {
    if (auto* font = Supports<IZpFont>(FObject)) {
        const int32_t current = font->GetSize();
        FText.Swap(FObject, [&] { font->SetSize(FSize); });
        FSize = current;
    }
}

TZpUndoFontColorItem::TZpUndoFontColorItem(TZpObjectPtr object) : TZpUndoEventItem(std::move(object)) {
    if (auto* font = Supports<IZpFont>(FObject))
        FColor = font->GetColor();
}

void TZpUndoFontColorItem::Execute() {
    if (auto* font = Supports<IZpFont>(FObject)) {
        const TColor current = font->GetColor();
        FText.Swap(FObject, [&] { font->SetColor(FColor); });
        FColor = current;
    }
}

TZpUndoFontStyleBitItem::TZpUndoFontStyleBitItem(TZpObjectPtr object, uint8_t bit)
    : TZpUndoEventItem(std::move(object)), FBit(bit) {
    if (auto* font = Supports<IZpFont>(FObject))
        FOn = (font->GetStyle() & FBit) != 0;
}

void TZpUndoFontStyleBitItem::Execute() {
    auto* font = Supports<IZpFont>(FObject);
    if (!font)
        return;
    const bool current = (font->GetStyle() & FBit) != 0;
    FText.Swap(FObject, [&] {
        switch (FBit) {
        case fsBold:
            font->SetBold(FOn);
            break;
        case fsItalic:
            font->SetItalic(FOn);
            break;
        default:
            font->SetUnderline(FOn);
            break;
        }
    });
    FOn = current;
}

TZpUndoFontBoldItem::TZpUndoFontBoldItem(TZpObjectPtr object)
    : TZpUndoFontStyleBitItem(std::move(object), fsBold) {}
TZpUndoFontItalicItem::TZpUndoFontItalicItem(TZpObjectPtr object)
    : TZpUndoFontStyleBitItem(std::move(object), fsItalic) {}
TZpUndoFontUnderlineItem::TZpUndoFontUnderlineItem(TZpObjectPtr object)
    : TZpUndoFontStyleBitItem(std::move(object), fsUnderline) {}

TZpUndoObjectItem::TZpUndoObjectItem(TZpObjectPtr object)
    : TZpUndoEventItem(std::move(object)), FState(SaveObjectState(*FObject)) {}

void TZpUndoObjectItem::Execute() {
    QByteArray current = SaveObjectState(*FObject);
    QBuffer buffer(&FState);
    buffer.open(QIODevice::ReadOnly);
    TZpReader reader(buffer);
    FObject->LoadFromStream(reader);
    FState = std::move(current);
}

TZpUndoObject::TZpUndoObject(TZpObjectPtr object, TZpObjectList& objects, TZpObjectList& selection,
                             bool present, size_t index)
    : TZpUndoEventItem(std::move(object)), FObjects(objects), FSelection(selection), FPresent(present),
      FIndex(index) {}

void TZpUndoObject::Execute() {
    if (FPresent) {
        std::erase(FSelection, FObject);
        std::erase(FObjects, FObject);
    } else {
        // Back where it was, so overlapping objects print as before.
        FObjects.insert(FObjects.begin() + ptrdiff_t(std::min(FIndex, FObjects.size())), FObject);
    }
    FPresent = !FPresent;
}

TZpChanges TZpUndoObject::Changes() const {
    // Reports what the next execution does.
    return FPresent ? TZpChanges(TZpChange::ObjectsRemoved) | TZpChange::Selection
                    : TZpChanges(TZpChange::ObjectsAdded);
}

TZpUndoGuide::TZpUndoGuide(QList<int32_t>& list) : FList(list), FValues(list) {}

void TZpUndoGuide::Execute() {
    QList<int32_t> current = FList;
    FList = FValues;
    FValues = std::move(current);
}

TZpChanges TZpUndoEvent::Execute() {
    TZpChanges changes;
    for (const auto& item : FItems) {
        changes |= item->Changes();
        item->Execute();
    }
    return changes;
}

TZpUndoStack::TZpUndoStack(int levels) : FLevels(std::clamp(levels, 1, 999)) {}

int TZpUndoStack::LevelsFromSettings(const TZpSettingsStore& store) {
    // A stored value outside 1..999 means the default, as the options dialog reads it.
    return ReadUndoLevels(store);
}

void TZpUndoStack::PushEvent(TZpUndoEventPtr event) {
    FRedo.clear();
    while (int(FUndo.size()) >= FLevels)
        FUndo.erase(FUndo.begin());
    FUndo.push_back(std::move(event));
}

TZpChanges TZpUndoStack::Undo() {
    if (FUndo.empty())
        return {};
    TZpUndoEventPtr event = std::move(FUndo.back());
    FUndo.pop_back();
    const TZpChanges changes = event->Execute();
    FRedo.push_back(std::move(event));
    return changes;
}

TZpChanges TZpUndoStack::Redo() {
    if (FRedo.empty())
        return {};
    TZpUndoEventPtr event = std::move(FRedo.back());
    FRedo.pop_back();
    const TZpChanges changes = event->Execute();
    FUndo.push_back(std::move(event));
    return changes;
}

QString TZpUndoStack::UndoCaption() const {
    return FUndo.empty() ? QString() : FUndo.back()->Caption;
}

QString TZpUndoStack::RedoCaption() const {
    return FRedo.empty() ? QString() : FRedo.back()->Caption;
}

void TZpUndoStack::ClearHistory() {
    FUndo.clear();
    FRedo.clear();
}

} // namespace zp

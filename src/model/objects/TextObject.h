// SPDX-License-Identifier: MIT
#pragma once

#include "model/data/ZpData.h"
#include "model/objects/RVData.h"
#include "model/objects/Styles.h"
#include "model/objects/TextFont.h"
#include "model/objects/TextInterfaces.h"
#include "model/objects/ZpObject.h"
#include "model/script/ZpScript.h"

namespace zp {

/// The label object that shows text: a small rich-text document fed by the
/// object's data source, in the object's font, over its fill, word-wrapped
/// to the object and turned in steps of 90 degrees.
class TZpTextObject : public TZpObject,
                      public IZpRotation,
                      public IZpPaint,
                      public IZpDataCallback,
                      public IZpRVData,
                      public IZpTextShift,
                      public IZpEditZoom,
                      public IZpEdit {
public:
    /// Defaults from the store's "Text Settings"; the document is built from them.
    TZpTextObject();
    ~TZpTextObject() override;
    void* QueryInterface(const std::type_info& iid) override;
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpTextObject"); }
    [[nodiscard]] int CursorId() const override { return 2000; }

    /// A document content that cannot be read (another program's) does not
    /// fail the load: the text is rebuilt from the stored data text in text
    /// style 0 and a warning names the object.
    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;

    [[nodiscard]] int32_t GetRotation() const override { return FRotation; }
    /// Turns the bounds about the top-left corner; refused with a message
    /// when the face cannot be rotated.
    void SetRotation(int32_t degrees) override;
    void SetRotationExact(int32_t degrees) override { FRotation = degrees; }

    /// Background, then the text clipped to the bounds.
    void Draw(QPainter& canvas) override;

    /// New data (not static text): the text is rebuilt in the object's font.
    void DataChanged() override;
    /// The document anew from the data text, every run in the object's font.
    void Rebuild();

    TZpRVData& GetRVData() override { return FRVData; }
    [[nodiscard]] bool GetSkipFirstLeading() const override { return FRVData.SkipFirstLeading; }
    void SetSkipFirstLeading(bool on) override { FRVData.SkipFirstLeading = on; }
    [[nodiscard]] bool GetCustomLeading() const override { return FRVData.CustomLeading; }
    void SetCustomLeading(bool on) override { FRVData.CustomLeading = on; }
    [[nodiscard]] int32_t GetCustomLeadingSize() const override { return FRVData.CustomLeadingSize; }
    void SetCustomLeadingSize(int32_t tenths) override { FRVData.CustomLeadingSize = tenths; }

    /// While editing: whether the caret's text style is shifted.
    [[nodiscard]] bool GetShifted() const override;
    void SetShift(uint8_t kind) override;

    [[nodiscard]] int32_t GetEditZoom() const override { return FEditZoom; }
    void SetEditZoom(int32_t percent) override { FEditZoom = percent; }

    /// Opens the rich-text editor (from the installed factory) on a copy of
    /// the document and takes the caret's format into the font.
    void BeginEdit(QWidget* parent, const TRect& rect) override;
    /// The edited document comes back, its plain text becomes the static
    /// text and the caret's format stays in the font.
    void EndEdit() override;
    [[nodiscard]] bool IsEditing() const override { return FEditor != nullptr; }
    void Cut() override;
    void Copy() override;
    void Paste() override;
    /// The open editor, or null.
    [[nodiscard]] IZpTextEditor* Editor() const { return FEditor.get(); }
    /// The editor's caret moved to another text or paragraph style: the font
    /// follows (not while the object itself applies a change).
    void EditorCaretChanged();
    /// Runs a change the object makes to its editor; the caret notifications
    /// it causes are not taken back into the font.
    void ApplyToEditor(const std::function<void(IZpTextEditor&)>& change);

    /// The object's own font (the text object's IZpFont also formats the text).
    [[nodiscard]] TZpFont& Font() { return FFont; }
    [[nodiscard]] TZpData& Data() { return FData; }
    [[nodiscard]] TZpFillStyle& FillStyle() { return FFillStyle; }
    [[nodiscard]] TZpScript& Script() { return FScript; }
    [[nodiscard]] TZpRVData& RVData() { return FRVData; }
    [[nodiscard]] const TZpRVData& RVData() const { return FRVData; }
    [[nodiscard]] int32_t EditZoom() const { return FEditZoom; }

    /// The object's font as a text style (shift 0).
    [[nodiscard]] TZpTextStyle FontStyle() const;

private:
    void TakeCaretFormat(const IZpTextEditor& editor);

    TZpFont FFont{this};
    TZpData FData{this};
    TZpFillStyle FFillStyle{this};
    TZpScript FScript{this};
    int32_t FRotation = 0;
    TZpRVData FRVData;
    int32_t FEditZoom = 100;
    std::unique_ptr<IZpTextEditor> FEditor;
    bool FApplying = false;
    TZpTextFont FFontIntf{*this};
    // What the last rebuild was made from, so that the same data again
    // leaves the document (and its formatting) alone.
    QString FRebuiltText;
    TZpTextStyle FRebuiltFont;
    uint8_t FRebuiltAlignment = 0;
    uint64_t FRebuiltRevision = ~uint64_t(0);
};

/// The turn of text and bar code objects: unless it is exactly 180 degrees,
/// width and height of the bounds are exchanged about the top-left corner
/// and the aspect rectangle follows. False (after the message) when a face
/// that cannot be rotated would be turned away from zero.
[[nodiscard]] bool TurnObject(TZpObject& obj, const QString& fontName, int32_t from, int32_t to);

} // namespace zp

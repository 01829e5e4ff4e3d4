// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/Interfaces.h"
#include "model/objects/RVData.h"

#include <functional>
#include <memory>

namespace zp {

class TZpTextObject;

/// Superscript and subscript of a text object's runs.
class IZpTextShift : public virtual IZpUnknown {
public:
    /// Whether the text style at the caret is shifted; false outside editing.
    [[nodiscard]] virtual bool GetShifted() const = 0;
    /// 0 normal, 1 superscript, 2 subscript.
    virtual void SetShift(uint8_t kind) = 0;
};

/// The percentage by which the in-place editor enlarges fonts.
class IZpEditZoom : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual int32_t GetEditZoom() const = 0;
    virtual void SetEditZoom(int32_t percent) = 0;
};

/// A text object's document and its leading corrections.
class IZpRVData : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual TZpRVData& GetRVData() = 0;
    [[nodiscard]] virtual bool GetSkipFirstLeading() const = 0;
    virtual void SetSkipFirstLeading(bool on) = 0;
    [[nodiscard]] virtual bool GetCustomLeading() const = 0;
    virtual void SetCustomLeading(bool on) = 0;
    /// Tenths of a point.
    [[nodiscard]] virtual int32_t GetCustomLeadingSize() const = 0;
    virtual void SetCustomLeadingSize(int32_t tenths) = 0;
};

} // namespace zp

namespace zp {

/// The rich-text editor over a text object while it is edited in place. It
/// edits a copy of the object's document; the object takes the copy back
/// when the edit ends.
class IZpTextEditor {
public:
    virtual ~IZpTextEditor() = default;
    /// Applies a style change to the selection; without one, to the style
    /// the next typed text takes.
    virtual void ChangeStyle(TZpStyleChange change, const TZpTextStyle& value) = 0;
    /// Every paragraph the selection touches takes the paragraph style.
    virtual void SetParaStyle(int32_t paraStyle) = 0;
    /// The text style and paragraph style at the caret.
    [[nodiscard]] virtual TZpTextStyle CaretStyle() const = 0;
    [[nodiscard]] virtual int32_t CaretParaStyle() const = 0;
    /// The style sheet and the paragraphs of the edited copy into doc.
    virtual void SaveTo(TZpRVData& doc) const = 0;
    [[nodiscard]] virtual QString PlainText() const = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    /// Hides and lets go of the editor's window; nothing is edited after.
    virtual void Close() = 0;
};

/// Makes the editor of a text object over parent at rect (parent's pixels).
/// The window code installs it; without one text objects do not edit in place.
using TZpTextEditorFactory =
    std::function<std::unique_ptr<IZpTextEditor>(TZpTextObject& object, QWidget* parent, const TRect& rect)>;
void SetTextEditorFactory(TZpTextEditorFactory factory);

} // namespace zp

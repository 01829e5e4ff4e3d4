// SPDX-License-Identifier: MIT
#include "model/objects/TextFont.h"

#include "base/Rounding.h"
#include "model/objects/TextObject.h"

namespace zp {

namespace {

// While the object is edited in place a change goes to the editor's
// selection; otherwise to every run of the text.
void ChangeRuns(TZpTextObject& owner, TZpStyleChange change, const TZpTextStyle& value) {
    if (owner.Editor())
        owner.ApplyToEditor([&](IZpTextEditor& editor) { editor.ChangeStyle(change, value); });
    else
        owner.RVData().ChangeAllRuns(change, value);
}

} // namespace

void* TZpTextFont::QueryInterface(const std::type_info& iid) {
    return FOwner.QueryInterface(iid);
}

QString TZpTextFont::GetName() const {
    return FOwner.Font().GetName();
}

void TZpTextFont::SetName(const QString& name) {
    TZpFont& font = FOwner.Font();
    font.SetName(name);
    if (font.GetName() != name)
        return; // refused for a rotated object
    TZpTextStyle value;
    value.FontName = name;
    ChangeRuns(FOwner, TZpStyleChange::Face, value);
}

int32_t TZpTextFont::GetSize() const {
    return FOwner.Font().GetSize();
}

void TZpTextFont::SetSize(int32_t size) {
    TZpFont& font = FOwner.Font();
    TZpRVData& doc = FOwner.RVData();
    const int32_t oldSize = font.GetSize();
    font.SetSize(size);
    TZpTextStyle value;
    value.Size = size;
    ChangeRuns(FOwner, TZpStyleChange::Size, value);
    // Without custom leading the leading follows the size. A font of size 0
    // (nothing sets one, but a file may hold it) has no ratio to keep.
    if (!doc.CustomLeading && oldSize != 0) {
        const float ratio = float(doc.CustomLeadingSize) / float(oldSize);
        doc.CustomLeadingSize = Round(double(size) * double(ratio));
    }
}

uint8_t TZpTextFont::GetStyle() const {
    return FOwner.Font().GetStyle();
}
void TZpTextFont::SetStyle(uint8_t style) {
    FOwner.Font().SetStyle(style);
}

TColor TZpTextFont::GetColor() const {
    return FOwner.Font().GetColor();
}

void TZpTextFont::SetColor(TColor color) {
    FOwner.Font().SetColor(color);
    TZpTextStyle value;
    value.Color = color;
    ChangeRuns(FOwner, TZpStyleChange::Color, value);
}

uint8_t TZpTextFont::GetAlignment() const {
    return FOwner.Font().GetAlignment();
}

void TZpTextFont::SetAlignment(uint8_t alignment) {
    FOwner.Font().SetAlignment(alignment);
    if (FOwner.Editor())
        FOwner.ApplyToEditor([&](IZpTextEditor& editor) { editor.SetParaStyle(alignment); });
    else
        FOwner.RVData().SetAllParaStyles(alignment);
}

void TZpTextFont::SetBold(bool on) {
    FOwner.Font().SetBold(on);
    ChangeRuns(FOwner, on ? TZpStyleChange::AddBold : TZpStyleChange::RemoveBold, {});
}

void TZpTextFont::SetItalic(bool on) {
    FOwner.Font().SetItalic(on);
    ChangeRuns(FOwner, on ? TZpStyleChange::AddItalic : TZpStyleChange::RemoveItalic, {});
}

void TZpTextFont::SetUnderline(bool on) {
    FOwner.Font().SetUnderline(on);
    ChangeRuns(FOwner, on ? TZpStyleChange::AddUnderline : TZpStyleChange::RemoveUnderline, {});
}

void TZpTextFont::LoadFromStream(TZpReader& reader) {
    FOwner.LoadFromStream(reader);
}
void TZpTextFont::SaveToStream(TZpWriter& writer) {
    FOwner.SaveToStream(writer);
}

bool TZpTextFont::IsColorUniform() const {
    return FOwner.RVData().IsUniform(TextAttr::Color);
}
bool TZpTextFont::IsNameUniform() const {
    return FOwner.RVData().IsUniform(TextAttr::Name);
}
bool TZpTextFont::IsSizeUniform() const {
    return FOwner.RVData().IsUniform(TextAttr::Size);
}
bool TZpTextFont::IsBoldUniform() const {
    return FOwner.RVData().IsUniform(TextAttr::Bold);
}
bool TZpTextFont::IsItalicUniform() const {
    return FOwner.RVData().IsUniform(TextAttr::Italic);
}
bool TZpTextFont::IsUnderlineUniform() const {
    return FOwner.RVData().IsUniform(TextAttr::Underline);
}

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/Interfaces.h"

namespace zp {

class TZpTextObject;

/// A text object's IZpFont: each setter changes the object's font and then
/// every run of its text; the uniformity queries look at the runs; loading
/// and saving are the whole object's.
class TZpTextFont final : public IZpFont {
public:
    explicit TZpTextFont(TZpTextObject& owner) : FOwner(owner) {}
    void* QueryInterface(const std::type_info& iid) override;

    [[nodiscard]] QString GetName() const override;
    /// Refused (with the message) for a face that cannot be rotated when the
    /// object is rotated; then the text keeps its faces too.
    void SetName(const QString& name) override;
    [[nodiscard]] int32_t GetSize() const override;
    /// With custom leading off the leading keeps its ratio to the size.
    void SetSize(int32_t size) override;
    [[nodiscard]] uint8_t GetStyle() const override;
    /// Changes only the object's font.
    void SetStyle(uint8_t style) override;
    [[nodiscard]] TColor GetColor() const override;
    void SetColor(TColor color) override;
    [[nodiscard]] uint8_t GetAlignment() const override;
    void SetAlignment(uint8_t alignment) override;
    void SetBold(bool on) override;
    void SetItalic(bool on) override;
    void SetUnderline(bool on) override;
    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;
    [[nodiscard]] bool IsColorUniform() const override;
    [[nodiscard]] bool IsNameUniform() const override;
    [[nodiscard]] bool IsSizeUniform() const override;
    [[nodiscard]] bool IsBoldUniform() const override;
    [[nodiscard]] bool IsItalicUniform() const override;
    [[nodiscard]] bool IsUnderlineUniform() const override;

private:
    TZpTextObject& FOwner;
};

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/Interfaces.h"

namespace zp {

/// Owned parts answer interface queries through their owner (the object that
/// created them); a part without an owner answers only for itself.
class TZpOwnedPart {
public:
    explicit TZpOwnedPart(IZpUnknown* owner) : FOwner(owner) {}
    [[nodiscard]] IZpUnknown* Owner() const { return FOwner; }

protected:
    IZpUnknown* FOwner;
};

/// The fill of closed shapes and text. Defaults come from the store's
/// "Fill Style Settings" each time one is created.
class TZpFillStyle final : public IZpFillStyle, public TZpOwnedPart {
public:
    explicit TZpFillStyle(IZpUnknown* owner = nullptr);
    void* QueryInterface(const std::type_info& iid) override;

    [[nodiscard]] uint8_t GetStyle() const override { return FStyle; }
    void SetStyle(uint8_t style) override { FStyle = style; }
    [[nodiscard]] bool GetTransparent() const override { return FTransparent; }
    void SetTransparent(bool transparent) override { FTransparent = transparent; }
    [[nodiscard]] TColor GetColor() const override { return FColor; }
    void SetColor(TColor color) override { FColor = color; }
    /// The 6-byte record: int32 colour, byte style, byte transparent.
    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;

private:
    TColor FColor = clWhite;
    uint8_t FStyle = bsClear;
    bool FTransparent = true;
};

/// The outline of shapes and lines; the width is in label pixels. Defaults
/// come from the store's "Line Style Settings" each time one is created.
class TZpLineStyle final : public IZpLineStyle, public TZpOwnedPart {
public:
    explicit TZpLineStyle(IZpUnknown* owner = nullptr);
    void* QueryInterface(const std::type_info& iid) override;

    [[nodiscard]] uint8_t GetStyle() const override { return FStyle; }
    void SetStyle(uint8_t style) override { FStyle = style; }
    [[nodiscard]] TColor GetColor() const override { return FColor; }
    void SetColor(TColor color) override { FColor = color; }
    [[nodiscard]] int32_t GetWidth() const override { return FWidth; }
    void SetWidth(int32_t width) override { FWidth = width; }
    /// The 9-byte record: int32 colour, byte style, int32 width.
    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;

private:
    uint8_t FStyle = psSolid;
    TColor FColor = clBlack;
    int32_t FWidth = 0;
};

/// A font of text and bar code objects; a bare font is all zero with an
/// empty name, its owner sets the defaults.
class TZpFont : public IZpFont, public TZpOwnedPart {
public:
    explicit TZpFont(IZpUnknown* owner = nullptr) : TZpOwnedPart(owner) {}
    void* QueryInterface(const std::type_info& iid) override;

    [[nodiscard]] QString GetName() const override { return FName; }
    /// Refused with a message for a face that cannot be rotated when the
    /// owner is rotated.
    void SetName(const QString& name) override;
    /// The face as given, without the rotation check (a format taken from text
    /// that already shows it).
    void SetNameExact(const QString& name) { FName = name; }
    [[nodiscard]] int32_t GetSize() const override { return FSize; }
    void SetSize(int32_t size) override { FSize = size; }
    [[nodiscard]] uint8_t GetStyle() const override { return FStyle; }
    void SetStyle(uint8_t style) override { FStyle = style; }
    [[nodiscard]] TColor GetColor() const override { return FColor; }
    void SetColor(TColor color) override { FColor = color; }
    [[nodiscard]] uint8_t GetAlignment() const override { return FAlignment; }
    void SetAlignment(uint8_t alignment) override { FAlignment = alignment; }
    void SetBold(bool on) override { SetBit(fsBold, on); }
    void SetItalic(bool on) override { SetBit(fsItalic, on); }
    void SetUnderline(bool on) override { SetBit(fsUnderline, on); }
    /// The font block: I colour, S name, I size, raw byte style, I alignment.
    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;
    [[nodiscard]] bool IsColorUniform() const override { return true; }
    [[nodiscard]] bool IsNameUniform() const override { return true; }
    [[nodiscard]] bool IsSizeUniform() const override { return true; }
    [[nodiscard]] bool IsBoldUniform() const override { return true; }
    [[nodiscard]] bool IsItalicUniform() const override { return true; }
    [[nodiscard]] bool IsUnderlineUniform() const override { return true; }

private:
    void SetBit(uint8_t bit, bool on) { FStyle = on ? uint8_t(FStyle | bit) : uint8_t(FStyle & ~bit); }
    uint8_t FAlignment = 0;
    QString FName;
    int32_t FSize = 0;
    TColor FColor = 0;
    uint8_t FStyle = 0;
};

/// Whether a face is a scalable outline font (the ones that can be rotated).
[[nodiscard]] bool IsTrueTypeFont(const QString& name);

extern const QString kOnlyTrueTypeRotatedMessage;

} // namespace zp

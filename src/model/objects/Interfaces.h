// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"
#include "base/Rect.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <typeinfo>

class QPainter;
class QIODevice;
class QImage;
class QWidget;

namespace zp {

class TZpReader;
class TZpWriter;
class TZpObject;
struct TBarcodeOptions;

/// Every interface answers queries for the others. An object answers for
/// itself and its owned parts; a part answers through its owner, so asking a
/// fill style for IZpObject gives the object that owns it.
class IZpUnknown {
public:
    virtual ~IZpUnknown() = default;
    /// The interface of the given type, or null when the object lacks it.
    [[nodiscard]] virtual void* QueryInterface(const std::type_info& iid) = 0;
};

/// The interface I of obj, or null when obj does not support it.
template <class I> [[nodiscard]] I* Supports(IZpUnknown* obj) {
    return obj ? static_cast<I*>(obj->QueryInterface(typeid(I))) : nullptr;
}
template <class I> [[nodiscard]] I* Supports(IZpUnknown& obj) {
    return static_cast<I*>(obj.QueryInterface(typeid(I)));
}
template <class I, class T> [[nodiscard]] I* Supports(const std::shared_ptr<T>& obj) {
    return Supports<I>(static_cast<IZpUnknown*>(obj.get()));
}

/// Object sizing methods.
enum TZpSizing : uint8_t { szUnrestricted = 0, szAspectRatio = 1, szHeightEqualsWidth = 2 };

/// Geometry, flags, records and copies: what every label object has.
class IZpObject : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual TRect GetBounds() const = 0;
    /// Stores the rectangle with the class's normalisation.
    virtual void SetBounds(const TRect& rect) = 0;
    /// Stores the rectangle unchanged.
    virtual void SetBoundsExact(const TRect& rect) = 0;
    [[nodiscard]] virtual TRect GetTrackRect() const = 0;
    virtual void SetTrackRect(const TRect& rect) = 0;
    [[nodiscard]] virtual TRect GetAspectRect() const = 0;
    virtual void SetAspectRect(const TRect& rect) = 0;
    [[nodiscard]] virtual uint8_t GetSizing() const = 0;
    virtual void SetSizing(uint8_t sizing) = 0;
    [[nodiscard]] virtual int32_t GetVersion() const = 0;
    virtual void SetVersion(int32_t version) = 0;
    [[nodiscard]] virtual QString GetClassName() const = 0;
    [[nodiscard]] virtual bool GetPrintObject() const = 0;
    virtual void SetPrintObject(bool print) = 0;
    [[nodiscard]] virtual int32_t GetGroupId() const = 0;
    virtual void SetGroupId(int32_t id) = 0;
    /// Reads the object's binary record.
    virtual void LoadFromStream(TZpReader& reader) = 0;
    /// Sets the version to 22 and writes the record.
    virtual void SaveToStream(TZpWriter& writer) = 0;
    /// Makes dest a copy of this object (through a record in memory).
    virtual void AssignTo(IZpObject& dest) = 0;
    /// A new object of the same class that is a copy of this one.
    [[nodiscard]] virtual std::shared_ptr<TZpObject> Clone() = 0;
    /// The "Object Properties" dialog for this object; true when confirmed.
    virtual bool EditProperties() = 0;
};

/// Drawing at the bounds on a painter whose mapping makes one unit one label pixel.
class IZpPaint : public virtual IZpUnknown {
public:
    virtual void Draw(QPainter& canvas) = 0;
};

/// Brush styles of a fill.
enum TZpBrushStyle : uint8_t {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7
};

class IZpFillStyle : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual uint8_t GetStyle() const = 0;
    virtual void SetStyle(uint8_t style) = 0;
    [[nodiscard]] virtual bool GetTransparent() const = 0;
    virtual void SetTransparent(bool transparent) = 0;
    [[nodiscard]] virtual TColor GetColor() const = 0;
    virtual void SetColor(TColor color) = 0;
    virtual void LoadFromStream(TZpReader& reader) = 0;
    virtual void SaveToStream(TZpWriter& writer) = 0;
};

/// Pen styles of a line.
enum TZpPenStyle : uint8_t {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psClear = 5,
    psInsideFrame = 6
};

class IZpLineStyle : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual uint8_t GetStyle() const = 0;
    virtual void SetStyle(uint8_t style) = 0;
    [[nodiscard]] virtual TColor GetColor() const = 0;
    virtual void SetColor(TColor color) = 0;
    [[nodiscard]] virtual int32_t GetWidth() const = 0;
    virtual void SetWidth(int32_t width) = 0;
    virtual void LoadFromStream(TZpReader& reader) = 0;
    virtual void SaveToStream(TZpWriter& writer) = 0;
};

/// Font style bits.
enum TZpFontStyleBits : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
/// Alignments of a font (for text, the paragraph alignment).
enum TZpAlignment : uint8_t { taLeft = 0, taRight = 1, taCenter = 2, taJustify = 3 };

class IZpFont : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual QString GetName() const = 0;
    virtual void SetName(const QString& name) = 0;
    [[nodiscard]] virtual int32_t GetSize() const = 0;
    virtual void SetSize(int32_t size) = 0;
    [[nodiscard]] virtual uint8_t GetStyle() const = 0;
    virtual void SetStyle(uint8_t style) = 0;
    [[nodiscard]] virtual TColor GetColor() const = 0;
    virtual void SetColor(TColor color) = 0;
    [[nodiscard]] virtual uint8_t GetAlignment() const = 0;
    virtual void SetAlignment(uint8_t alignment) = 0;
    virtual void SetBold(bool on) = 0;
    virtual void SetItalic(bool on) = 0;
    virtual void SetUnderline(bool on) = 0;
    virtual void LoadFromStream(TZpReader& reader) = 0;
    virtual void SaveToStream(TZpWriter& writer) = 0;
    [[nodiscard]] virtual bool IsColorUniform() const = 0;
    [[nodiscard]] virtual bool IsNameUniform() const = 0;
    [[nodiscard]] virtual bool IsSizeUniform() const = 0;
    [[nodiscard]] virtual bool IsBoldUniform() const = 0;
    [[nodiscard]] virtual bool IsItalicUniform() const = 0;
    [[nodiscard]] virtual bool IsUnderlineUniform() const = 0;
};

/// Lines: the band around the line used for hit testing.
class IZpLinear : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual std::array<TPoint, 4> GetHitPolygon() const = 0;
};

/// Rounded rectangles: the corner ellipse in inches.
class IZpEllipse : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual float GetEllipseSize() const = 0;
    virtual void SetEllipseSize(float inches) = 0;
};

/// Objects that turn in steps of 90 degrees.
class IZpRotation : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual int32_t GetRotation() const = 0;
    virtual void SetRotation(int32_t degrees) = 0;
    virtual void SetRotationExact(int32_t degrees) = 0;
};

/// In-place editing of text, bar code and picture objects.
class IZpEdit : public virtual IZpUnknown {
public:
    virtual void BeginEdit(QWidget* parent, const TRect& rect) = 0;
    virtual void EndEdit() = 0;
    /// Whether an editor stays open after BeginEdit returned; an editor that
    /// is a dialog has done its work by then.
    [[nodiscard]] virtual bool IsEditing() const { return false; }
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
};

/// Pictures: how the image is drawn, and the ways to replace or mirror it.
class IZpGraphic : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual bool GetStretch() const = 0;
    virtual void SetStretch(bool stretch) = 0;
    [[nodiscard]] virtual bool GetAlternatePrint() const = 0;
    virtual void SetAlternatePrint(bool alternate) = 0;
    /// Mirrors the image top-to-bottom when vertical, else left-to-right.
    virtual void Flip(bool vertical) = 0;
    /// Replaces the image with a bitmap file read from the device.
    virtual void LoadImageFromStream(QIODevice& stream) = 0;
    /// Replaces the image with a copy of the bitmap (pasting).
    virtual void AssignBitmap(const QImage& bitmap) = 0;
    /// Replaces the image with a picture file; raises naming the file when it
    /// does not decode, and then keeps the image it had.
    virtual void LoadFromFile(const QString& fileName) = 0;
};

/// The settings of a bar code object (lengths in label pixels; meanings as in
/// TBarcodeOptions). The Density, BarAdjust and SpaceAdjust setters resize the
/// object along the symbol, Height clamps to 0.15..30 inches and resizes
/// across, Symbology also shows the text below the bars; the others only
/// store, and the bounds catch up when the object is drawn.
class IZpBarcode : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual uint8_t GetSymbology() const = 0;
    virtual void SetSymbology(uint8_t value) = 0;
    [[nodiscard]] virtual int32_t GetDensity() const = 0;
    virtual void SetDensity(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetBarAdjust() const = 0;
    virtual void SetBarAdjust(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetSpaceAdjust() const = 0;
    virtual void SetSpaceAdjust(int32_t value) = 0;
    [[nodiscard]] virtual float GetWideToNarrow() const = 0;
    virtual void SetWideToNarrow(float value) = 0;
    [[nodiscard]] virtual bool GetCheckDigit() const = 0;
    virtual void SetCheckDigit(bool value) = 0;
    [[nodiscard]] virtual bool GetShowHumanReadable() const = 0;
    virtual void SetShowHumanReadable(bool value) = 0;
    [[nodiscard]] virtual uint8_t GetHRPosition() const = 0;
    virtual void SetHRPosition(uint8_t value) = 0;
    [[nodiscard]] virtual bool GetShowCheckDigit() const = 0;
    virtual void SetShowCheckDigit(bool value) = 0;
    [[nodiscard]] virtual bool GetShowCheckDigit2() const = 0;
    virtual void SetShowCheckDigit2(bool value) = 0;
    [[nodiscard]] virtual bool GetShowStartStop() const = 0;
    virtual void SetShowStartStop(bool value) = 0;
    [[nodiscard]] virtual bool GetGuardBars() const = 0;
    virtual void SetGuardBars(bool value) = 0;
    /// Every setting, with the font's name, size, colour, style and alignment.
    [[nodiscard]] virtual TBarcodeOptions GetOptions() const = 0;
    [[nodiscard]] virtual int32_t GetHeight() const = 0;
    virtual void SetHeight(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetHRSpacing() const = 0;
    virtual void SetHRSpacing(int32_t value) = 0;
    [[nodiscard]] virtual QString GetPreamble() const = 0;
    virtual void SetPreamble(const QString& value) = 0;
    [[nodiscard]] virtual QString GetPostamble() const = 0;
    virtual void SetPostamble(const QString& value) = 0;
    [[nodiscard]] virtual uint8_t GetI25CheckDigitType() const = 0;
    virtual void SetI25CheckDigitType(uint8_t value) = 0;
    [[nodiscard]] virtual uint8_t GetCodabarStart() const = 0;
    virtual void SetCodabarStart(uint8_t value) = 0;
    [[nodiscard]] virtual uint8_t GetCodabarStop() const = 0;
    virtual void SetCodabarStop(uint8_t value) = 0;
    [[nodiscard]] virtual bool GetDescenders() const = 0;
    virtual void SetDescenders(bool value) = 0;
    [[nodiscard]] virtual bool GetShowNumberSystem() const = 0;
    virtual void SetShowNumberSystem(bool value) = 0;
    [[nodiscard]] virtual bool GetExtendSupplement() const = 0;
    virtual void SetExtendSupplement(bool value) = 0;
    [[nodiscard]] virtual bool GetShowMfrProdSpace() const = 0;
    virtual void SetShowMfrProdSpace(bool value) = 0;
    [[nodiscard]] virtual bool GetShowISBN() const = 0;
    virtual void SetShowISBN(bool value) = 0;
    [[nodiscard]] virtual bool GetAppendGreaterThan() const = 0;
    virtual void SetAppendGreaterThan(bool value) = 0;
    [[nodiscard]] virtual bool GetFirstCheckMod11() const = 0;
    virtual void SetFirstCheckMod11(bool value) = 0;
    [[nodiscard]] virtual bool GetUCCFormatting() const = 0;
    virtual void SetUCCFormatting(bool value) = 0;
};

/// Called by a data source after it produced new text.
class IZpDataCallback : public virtual IZpUnknown {
public:
    virtual void DataChanged() = 0;
};

} // namespace zp

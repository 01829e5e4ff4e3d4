// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeOptions.h"
#include "model/data/ZpData.h"
#include "model/objects/PlainEditor.h"
#include "model/objects/Styles.h"
#include "model/objects/ZpObject.h"
#include "model/script/ZpScript.h"

namespace zp {

/// The label object that shows a bar code: the symbol settings handed to
/// the bar code engine, the font of the human-readable text (its colour is
/// also the bar colour), the data source of the symbol's data and a script.
/// Its rectangle follows the symbol: the extent along the symbol is always
/// the symbol's width, which only the density changes (in whole label
/// pixels); the extent across is the bar height plus the text band.
class TZpBarcodeObject : public TZpObject,
                         public IZpPaint,
                         public IZpRotation,
                         public IZpBarcode,
                         public IZpDataCallback,
                         public IZpEdit {
public:
    /// Defaults from the store's "Bar Code Settings", sized to the symbol.
    TZpBarcodeObject();
    void* QueryInterface(const std::type_info& iid) override;
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpBarcodeObject"); }
    [[nodiscard]] int CursorId() const override { return 2007; }

    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;

    /// Keeps the rectangle around the symbol. A drag along the symbol changes
    /// the density to the largest that fits (the dragged end moves, the other
    /// stays), unless bar code resizing is off or an adjustment is set, when
    /// the length snaps back to the symbol's; across, the bar height follows
    /// (clamped) and the text band is kept.
    void SetBounds(const TRect& rect) override;

    /// The engine's options record: every setting under its own name, and
    /// the font's name, size, colour, style and alignment.
    [[nodiscard]] TBarcodeOptions GetOptions() const override;
    /// Draws the symbol of the data source's current text into the bounds;
    /// the bounds then sit exactly around what was drawn.
    void Draw(QPainter& canvas) override;

    [[nodiscard]] int32_t GetRotation() const override { return Rotation; }
    /// Turns the bounds about the top-left corner; refused with a message
    /// when the face cannot be rotated.
    void SetRotation(int32_t degrees) override;
    void SetRotationExact(int32_t degrees) override { Rotation = degrees; }

    /// New text needs nothing at once: the rectangle catches up when drawn.
    void DataChanged() override {}

    /// Opens a one-line editor on the data text, all of it selected.
    void BeginEdit(QWidget* parent, const TRect& rect) override;
    /// Preamble + the edited text + postamble is validated with the
    /// messages; valid (or ignored) text becomes the static text. The editor
    /// goes either way.
    void EndEdit() override;
    [[nodiscard]] bool IsEditing() const override { return FEditor != nullptr; }
    void Cut() override;
    void Copy() override;
    void Paste() override;

    [[nodiscard]] TZpFont& Font() { return FFont; }
    [[nodiscard]] const TZpFont& Font() const { return FFont; }
    [[nodiscard]] TZpData& Data() { return FData; }
    [[nodiscard]] const TZpData& Data() const { return FData; }
    [[nodiscard]] TZpScript& Script() { return FScript; }

    /// The symbol's width for the data source's current text.
    [[nodiscard]] int32_t SymbolWidth() const;
    /// Puts the bounds where drawing on a canvas of LabelDPI would leave
    /// them, for settings assigned directly (a rescaled label), so that
    /// nothing reads a stale rectangle before the first drawing.
    void FitBoundsToSymbol();

    // IZpBarcode. Symbology also shows the text below the bars; Density,
    // BarAdjust and SpaceAdjust move the far end along the symbol; Height
    // clamps to 0.15..30 inches and moves the far side across.
    [[nodiscard]] uint8_t GetSymbology() const override { return Symbology; }
    void SetSymbology(uint8_t value) override;
    [[nodiscard]] int32_t GetDensity() const override { return Density; }
    void SetDensity(int32_t value) override;
    [[nodiscard]] int32_t GetBarAdjust() const override { return BarAdjust; }
    void SetBarAdjust(int32_t value) override;
    [[nodiscard]] int32_t GetSpaceAdjust() const override { return SpaceAdjust; }
    void SetSpaceAdjust(int32_t value) override;
    [[nodiscard]] float GetWideToNarrow() const override { return WideToNarrow; }
    void SetWideToNarrow(float value) override { WideToNarrow = value; }
    [[nodiscard]] bool GetCheckDigit() const override { return CheckDigit; }
    void SetCheckDigit(bool value) override { CheckDigit = value; }
    [[nodiscard]] bool GetShowHumanReadable() const override { return ShowHumanReadable; }
    void SetShowHumanReadable(bool value) override { ShowHumanReadable = value; }
    [[nodiscard]] uint8_t GetHRPosition() const override { return HRPosition; }
    void SetHRPosition(uint8_t value) override { HRPosition = value; }
    [[nodiscard]] bool GetShowCheckDigit() const override { return ShowCheckDigit; }
    void SetShowCheckDigit(bool value) override { ShowCheckDigit = value; }
    [[nodiscard]] bool GetShowCheckDigit2() const override { return ShowCheckDigit2; }
    void SetShowCheckDigit2(bool value) override { ShowCheckDigit2 = value; }
    [[nodiscard]] bool GetShowStartStop() const override { return ShowStartStop; }
    void SetShowStartStop(bool value) override { ShowStartStop = value; }
    [[nodiscard]] bool GetGuardBars() const override { return GuardBars; }
    void SetGuardBars(bool value) override { GuardBars = value; }
    [[nodiscard]] int32_t GetHeight() const override { return Height; }
    void SetHeight(int32_t value) override;
    [[nodiscard]] int32_t GetHRSpacing() const override { return HRSpacing; }
    void SetHRSpacing(int32_t value) override { HRSpacing = value; }
    [[nodiscard]] QString GetPreamble() const override { return Preamble; }
    void SetPreamble(const QString& value) override { Preamble = value; }
    [[nodiscard]] QString GetPostamble() const override { return Postamble; }
    void SetPostamble(const QString& value) override { Postamble = value; }
    [[nodiscard]] uint8_t GetI25CheckDigitType() const override { return I25CheckDigitType; }
    void SetI25CheckDigitType(uint8_t value) override { I25CheckDigitType = value; }
    [[nodiscard]] uint8_t GetCodabarStart() const override { return CodabarStart; }
    void SetCodabarStart(uint8_t value) override { CodabarStart = value; }
    [[nodiscard]] uint8_t GetCodabarStop() const override { return CodabarStop; }
    void SetCodabarStop(uint8_t value) override { CodabarStop = value; }
    [[nodiscard]] bool GetDescenders() const override { return Descenders; }
    void SetDescenders(bool value) override { Descenders = value; }
    [[nodiscard]] bool GetShowNumberSystem() const override { return ShowNumberSystem; }
    void SetShowNumberSystem(bool value) override { ShowNumberSystem = value; }
    [[nodiscard]] bool GetExtendSupplement() const override { return ExtendSupplement; }
    void SetExtendSupplement(bool value) override { ExtendSupplement = value; }
    [[nodiscard]] bool GetShowMfrProdSpace() const override { return ShowMfrProdSpace; }
    void SetShowMfrProdSpace(bool value) override { ShowMfrProdSpace = value; }
    [[nodiscard]] bool GetShowISBN() const override { return ShowISBN; }
    void SetShowISBN(bool value) override { ShowISBN = value; }
    [[nodiscard]] bool GetAppendGreaterThan() const override { return AppendGreaterThan; }
    void SetAppendGreaterThan(bool value) override { AppendGreaterThan = value; }
    [[nodiscard]] bool GetFirstCheckMod11() const override { return FirstCheckMod11; }
    void SetFirstCheckMod11(bool value) override { FirstCheckMod11 = value; }
    [[nodiscard]] bool GetUCCFormatting() const override { return UCCFormatting; }
    void SetUCCFormatting(bool value) override { UCCFormatting = value; }

    // The settings, by the names of the engine's options record. Lengths
    // are label pixels. Assigning a field directly (file reading, rescaling)
    // stores it without the setters' resizing.
    uint8_t Symbology = 1;
    int32_t Density = 0;
    int32_t Height = 0;
    int32_t HRSpacing = 0;
    int32_t BarAdjust = 0;
    int32_t SpaceAdjust = 0;
    float WideToNarrow = 3.0f;
    bool CheckDigit = false;
    bool ShowHumanReadable = true;
    bool ShowStartStop = false;
    bool ShowCheckDigit = false;
    bool ShowCheckDigit2 = false;
    bool Descenders = true;
    uint8_t HRPosition = 1;        ///< 0 top, 1 bottom
    uint8_t I25CheckDigitType = 1; ///< 0 USS, 1 OPCC
    uint8_t CodabarStart = 0;      ///< 0..3 = A..D
    uint8_t CodabarStop = 0;
    bool GuardBars = false;
    bool ShowNumberSystem = true;
    bool ExtendSupplement = true;
    bool ShowMfrProdSpace = true;
    bool ShowISBN = false;
    bool AppendGreaterThan = false;
    bool FirstCheckMod11 = false;
    QString Preamble;
    QString Postamble;
    bool UCCFormatting = false;
    int32_t Rotation = 0;

private:
    /// Density, BarAdjust, SpaceAdjust: the far end along the symbol moves
    /// to the symbol's width.
    void FitAlongToSymbol();

    TZpFont FFont{this};
    TZpData FData{this};
    TZpScript FScript{this};
    std::unique_ptr<IZpPlainEditor> FEditor;
};

} // namespace zp

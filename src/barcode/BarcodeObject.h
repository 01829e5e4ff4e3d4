// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeOptions.h"
#include "model/data/ZpData.h"
#include "model/objects/Styles.h"
#include "model/objects/ZpObject.h"
#include "model/script/ZpScript.h"

namespace zp {

/// The label object that shows a bar code: the symbol settings handed to
/// the bar code engine, the font of the human-readable text (its colour is
/// also the bar colour), the data source of the symbol's data and a
/// script. This holds its stored state and record; sizing, drawing and
/// editing build on it.
class TZpBarcodeObject : public TZpObject, public IZpPaint, public IZpRotation {
public:
    /// Defaults from the store's "Bar Code Settings".
    TZpBarcodeObject();
    void* QueryInterface(const std::type_info& iid) override;
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpBarcodeObject"); }
    [[nodiscard]] int CursorId() const override { return 2007; }

    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;

    /// The engine's options record: every setting under its own name, and
    /// the font's name, size, colour, style and alignment.
    [[nodiscard]] TBarcodeOptions GetOptions() const;
    /// Draws the symbol of the data source's current text into the bounds;
    /// the bounds then sit exactly around what was drawn.
    void Draw(QPainter& canvas) override;

    [[nodiscard]] int32_t GetRotation() const override { return Rotation; }
    /// Turns the bounds about the top-left corner; refused with a message
    /// when the face cannot be rotated.
    void SetRotation(int32_t degrees) override;
    void SetRotationExact(int32_t degrees) override { Rotation = degrees; }

    [[nodiscard]] TZpFont& Font() { return FFont; }
    [[nodiscard]] TZpData& Data() { return FData; }
    [[nodiscard]] TZpScript& Script() { return FScript; }

    // The settings, by the names of the engine's options record. Lengths
    // are label pixels.
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
    TZpFont FFont{this};
    TZpData FData{this};
    TZpScript FScript{this};
};

} // namespace zp

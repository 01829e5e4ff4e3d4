// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"

#include <QString>

namespace zp {

class TZpSettingsStore;

/// The store's "Bar Code Settings" as the options dialog edits them: the
/// defaults of new bar code objects. Lengths are inches, as stored.
struct TBarcodeDefaults {
    int Type = 1;
    double Density = 0.01;
    double Height = 0.5;
    double HRSpacing = 0;
    int BarAdjust = 0;
    int SpaceAdjust = 0;
    /// Wide to narrow ratio times ten.
    int WideToNarrow = 30;
    bool CheckDigit = false;
    bool ShowHumanReadable = true;
    bool ShowStartStop = false;
    bool ShowCheckDigit = false;
    bool ShowCheckDigit2 = false;
    bool Descenders = true;
    bool ShowNumberSystem = true;
    bool ExtendSupplement = true;
    bool ShowMfrProdSpace = true;
    bool ShowISBN = false;
    bool AppendGreaterThan = false;
    bool FirstCheckMod11 = false;
    /// 0 top, 1 bottom.
    int HRPosition = 1;
    /// 0 USS, 1 OPCC.
    int I25CheckDigitType = 1;
    /// 0 A .. 3 D.
    int CodabarStart = 0;
    int CodabarStop = 0;
    bool GuardBars = false;
    QString Preamble;
    QString Postamble;
    bool UCCFormatting = false;
    QString DefaultText = QStringLiteral("12345");

    bool operator==(const TBarcodeDefaults&) const = default;
};

/// The store's "Text Settings": the defaults of new text objects.
struct TTextDefaults {
    QString FontName = QStringLiteral("Arial");
    int FontSize = 10;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    TColor FontColor = clBlack;
    bool RemoveFirstLeading = true;
    bool UseCustomLeading = false;
    /// Tenths of a point.
    int CustomLeadingSize = 100;
    QString DefaultText = QStringLiteral("Sample Text");

    bool operator==(const TTextDefaults&) const = default;
};

/// The store's "Fill Style Settings" and "Line Style Settings".
struct TGraphicDefaults {
    TColor FillColor = clWhite;
    /// Brush pattern 0..7 (1: no fill).
    int FillStyle = 1;
    bool FillTransparent = true;
    TColor LineColor = clBlack;
    /// Pen pattern 0..6 (0: solid).
    int LineStyle = 0;
    /// Hundredths of a point.
    int LineWidth = 100;

    bool operator==(const TGraphicDefaults&) const = default;
};

/// Values that are missing, not numbers or out of their range read as the
/// default, so a damaged settings file never gives a new object an
/// impossible setting.
[[nodiscard]] TBarcodeDefaults ReadBarcodeDefaults(const TZpSettingsStore& store);
/// Writes every value the dialog owns; the font values of the section are
/// only read by new objects and are left as they are.
void WriteBarcodeDefaults(TZpSettingsStore& store, const TBarcodeDefaults& d);

[[nodiscard]] TTextDefaults ReadTextDefaults(const TZpSettingsStore& store);
void WriteTextDefaults(TZpSettingsStore& store, const TTextDefaults& d);

[[nodiscard]] TGraphicDefaults ReadGraphicDefaults(const TZpSettingsStore& store);
void WriteGraphicDefaults(TZpSettingsStore& store, const TGraphicDefaults& d);

} // namespace zp

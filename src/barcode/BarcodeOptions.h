// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"

#include <QString>
#include <array>
#include <cstdint>
#include <string>

namespace zp {

/// The symbology type codes. The label file stores the code and every
/// symbology list of the program is filled in this order, so a list index is
/// a type code.
enum TBarcodeType : uint8_t {
    bcCode39 = 0,
    bcCode39Ascii = 1,
    bcCode128 = 2,
    bcUCC128 = 3,
    bcUPCA = 4,
    bcUPCE0 = 5,
    bcUPCE1 = 6,
    bcEAN13 = 7,
    bcEAN8 = 8,
    bcBookland = 9,
    bcInt2of5 = 10,
    bcCodabar = 11,
    bcCodabarCLSI = 12,
    bcMSI = 13,
    bcMSIISBN = 14,
    bcCode93 = 15,
    bcCode11 = 16,
    bcPostnet = 17,
    bcFIM = 18,
    bcITF14 = 19,
};

inline constexpr int kBarcodeTypeCount = 20;

/// Display names in type-code order.
inline constexpr std::array<const char*, kBarcodeTypeCount> BarcodeTypeNames = {
    "Code 39",
    "Code 39 (Full Ascii)",
    "Code 128",
    "UCC Code 128",
    "UPC-A",
    "UPC-E Version 0",
    "UPC-E Version 1",
    "EAN 13",
    "EAN 8",
    "Bookland EAN",
    "Interleaved 2 of 5",
    "Codabar",
    "Codabar CLSI",
    "MSI/Plessey",
    "MSI/Plessey ISBN",
    "Code 93",
    "Code 11",
    "Postnet",
    "FIM",
    "ITF14 (SCS)",
};

/// Module width, in inches, that new UPC and EAN symbols start from
/// (Round(LabelDPI x 0.013) label pixels).
inline constexpr double kEanUpcDefaultDensity = 0.013;

/// Every setting that builds a symbol. A plain record handed to the engine on
/// each call; never stored. Lengths are label pixels.
struct TBarcodeOptions {
    uint8_t Symbology = bcCode39;
    /// Compute the optional check digit; MSI/Plessey and Code 11: two instead of one.
    bool CheckDigit = false;
    /// Wide element over narrow one, element and bit patterns only.
    float WideToNarrow = 3.0f;
    /// Bearer bars above and below Interleaved 2 of 5 and ITF14 symbols.
    bool GuardBars = false;
    /// Narrow element or module width.
    int32_t Density = 1;
    int32_t Height = 0;
    /// Gap between the bars and the human-readable text.
    int32_t HRSpacing = 0;
    /// Added to each space run and each bar run (may be negative).
    int32_t SpaceAdjust = 0;
    int32_t BarAdjust = 0;
    /// Put in front of and behind the data (8-bit text).
    std::string Preamble;
    std::string Postamble;
    /// Interleaved 2 of 5 check digit: 0 USS, 1 OPCC.
    uint8_t I25CheckDigitType = 0;
    /// Codabar start and stop characters: 0..3 for A..D.
    uint8_t CodabarStart = 0;
    uint8_t CodabarStop = 0;
    /// EAN/UPC layout with descending guard bars.
    bool Descenders = false;
    bool ShowNumberSystem = false;
    bool ExtendSupplement = false;
    bool ShowMfrProdSpace = false;
    bool ShowISBN = false;
    bool AppendGreaterThan = false;
    /// MSI/Plessey: the first of two check digits is modulo 11.
    bool FirstCheckMod11 = false;
    /// UCC Code 128: text in application-identifier groups.
    bool UCCFormatting = false;
    bool ShowHumanReadable = false;
    /// 0 text above the bars, 1 below.
    uint8_t HRPosition = 1;
    bool ShowStartStop = false;
    bool ShowCheckDigit = false;
    bool ShowCheckDigit2 = false;
    QString FontName = QStringLiteral("Arial");
    /// Points.
    int32_t FontSize = 10;
    /// Colour of the text and of the bars.
    TColor FontColor = clBlack;
    /// fsBold | fsItalic | fsUnderline.
    uint8_t FontStyle = 0;
    /// 0 left, 1 right, 2 centre.
    uint8_t FontAlignment = 2;
};

} // namespace zp

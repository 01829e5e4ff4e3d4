// SPDX-License-Identifier: MIT
#pragma once

#include "barcode/BarcodeOptions.h"

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace zp {

/// What a "0"/"1" pattern character means and how wide it is drawn.
enum class TPatternKind : uint8_t {
    /// One element each, narrow "0" or wide "1", alternating bar and space.
    Element,
    /// One module of Density each, "1" dark.
    Module,
    /// MSI/Plessey bits: a wide or narrow bar with the opposite space after it.
    Bit,
    /// Postnet: every position a bar, "1" tall, "0" short, fixed pitch.
    BarHeight,
    /// FIM: fixed-pitch positions, "1" a bar.
    Position,
};

/// A family's answer on prepared data. Ok false with an empty message is a
/// silent refusal.
struct TBarcodeValidation {
    bool Ok = true;
    QString Message;
};

/// Margins and the one inner gap of a symbol, label pixels (EAN/UPC only).
struct TBarcodeGeometry {
    int32_t LeftMargin = 0;
    int32_t RightMargin = 0;
    /// A gap of GapWidth follows pattern character GapAfter - 1 (0: no gap).
    int32_t GapAfter = 0;
    int32_t GapWidth = 0;
};

struct TBarcodeDrawContext;

/// One symbology as the engine core sees it. The core does what is common
/// (preamble and postamble, escapes, the empty and digits-only tests, element
/// widths and adjustments, width, density, drawing, rotation); a family
/// supplies its rule, its pattern and its text. Fill it with designated
/// initializers: fields may be added.
struct TBarcodeFamily {
    TPatternKind Kind = TPatternKind::Module;
    /// Element patterns with a character gap: elements per character (9 Code 39,
    /// 7 Codabar, 5 Code 11); 0 for no gap.
    int ElementsPerCharacter = 0;
    /// Every character must be a digit (tested by the core before Validate).
    bool NumericOnly = false;
    /// Backslash escapes are expanded when the data is prepared.
    bool ExpandsEscapes = false;
    /// GuardBars draws bearer bars.
    bool BearerBars = false;
    /// The human-readable text is drawn (false for Postnet and FIM).
    bool DrawsText = true;

    /// The symbology's rule on non-empty prepared data (after the digits test).
    TBarcodeValidation (*Validate)(std::string_view prepared, const TBarcodeOptions& options) = nullptr;
    /// The pattern of valid prepared data.
    std::string (*Encode)(std::string_view prepared, const TBarcodeOptions& options) = nullptr;
    /// The human-readable text of valid prepared data, before the core strips
    /// unprintable characters.
    std::string (*HumanReadable)(std::string_view prepared, const TBarcodeOptions& options) = nullptr;
    /// The check characters that Encode appends to valid data (for tests and
    /// callers that show them); may be null.
    std::string (*CheckCharacters)(std::string_view prepared, const TBarcodeOptions& options) = nullptr;

    /// Optional: a last preparation step (EAN/UPC drops a typed check digit).
    std::string (*FinishPreparation)(std::string data, const TBarcodeOptions& options) = nullptr;
    /// Optional: margins and an inner gap (EAN/UPC).
    TBarcodeGeometry (*Geometry)(std::string_view prepared, const TBarcodeOptions& options) = nullptr;
    /// Optional: draws the symbol itself when it has a layout of its own;
    /// returns false to leave it to the core.
    bool (*Draw)(TBarcodeDrawContext& context) = nullptr;
};

/// The family of a type code; the empty family (valid, no pattern, no text)
/// for codes above 19.
[[nodiscard]] const TBarcodeFamily& BarcodeFamily(uint8_t symbology);

// One registration point per type code (BarcodeRegistry.cpp lists them).
// Each is defined in its family's own source file.
[[nodiscard]] const TBarcodeFamily& Code39Family();
[[nodiscard]] const TBarcodeFamily& Code39AsciiFamily();
[[nodiscard]] const TBarcodeFamily& Code128Family();
[[nodiscard]] const TBarcodeFamily& UCC128Family();
[[nodiscard]] const TBarcodeFamily& UPCAFamily();
[[nodiscard]] const TBarcodeFamily& UPCE0Family();
[[nodiscard]] const TBarcodeFamily& UPCE1Family();
[[nodiscard]] const TBarcodeFamily& EAN13Family();
[[nodiscard]] const TBarcodeFamily& EAN8Family();
[[nodiscard]] const TBarcodeFamily& BooklandFamily();
[[nodiscard]] const TBarcodeFamily& Int2of5Family();
[[nodiscard]] const TBarcodeFamily& CodabarFamily();
[[nodiscard]] const TBarcodeFamily& CodabarCLSIFamily();
[[nodiscard]] const TBarcodeFamily& MSIFamily();
[[nodiscard]] const TBarcodeFamily& MSIISBNFamily();
[[nodiscard]] const TBarcodeFamily& Code93Family();
[[nodiscard]] const TBarcodeFamily& Code11Family();
[[nodiscard]] const TBarcodeFamily& PostnetFamily();
[[nodiscard]] const TBarcodeFamily& FIMFamily();
[[nodiscard]] const TBarcodeFamily& ITF14Family();

// Shared pieces for families.

/// "Data must be 60 characters or less"
[[nodiscard]] QString MsgDataTooLong();
/// A family's verdict from its rule's message: nullptr is valid.
[[nodiscard]] TBarcodeValidation Verdict(const char* message);
/// Characters from..to (1-based, inclusive) of text, cut at its end.
[[nodiscard]] std::string_view Characters(std::string_view text, size_t from, size_t to);
/// The groups of characters from..to of text joined by single spaces (an
/// empty group keeps its space): the grouped human-readable texts.
[[nodiscard]] std::string Groups(std::string_view text,
                                 std::initializer_list<std::pair<size_t, size_t>> groups);
/// True when every character is "0".."9".
[[nodiscard]] bool AllDigits(std::string_view text);
/// Modulo 10 check digit with weight 3 on the rightmost digit (EAN/UPC,
/// UCC Code 128, ITF14), as a character.
[[nodiscard]] char Mod10Weight3(std::string_view digits);

} // namespace zp

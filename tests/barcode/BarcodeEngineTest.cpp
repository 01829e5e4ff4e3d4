// SPDX-License-Identifier: MIT
#include "BarcodeTestSupport.h"
#include "barcode/Barcode.h"
#include "barcode/BarcodeLayout.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

using test::BarcodeOptions;

struct TEscapeCase {
    const char* Name;
    std::string Text;
    std::string Expanded;
};

const TEscapeCase kEscapes[] = {
    {"DecimalCode", "\\065BC", "ABC"},
    {"DoubledBackslash", "a\\\\b", "a\\b"},
    {"FunctionEscapeStays", "\\F1x", "\\F1x"},
    {"AboveTheLimitStays", "\\200\\300", "\\200\\300"},
    {"LimitIsAnEscape", "\\128", std::string(1, '\x80')},
    {"ShortAtTheEnd", "AB\\12", "AB\x0c"},
    {"ZeroIsAnEscape", "\\000A", std::string("\0A", 2)},
    // Three characters are taken: "0AB" is not a number, so all of it stays.
    {"NotANumberStays", "\\0AB", "\\0AB"},
    {"SignIsNotADigit", "\\-12", "\\-12"},
    {"LoneBackslashAtTheEnd", "AB\\", "AB\\"},
};

class EscapeCases : public testing::TestWithParam<TEscapeCase> {};

TEST_P(EscapeCases, Expand) {
    EXPECT_EQ(ExpandBarcodeEscapes(GetParam().Text), GetParam().Expanded);
}

INSTANTIATE_TEST_SUITE_P(Barcode, EscapeCases, testing::ValuesIn(kEscapes),
                         [](const testing::TestParamInfo<TEscapeCase>& info) { return info.param.Name; });

TEST(BarcodePrepare, FramesDataAndExpandsEscapesOnlyWhereTheSymbologyTakesThem) {
    TBarcodeOptions o = BarcodeOptions(bcCode39);
    o.Preamble = "\\065";
    o.Postamble = "Z";
    EXPECT_EQ(PrepareBarcodeData("M", o), "\\065MZ");
    o.Symbology = bcCode39Ascii;
    EXPECT_EQ(PrepareBarcodeData("M", o), "AMZ");
    for (uint8_t code : {bcCode128, bcUCC128, bcCode93}) {
        o.Symbology = code;
        EXPECT_EQ(PrepareBarcodeData("M", o), "AMZ") << int(code);
    }
}

TEST(BarcodePrepare, DropsTheCheckDigitTypedBeforeASupplement) {
    TBarcodeOptions o = BarcodeOptions(bcUPCA);
    EXPECT_EQ(PrepareBarcodeData("036000291452", o), "03600029145");
    EXPECT_EQ(PrepareBarcodeData("03600029145212", o), "0360002914512");
    EXPECT_EQ(PrepareBarcodeData("0360002914512", o), "0360002914512"); // a 2-digit supplement, nothing typed
}

struct TValidationCase {
    const char* Name;
    uint8_t Symbology;
    std::string Data;
    bool Valid;
    const char* Message; // empty: refused without a message
};

const QString kCode39Message = QStringLiteral(
    "Code39 bar codes can only include uppercase letters, numbers, or the following: \"-. $/+%\"");

const QString kCode128Message =
    QStringLiteral("Code 128 bar codes can only include ASCII characters (codes 0 to 127) and the function "
                   "characters 201 to 207");

const TValidationCase kValidation[] = {
    {"EmptyIsSilentlyInvalid", bcCode39, "", false, ""},
    {"EmptyEanIsSilentlyInvalid", bcEAN13, "", false, ""},
    {"Code39LowerCase", bcCode39, "abc", false, "code39"},
    {"Code39AllCharacters", bcCode39, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", true, ""},
    {"Code39Sixty", bcCode39, std::string(60, 'A'), true, ""},
    {"Code39SixtyOne", bcCode39, std::string(61, 'A'), false, "Data must be 60 characters or less"},
    // The character test comes first.
    {"Code39LongAndBad", bcCode39, std::string(61, 'a'), false, "code39"},
    {"Code39AsciiTakesAscii", bcCode39Ascii, "a\x01\x7f", true, ""},
    // Characters without a pattern would be left out of the symbol.
    {"Code39AsciiRefusesAccents", bcCode39Ascii, "caf\xe9", false,
     "Code 39 (Full Ascii) bar codes can only include ASCII characters (codes 0 to 127)"},
    {"Code93RefusesAccents", bcCode93, "caf\xe9", false,
     "Code 93 bar codes can only include ASCII characters (codes 0 to 127)"},
    {"Code128FunctionCharacters", bcCode128,
     "\xc9\xca\xcb\xcc\xcd\xce\xcf"
     "A\\F1",
     true, ""},
    {"Code128RefusesAccents", bcCode128, "caf\xe9", false, "code128"},
    // Only the escape makes a function of 251..254.
    {"Code128RefusesTypedFunctionCodes", bcCode128, "\xfb", false, "code128"},
    {"Code128RefusesCharactersOutsideTheSets", bcCode128, "\xd3", false, "code128"},
    {"Code39AsciiSixtyOne", bcCode39Ascii, std::string(61, 'a'), false, "Data must be 60 characters or less"},
    {"UpcANotNumeric", bcUPCA, "0360002914A", false,
     "Only numeric values are allowed by the selected bar code"},
    {"UpcATen", bcUPCA, "0360002914", false,
     "UPC-A bar codes must be 11 characters long with an optional 2 or 5 character supplement"},
    {"UpcAFifteen", bcUPCA, "036000291451234", false,
     "UPC-A bar codes must be 11 characters long with an optional 2 or 5 character supplement"},
    {"UpcASeventeen", bcUPCA, "03600029145212345", true, ""},
    {"UpcEEight", bcUPCE0, "42526112", true, ""},
    {"UpcETen", bcUPCE1, "4252611234", false,
     "UPC-E bar codes must be 6 characters long with an optional 2 or 5 character supplement"},
    {"Ean13Sixteen", bcEAN13, "4006381333931123", false,
     "EAN-13 bar codes must be 12 characters long with an optional 2 or 5 character supplement"},
    {"Ean8Eleven", bcEAN8, "12345671234", false,
     "EAN-8 bar codes must be 7 characters long with an optional 2 or 5 character supplement"},
    {"BooklandEight", bcBookland, "03064061", false,
     "Bookland EAN bar codes must be 9 digits long with an optional 2 or 5 character supplement."},
    {"UnknownTypeCodeIsValid", 20, "anything", true, ""},
};

class ValidationCases : public testing::TestWithParam<TValidationCase> {};

TEST_P(ValidationCases, RuleAndMessage) {
    const TValidationCase& c = GetParam();
    TZpScriptedDialogsGuard dialogs;
    const TBarcodeOptions o = BarcodeOptions(c.Symbology);
    EXPECT_EQ(ValidateBarcodeData(o, c.Data, false), c.Valid);
    EXPECT_TRUE(dialogs->Questions().empty());
    EXPECT_EQ(ValidateBarcodeData(o, c.Data, true), c.Valid); // no queued answer: OK
    const QString message = QString::fromLatin1(c.Message);
    const QString expected = message == "code39"    ? kCode39Message
                             : message == "code128" ? kCode128Message
                                                    : message;
    if (expected.isEmpty()) {
        EXPECT_TRUE(dialogs->Questions().empty());
    } else {
        ASSERT_EQ(dialogs->Questions().size(), 1u);
        EXPECT_EQ(dialogs->Questions()[0].Text, expected);
        EXPECT_EQ(dialogs->Questions()[0].MsgKind, TZpMsgKind::Information);
        EXPECT_EQ(dialogs->Questions()[0].Buttons, TZpButtons::OkIgnore);
    }
}

INSTANTIATE_TEST_SUITE_P(Barcode, ValidationCases, testing::ValuesIn(kValidation),
                         [](const testing::TestParamInfo<TValidationCase>& info) { return info.param.Name; });

TEST(BarcodeValidation, EmptyDataIsInvalidForEverySymbologyWithoutAMessage) {
    TZpScriptedDialogsGuard dialogs;
    test::TLabelDpiGuard dpi(300);
    for (int code = 0; code < 256; ++code) {
        TBarcodeOptions o = BarcodeOptions(static_cast<uint8_t>(code));
        EXPECT_FALSE(ValidateBarcodeData(o, "", true)) << code;
        EXPECT_EQ(BarcodeWidth("", o), 600) << code;
    }
    EXPECT_TRUE(dialogs->Questions().empty());
}

TEST(BarcodeValidation, IgnoreAcceptsTheData) {
    TZpScriptedDialogsGuard dialogs;
    dialogs->Queue(TZpAnswer::Ignore);
    EXPECT_TRUE(ValidateBarcodeData(BarcodeOptions(bcCode39), "abc", true));
    dialogs->Queue(TZpAnswer::Ok);
    EXPECT_FALSE(ValidateBarcodeData(BarcodeOptions(bcCode39), "abc", true));
}

TEST(BarcodeLayout, ModuleRunsTakeTheirAdjustmentOnce) {
    TBarcodeOptions o = BarcodeOptions(bcCode128, 4);
    o.BarAdjust = 2;
    o.SpaceAdjust = -1;
    const TBarcodeFamily module{.Kind = TPatternKind::Module};
    std::vector<TBarRun> bars;
    const int64_t width = TBarcodeLayout(module, o, {}).Walk("1110011", &bars);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].X, 0);
    EXPECT_EQ(bars[0].Width, 3 * 4 + 2);
    EXPECT_EQ(bars[1].X, 3 * 4 + 2 + 2 * 4 - 1);
    EXPECT_EQ(bars[1].Width, 2 * 4 + 2);
    EXPECT_EQ(width, 7 * 4 + 2 - 1 + 2);
}

TEST(BarcodeLayout, AGapNeitherTakesAnAdjustmentNorEndsARun) {
    TBarcodeOptions o = BarcodeOptions(bcMSI, 2);
    o.WideToNarrow = 2.5f; // wide 5
    o.BarAdjust = 1;
    o.SpaceAdjust = 7;
    const TBarcodeFamily bits{.Kind = TPatternKind::Bit};
    std::vector<TBarRun> bars;
    // "1": wide bar + narrow space; "0": narrow bar + wide space. Only the first bar is adjusted.
    EXPECT_EQ(TBarcodeLayout(bits, o, {}).Walk("10", &bars), 5 + 1 + 2 + 2 + 5);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].Width, 6);
    EXPECT_EQ(bars[1].X, 8);
    EXPECT_EQ(bars[1].Width, 2);
}

TEST(BarcodeLayout, NegativeWidthsCountAsNothing) {
    TBarcodeOptions o = BarcodeOptions(bcCode128, 1);
    o.BarAdjust = -5;
    const TBarcodeFamily module{.Kind = TPatternKind::Module};
    std::vector<TBarRun> bars;
    EXPECT_EQ(TBarcodeLayout(module, o, {}).Walk("101", &bars), 1);
    EXPECT_TRUE(bars.empty());
}

TEST(BarcodeDensity, FitTakesTheLargestDensityThatFits) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcCode39, 7);
    // Code 39 "A" at density 1, ratio 3: 48.
    EXPECT_EQ(FitBarcodeDensity("A", o, 100), 2);
    EXPECT_EQ(FitBarcodeDensity("A", o, 144), 3);
    EXPECT_EQ(FitBarcodeDensity("A", o, 47), 1);
    EXPECT_EQ(FitBarcodeDensity("A", o, -5), 1);
    // Invalid data is as wide as the placeholder: 2 x LabelDPI.
    EXPECT_EQ(BarcodeWidth("a", o), 600);
    EXPECT_EQ(FitBarcodeDensity("a", o, 1300), 2);
}

struct TFigureCase {
    const char* Name;
    uint8_t Symbology;
    float WideToNarrow;
    double CharWidth; // at density 2; 0: no figure
};

const TFigureCase kFigures[] = {
    {"Code39", bcCode39, 3.0f, (3 * 3 + 7) * 2},
    {"Code39Ratio2", bcCode39Ascii, 2.0f, (3 * 2 + 7) * 2},
    {"Code128", bcCode128, 3.0f, 22},
    {"Ucc128", bcUCC128, 3.0f, 7.381 * 2},
    {"UpcA", bcUPCA, 3.0f, 7.916 * 2},
    {"UpcE", bcUPCE1, 3.0f, 6.375 * 2},
    {"Ean13", bcEAN13, 3.0f, 7.307 * 2},
    {"Bookland", bcBookland, 3.0f, 7.307 * 2},
    {"Ean8", bcEAN8, 3.0f, 8.375 * 2},
    {"Int2of5", bcInt2of5, 2.5f, (4 * 2.5 + 6) * 2 / 2},
    {"Itf14", bcITF14, 3.0f, (4 * 3 + 6) * 2 / 2},
    {"Codabar", bcCodabar, 3.0f, (2 * 3 + 6) * 2},
    {"CodabarClsi", bcCodabarCLSI, 2.0f, (2 * 2 + 6) * 2},
    {"Msi", bcMSI, 3.0f, 24},
    {"MsiIsbn", bcMSIISBN, 3.0f, 24},
    {"Code93", bcCode93, 3.0f, 18},
    {"Code11", bcCode11, 3.0f, 16},
    {"Postnet", bcPostnet, 3.0f, 0},
    {"Fim", bcFIM, 3.0f, 0},
};

class FigureCases : public testing::TestWithParam<TFigureCase> {};

TEST_P(FigureCases, CharsPerInchAndMils) {
    test::TLabelDpiGuard dpi(600);
    const TFigureCase& c = GetParam();
    TBarcodeOptions o = BarcodeOptions(c.Symbology, 2);
    o.WideToNarrow = c.WideToNarrow;
    EXPECT_NEAR(BarcodeCharsPerInch(o), c.CharWidth > 0 ? 600 / c.CharWidth : 0, 1e-3);
    EXPECT_NEAR(BarcodeMils(o), 2 / 600.0 * 1000, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Barcode, FigureCases, testing::ValuesIn(kFigures),
                         [](const testing::TestParamInfo<TFigureCase>& info) { return info.param.Name; });

TEST(BarcodeDensity, FiguresOfNonsenseOptionsAreZero) {
    TBarcodeOptions o = BarcodeOptions(bcCode39, 0);
    EXPECT_EQ(BarcodeCharsPerInch(o), 0);
    o.Symbology = 200;
    o.Density = 3;
    EXPECT_EQ(BarcodeCharsPerInch(o), 0);
}

TEST(BarcodeTypes, NamesInTypeCodeOrder) {
    EXPECT_STREQ(BarcodeTypeNames[bcCode39Ascii], "Code 39 (Full Ascii)");
    EXPECT_STREQ(BarcodeTypeNames[bcBookland], "Bookland EAN");
    EXPECT_STREQ(BarcodeTypeNames[bcITF14], "ITF14 (SCS)");
}

} // namespace
} // namespace zp

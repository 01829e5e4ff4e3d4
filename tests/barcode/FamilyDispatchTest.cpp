// SPDX-License-Identifier: MIT
// The Code 128, Code 93 and width-modulated families as the engine's public
// operations see them: preparation, validation with its messages, encoding and text.
#include "barcode/Barcode.h"
#include "barcode/BarcodeFamily.h"
#include "barcode/Code128.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

TBarcodeOptions Options(uint8_t symbology) {
    TBarcodeOptions o;
    o.Symbology = symbology;
    return o;
}

struct MessageCase {
    const char* name;
    uint8_t symbology;
    std::string data; // prepared
    bool checkDigit;
    const char* message; // nullptr: valid
};

const char* const kNumeric = "Only numeric values are allowed by the selected bar code";

const MessageCase kMessages[] = {
    {"Code128TooLong", bcCode128, std::string(61, 'a'), false, "Data must be 60 characters or less"},
    {"Code128ControlAndFunctionCharacters", bcCode128, "\x01\xc9\xcf", false, nullptr},
    {"Ucc128Letters", bcUCC128, "1234567A", false, kNumeric},
    {"Ucc128Length", bcUCC128, "123456789", false,
     "UCC Code 128 bar codes must be 8,19 (if Zentaprint supplies check digit) or 20 characters long (if "
     "user "
     "supplies check digit)"},
    {"Code93TooLong", bcCode93, std::string(61, 'a'), false, "Data must be 60 characters or less"},
    {"I25Letters", bcInt2of5, "12a4", false, kNumeric},
    {"I25TooLong", bcInt2of5, std::string(61, '1'), false, "Data must be 60 characters or less"},
    {"CodabarCharacters", bcCodabar, "12a", false,
     "Codabar codes can only include numbers or the following: \"-$:/.+\""},
    {"ClsiLetters", bcCodabarCLSI, "123456789012a", false, kNumeric},
    {"ClsiLength", bcCodabarCLSI, "123", false, "Codabar CLSI codes must be 13 characters long"},
    {"MsiLetters", bcMSI, "12a", false, kNumeric},
    {"MsiLength", bcMSI, "12", false, "MSI/Plessey bar codes must be 3-15 digits long"},
    {"MsiIsbnLength", bcMSIISBN, "12345678", false, "MSI/Plessey ISBN bar codes must be 9 digits long"},
    {"Code11Characters", bcCode11, "1+2", false,
     "Code 11 bar codes can only include numbers or the dash symbol(-)"},
    {"PostnetDigits", bcPostnet, "1234-5678", false, "Postnet bar codes must be 5, 9 or 11 digits long"},
    {"FimLowerCase", bcFIM, "b", false, "FIM bar codes must be one character long (A,B,C,D)"},
    {"Itf14Letters", bcITF14, "123456789012a", false, kNumeric},
    {"Itf14Length", bcITF14, "1234", false, "ITF14 bar codes must be 13 digits long"},
};

class FamilyMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FamilyMessageTest, FirstBrokenRuleIsShownAndIgnoreAccepts) {
    const MessageCase& c = GetParam();
    TBarcodeOptions o = Options(c.symbology);
    o.CheckDigit = c.checkDigit;
    TZpScriptedDialogsGuard dialogs;
    if (c.message == nullptr) {
        EXPECT_TRUE(ValidateBarcodeData(o, c.data, true));
        EXPECT_TRUE(dialogs->Messages().isEmpty());
        return;
    }
    EXPECT_FALSE(ValidateBarcodeData(o, c.data, false));
    EXPECT_TRUE(dialogs->Messages().isEmpty());
    dialogs->Queue(TZpAnswer::Ok);
    EXPECT_FALSE(ValidateBarcodeData(o, c.data, true));
    dialogs->Queue(TZpAnswer::Ignore);
    EXPECT_TRUE(ValidateBarcodeData(o, c.data, true));
    ASSERT_EQ(dialogs->Messages().size(), 2);
    EXPECT_EQ(dialogs->Messages()[0], QString::fromLatin1(c.message));
    EXPECT_EQ(dialogs->Questions()[0].MsgKind, TZpMsgKind::Information);
    EXPECT_EQ(dialogs->Questions()[0].Buttons, TZpButtons::OkIgnore);
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyMessageTest, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FamilyDispatchTest, Code128EscapesArePreparedBeforeEncoding) {
    const TBarcodeOptions o = Options(bcCode128);
    EXPECT_EQ(PrepareBarcodeData("\\065BC", o), "ABC");
    EXPECT_EQ(EncodeBarcode(PrepareBarcodeData("\\065BC", o), o), EncodeCode128("ABC"));
    // \F1 survives preparation and becomes FNC1; the text leaves it out.
    const std::string prepared = PrepareBarcodeData("abc\\F1", o);
    EXPECT_EQ(prepared, "abc\\F1");
    EXPECT_EQ(BarcodeHumanReadable(prepared, o), "abc");
    EXPECT_EQ(code128::Values(prepared)[4], code128::kFnc1);
}

TEST(FamilyDispatchTest, TextsFollowTheShowOptions) {
    TBarcodeOptions o = Options(bcUCC128);
    o.CheckDigit = true;
    o.UCCFormatting = true;
    EXPECT_EQ(BarcodeHumanReadable("0000012345555555555", o), "(00) 0 0012345 555555555 8");
    o = Options(bcITF14);
    o.ShowCheckDigit = true;
    EXPECT_EQ(BarcodeHumanReadable("1234567890123", o), "1 23 45678 90123 1");
    o = Options(bcCodabar);
    o.CodabarStart = 1;
    o.CodabarStop = 3;
    o.ShowStartStop = true;
    EXPECT_EQ(BarcodeHumanReadable("123", o), "B123D");
    o = Options(bcCodabarCLSI);
    EXPECT_EQ(BarcodeHumanReadable("1234567890123", o), "1 2345 67890 123");
    o = Options(bcCode93);
    EXPECT_EQ(BarcodeHumanReadable("TEST93", o), "TEST93");
}

TEST(FamilyDispatchTest, CheckCharactersMatchWhatIsEncoded) {
    TBarcodeOptions o = Options(bcMSI);
    o.CheckDigit = true;
    o.FirstCheckMod11 = true;
    const TBarcodeFamily& msi = BarcodeFamily(bcMSI);
    EXPECT_EQ(msi.CheckCharacters("1234", o), "30");
    EXPECT_EQ(BarcodeFamily(bcCode11).CheckCharacters("123-45", Options(bcCode11)), "5");
    EXPECT_EQ(BarcodeFamily(bcPostnet).CheckCharacters("12345-6789", Options(bcPostnet)), "5");
    EXPECT_EQ(BarcodeFamily(bcCodabarCLSI).CheckCharacters("1234567890123", Options(bcCodabarCLSI)), "7");
    EXPECT_EQ(BarcodeFamily(bcITF14).CheckCharacters("1234567890123", Options(bcITF14)), "1");
}

struct WidthCase {
    const char* name;
    uint8_t symbology;
    const char* data;
    int density;
    float wideToNarrow;
    int width;
    const char* source;
};

const WidthCase kWidths[] = {
    {"Code128", bcCode128, "ABC", 2, 3.0f, 136, "start, 3 values, check: 5 x 11 modules, stop 13"},
    {"Code93", bcCode93, "TEST93", 1, 3.0f, 91, "start, 6 values, C, K: 8 x 9, stop 9, bar 1"},
    {"Int2of5", bcInt2of5, "1234", 1, 3.0f, 45, "start 4, digits 2 x 3 + 3 each, stop 3 + 1 + 1; no gaps"},
    {"Itf14", bcITF14, "1234567890123", 1, 2.0f, 106, "start 4, 14 digits of 2 x 2 + 3, stop 2 + 1 + 1"},
    {"Codabar", bcCodabar, "-", 1, 3.0f, 40, "A 13, - 11, A 13, each followed by a gap of 1"},
    {"CodabarWide", bcCodabar, "-", 2, 2.5f, 72,
     "wide 5: A 3 x 5 + 4 x 2 = 23, - 2 x 5 + 5 x 2 = 20, gaps 2"},
};

class FamilyWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(FamilyWidthTest, SymbolWidth) {
    const WidthCase& c = GetParam();
    TBarcodeOptions o = Options(c.symbology);
    o.Density = c.density;
    o.WideToNarrow = c.wideToNarrow;
    EXPECT_EQ(BarcodeWidth(c.data, o), c.width) << c.source;
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyWidthTest, ::testing::ValuesIn(kWidths),
                         [](const auto& info) { return std::string(info.param.name); });

// Any 8-bit data of any length, with odd option values, goes through every
// operation of these families without faults.
TEST(FamilyDispatchTest, AnyDataAndOptionsAreSafe) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    const std::string inputs[] = {all,  std::string(65536, '9'), std::string(65536, '\\'), "\\F",
                                  "\\", std::string(1, '\0')};
    for (const uint8_t symbology : {bcCode128, bcUCC128, bcCode93, bcInt2of5, bcCodabar, bcCodabarCLSI, bcMSI,
                                    bcMSIISBN, bcCode11, bcPostnet, bcFIM, bcITF14}) {
        TBarcodeOptions o = Options(symbology);
        o.CheckDigit = true;
        o.ShowCheckDigit = o.ShowCheckDigit2 = o.ShowStartStop = o.UCCFormatting = o.FirstCheckMod11 = true;
        o.I25CheckDigitType = 200;
        o.CodabarStart = 255;
        o.CodabarStop = 7;
        o.Density = -3;
        o.WideToNarrow = 0;
        for (const std::string& data : inputs) {
            const std::string prepared = PrepareBarcodeData(data, o);
            (void)ValidateBarcodeData(o, prepared, false);
            const TBarcodeFamily& family = BarcodeFamily(symbology);
            // Encoding is only asked for valid data, but must stay safe on anything.
            EXPECT_LE(family.Encode(prepared, o).size(), prepared.size() * 40 + 128) << int(symbology);
            (void)family.HumanReadable(prepared, o);
            if (family.CheckCharacters)
                (void)family.CheckCharacters(prepared, o);
            (void)BarcodeWidth(data, o);
        }
    }
}

} // namespace
} // namespace zp

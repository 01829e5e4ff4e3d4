// SPDX-License-Identifier: MIT
#include "BarcodeTestSupport.h"
#include "barcode/Barcode.h"
#include "barcode/BarcodeFamily.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

using test::BarcodeOptions;

// Character patterns of the Code 39 standard's table, named for the cases.
const std::string kStar = "010010100";
const std::string kA = "100001001";
const std::string kB = "001001001";
const std::string kC = "101001000";
const std::string kX = "010010001";
const std::string kF = "001011000";
const std::string kPlus = "010001010";
const std::string kPercent = "000101010";
const std::string kZ = "011010000";
const std::string k1 = "100100001";
const std::string k2 = "001100001";
const std::string k3 = "101100000";
const std::string k4 = "000110001";
const std::string k5 = "100110000";

struct TCode39Case {
    const char* Name;
    uint8_t Symbology;
    std::string Data;
    bool CheckDigit;
    std::string Pattern;
    const char* Text; // with ShowCheckDigit and ShowStartStop
};

const TCode39Case kCases[] = {
    // 10 + 11 + 12 = 33, the table's X
    {"CheckOfABCIsX", bcCode39, "ABC", true, kStar + kA + kB + kC + kX + kStar, "*ABCX*"},
    {"CheckOf12345IsF", bcCode39, "12345", true, kStar + k1 + k2 + k3 + k4 + k5 + kF + kStar, "*12345F*"},
    {"NoCheckDigit", bcCode39, "A", false, kStar + kA + kStar, "*A*"},
    // Full ASCII: lower case becomes "+" and the capital; the text shows the
    // data before translation, the check is over the translated text (41 + 10 = 51 -> 8).
    {"AsciiLowerCase", bcCode39Ascii, "a", true, kStar + kPlus + kA + "100100100" + kStar, "*a8*"},
    {"AsciiDelIsPercentZ", bcCode39Ascii, "\x7f", false, kStar + kPercent + kZ + kStar, "*\x7f*"},
    {"AsciiControlCharacterLeavesTheText", bcCode39Ascii, "A\tB", false,
     kStar + kA + "010101000" + "001001100" + kB + kStar, "*AB*"},
};

void PrintTo(const TCode39Case& c, std::ostream* os) {
    *os << c.Name;
}

class Code39Cases : public testing::TestWithParam<TCode39Case> {};

TEST_P(Code39Cases, PatternAndText) {
    const TCode39Case& c = GetParam();
    TBarcodeOptions o = BarcodeOptions(c.Symbology);
    o.CheckDigit = c.CheckDigit;
    o.ShowCheckDigit = true;
    o.ShowStartStop = true;
    const std::string prepared = PrepareBarcodeData(c.Data, o);
    ASSERT_TRUE(ValidateBarcodeData(o, prepared, false));
    EXPECT_EQ(EncodeBarcode(prepared, o), c.Pattern);
    EXPECT_EQ(BarcodeHumanReadable(prepared, o), c.Text);
}

INSTANTIATE_TEST_SUITE_P(Code39, Code39Cases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TCode39Case>& info) { return info.param.Name; });

TEST(Code39, TextFlagsAreIndependent) {
    TBarcodeOptions o = BarcodeOptions(bcCode39);
    o.CheckDigit = true;
    EXPECT_EQ(BarcodeHumanReadable("ABC", o), "ABC");
    o.ShowCheckDigit = true;
    EXPECT_EQ(BarcodeHumanReadable("ABC", o), "ABCX");
    o.CheckDigit = false; // nothing to show without the check digit
    EXPECT_EQ(BarcodeHumanReadable("ABC", o), "ABC");
}

TEST(Code39, WidthFollowsDensityAndRatio) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcCode39, 2);
    // Three characters of (6 + 3 x 3) x 2 + 2 = 32.
    EXPECT_EQ(BarcodeWidth("A", o), 96);
    o.CheckDigit = true; // A checks to A
    EXPECT_EQ(BarcodeWidth("A", o), 128);
    o.CheckDigit = false;
    o.Density = 5;
    o.WideToNarrow = 2.5f; // wide 12.5 rounds to 12
    EXPECT_EQ(BarcodeWidth("A", o), 3 * (6 * 5 + 3 * 12 + 5));
    o.Density = 3; // 7.5 rounds to 8
    EXPECT_EQ(BarcodeWidth("A", o), 3 * (6 * 3 + 3 * 8 + 3));
}

TEST(Code39, FirstBarOfACharacterFollowsABarAndIsNotAdjusted) {
    TBarcodeOptions o = BarcodeOptions(bcCode39, 1);
    o.WideToNarrow = 2.0f;
    const int32_t plain = BarcodeWidth("A", o); // 3 x (6 + 6 + 1)
    ASSERT_EQ(plain, 39);
    o.BarAdjust = 1;
    // 15 bars, of which the first bars of characters 2 and 3 follow the previous character's last bar.
    EXPECT_EQ(BarcodeWidth("A", o), plain + 13);
    o.BarAdjust = 0;
    o.SpaceAdjust = -1; // every space follows a bar
    EXPECT_EQ(BarcodeWidth("A", o), plain - 12);
}

} // namespace
} // namespace zp

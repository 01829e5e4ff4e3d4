// SPDX-License-Identifier: MIT
#include "barcode/EanUpc.h"

#include "BarcodeTestSupport.h"
#include "barcode/Barcode.h"
#include "barcode/BarcodeFamily.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

using test::BarcodeOptions;

// Digit patterns of the EAN/UPC number sets, and the guards, named for the cases.
const char* const kA[] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                          "0110001", "0101111", "0111011", "0110111", "0001011"};
const char* const kB[] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                          "0111001", "0000101", "0010001", "0001001", "0010111"};
const char* const kC[] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                          "1001110", "1010000", "1000100", "1001000", "1110100"};
const std::string kGuard = "101";
const std::string kCentre = "01010";
const std::string kUpcEEnd = "010101";
const std::string kSupStart = "1011";
const std::string kSupSep = "01";

/// Digits in the given sets, e.g. Digits("425261", "BABBAA").
std::string Digits(std::string_view digits, std::string_view sets) {
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        const int d = digits[i] - '0';
        const char set = sets.size() == 1 ? sets[0] : sets[i];
        out += set == 'A' ? kA[d] : set == 'B' ? kB[d] : kC[d];
    }
    return out;
}

std::string Supplement(std::string_view digits, std::string_view sets) {
    std::string out = kSupStart;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0)
            out += kSupSep;
        out += Digits(digits.substr(i, 1), sets.substr(i, 1));
    }
    return out;
}

struct TEanCase {
    const char* Name;
    uint8_t Symbology;
    std::string Data;
    char Check;
    std::string Pattern;
};

const TEanCase kCases[] = {
    {"UpcA", bcUPCA, "03600029145", '2',
     kGuard + Digits("036000", "A") + kCentre + Digits("291452", "C") + kGuard},
    // The typed check digit is dropped: the same symbol.
    {"UpcATypedCheck", bcUPCA, "036000291452", '2',
     kGuard + Digits("036000", "A") + kCentre + Digits("291452", "C") + kGuard},
    // 12 is the supplement (12 mod 4 = 0: AA), the typed 2 goes.
    {"UpcATypedCheckAndSupplement", bcUPCA, "03600029145212", '2',
     kGuard + Digits("036000", "A") + kCentre + Digits("291452", "C") + kGuard + Supplement("12", "AA")},
    // 425261 stands for 4210000526; check of 04210000526 is 4, sets BABBAA.
    {"UpcE0", bcUPCE0, "425261", '4', kGuard + Digits("425261", "BABBAA") + kUpcEEnd},
    // Check of 14210000526 is 1: row BBABAA with A and B exchanged.
    {"UpcE1SwapsTheSets", bcUPCE1, "425261", '1', kGuard + Digits("425261", "AABABB") + kUpcEEnd},
    {"Ean13", bcEAN13, "400638133393", '1',
     kGuard + Digits("006381", "ABAABB") + kCentre + Digits("333931", "C") + kGuard},
    {"Ean8", bcEAN8, "5512345", '7', kGuard + Digits("5512", "A") + kCentre + Digits("3457", "C") + kGuard},
    {"Ean8FiveDigitSupplement", bcEAN8, "551234500000", '7',
     kGuard + Digits("5512", "A") + kCentre + Digits("3457", "C") + kGuard + Supplement("00000", "BBAAA")},
    // Bookland is EAN 13 of 978 and the nine digits; a typed ISBN check goes.
    {"Bookland", bcBookland, "0306406152", '7',
     kGuard + Digits("780306", "ABBABA") + kCentre + Digits("406157", "C") + kGuard},
    // 3 x (5 + 2 + 9) + 9 x (1 + 9) = 138: check 8, sets ABAAB.
    {"BooklandFiveDigitSupplement", bcBookland, "03064061551299", '7',
     kGuard + Digits("780306", "ABBABA") + kCentre + Digits("406157", "C") + kGuard +
         Supplement("51299", "ABAAB")},
};

void PrintTo(const TEanCase& c, std::ostream* os) {
    *os << c.Name;
}

class EanCases : public testing::TestWithParam<TEanCase> {};

TEST_P(EanCases, CheckDigitAndPattern) {
    const TEanCase& c = GetParam();
    const TBarcodeOptions o = BarcodeOptions(c.Symbology);
    const std::string prepared = PrepareBarcodeData(c.Data, o);
    ASSERT_TRUE(ValidateBarcodeData(o, prepared, false));
    EXPECT_EQ(BarcodeFamily(c.Symbology).CheckCharacters(prepared, o), std::string(1, c.Check));
    EXPECT_EQ(EncodeBarcode(prepared, o), c.Pattern);
}

INSTANTIATE_TEST_SUITE_P(EanUpc, EanCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TEanCase>& info) { return info.param.Name; });

TEST(EanUpc, UpcEExpansionByTheSixthDigit) {
    EXPECT_EQ(ExpandUpcE("425261"), "4210000526");
    EXPECT_EQ(ExpandUpcE("123453"), "1230000045");
    EXPECT_EQ(ExpandUpcE("123454"), "1234000005");
    EXPECT_EQ(ExpandUpcE("123457"), "1234500007");
}

struct TTextCase {
    const char* Name;
    uint8_t Symbology;
    std::string Data;
    bool Descenders, ShowNumberSystem, ShowMfrProdSpace, ShowCheckDigit;
    const char* Text;
};

const TTextCase kTexts[] = {
    {"UpcAPlainAll", bcUPCA, "0360002914512", false, true, true, true, "0 36000 29145 2 12"},
    {"UpcAPlainBare", bcUPCA, "03600029145", false, false, false, false, "3600029145"},
    {"UpcADescenders", bcUPCA, "0360002914512", true, false, false, true,
     "036000291452"
     "12"},
    {"UpcADescendersNoCheck", bcUPCA, "03600029145", true, true, true, false, "03600029145"},
    {"UpcEPlain", bcUPCE0, "425261", false, true, false, true, "0 425261 4"},
    {"UpcE1Descenders", bcUPCE1, "42526112", true, false, false, true,
     "1425261"
     "1"
     "12"},
    {"Ean13Plain", bcEAN13, "40063813339312", false, false, false, false, "4006381333931 12"},
    {"Ean13Descenders", bcEAN13, "40063813339312", true, false, false, false, "400638133393112"},
    {"Ean8Plain", bcEAN8, "5512345", false, false, false, false, "55123457"},
    {"Bookland", bcBookland, "030640615", false, false, false, false, "9780306406157"},
};

void PrintTo(const TTextCase& c, std::ostream* os) {
    *os << c.Name;
}

class EanTextCases : public testing::TestWithParam<TTextCase> {};

TEST_P(EanTextCases, HumanReadable) {
    const TTextCase& c = GetParam();
    TBarcodeOptions o = BarcodeOptions(c.Symbology);
    o.Descenders = c.Descenders;
    o.ShowNumberSystem = c.ShowNumberSystem;
    o.ShowMfrProdSpace = c.ShowMfrProdSpace;
    o.ShowCheckDigit = c.ShowCheckDigit;
    EXPECT_EQ(BarcodeHumanReadable(PrepareBarcodeData(c.Data, o), o), c.Text);
}

INSTANTIATE_TEST_SUITE_P(EanUpc, EanTextCases, testing::ValuesIn(kTexts),
                         [](const testing::TestParamInfo<TTextCase>& info) { return info.param.Name; });

struct TIsbnCase {
    const char* Digits;
    const char* Line;
};

// One case per publisher range; check characters worked by hand.
class IsbnCases : public testing::TestWithParam<TIsbnCase> {};

TEST_P(IsbnCases, Hyphenation) {
    EXPECT_EQ(IsbnLine(GetParam().Digits), GetParam().Line);
}

INSTANTIATE_TEST_SUITE_P(
    EanUpc, IsbnCases,
    testing::Values(
        TIsbnCase{"030640615", "ISBN 0-306-40615-2"}, TIsbnCase{"019853453", "ISBN 0-19-853453-1"},
        TIsbnCase{"084930041", "ISBN 0-8493-0041-X"}, TIsbnCase{"088730866", "ISBN 0-88730-866-X"},
        TIsbnCase{"091290036", "ISBN 0-912900-36-9"}, TIsbnCase{"097522980", "ISBN 0-9752298-0-X"},
        TIsbnCase{"186197271", "ISBN 1-86197-271-7"}, TIsbnCase{"190231014", "ISBN 1-902310-14-4"},
        TIsbnCase{"199900000", "ISBN 1-9990000-0-5"}, TIsbnCase{"380200440", "ISBN 3-8-0200440-X"}),
    [](const testing::TestParamInfo<TIsbnCase>& info) { return std::string(info.param.Digits); });

struct TWidthCase {
    const char* Name;
    uint8_t Symbology;
    std::string Data;
    bool Descenders, ShowNumberSystem, ShowCheckDigit, ShowHumanReadable;
    int Modules; // at density 1: margins, bars and the supplement gap
};

const TWidthCase kWidths[] = {
    {"UpcA", bcUPCA, "03600029145", false, true, true, true, 95},
    {"UpcATwoDigitSupplement", bcUPCA, "0360002914512", false, false, false, false, 95 + 9 + 4 + 7 + 2 + 7},
    {"UpcANumberSystemMargin", bcUPCA, "03600029145", true, true, false, true, 9 + 95},
    // The check digit stands in the right margin.
    {"UpcACheckDigitMargin", bcUPCA, "03600029145", true, true, true, true, 9 + 95 + 9},
    {"UpcACheckDigitMarginNeedsText", bcUPCA, "03600029145", true, true, true, false, 9 + 95},
    {"UpcENoMarginsWithoutDescenders", bcUPCE0, "425261", false, true, true, true, 51},
    {"UpcECheckDigitMargin", bcUPCE0, "425261", true, false, true, true, 51 + 9},
    {"Ean13Descenders", bcEAN13, "400638133393", true, false, false, true, 7 + 95},
    {"Ean13DescendersSupplement", bcEAN13, "40063813339312345", true, false, false, true, 7 + 95 + 7 + 47},
    {"Ean13Plain", bcEAN13, "400638133393", false, true, false, true, 95},
    {"Ean8Supplement", bcEAN8, "551234512", true, false, false, true, 67 + 9 + 20},
    {"BooklandAlwaysHasItsMargin", bcBookland, "030640615", false, false, false, false, 7 + 95},
};

void PrintTo(const TWidthCase& c, std::ostream* os) {
    *os << c.Name;
}

class EanWidthCases : public testing::TestWithParam<TWidthCase> {};

TEST_P(EanWidthCases, MarginsAndGaps) {
    const TWidthCase& c = GetParam();
    TBarcodeOptions o = BarcodeOptions(c.Symbology, 3);
    o.Descenders = c.Descenders;
    o.ShowNumberSystem = c.ShowNumberSystem;
    o.ShowCheckDigit = c.ShowCheckDigit;
    o.ShowHumanReadable = c.ShowHumanReadable;
    EXPECT_EQ(BarcodeWidth(c.Data, o), 3 * c.Modules);
}

INSTANTIATE_TEST_SUITE_P(EanUpc, EanWidthCases, testing::ValuesIn(kWidths),
                         [](const testing::TestParamInfo<TWidthCase>& info) { return info.param.Name; });

} // namespace
} // namespace zp

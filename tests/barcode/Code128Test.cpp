// SPDX-License-Identifier: MIT
#include "barcode/Code128.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

using namespace code128;

std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (const int c : codes)
        s.push_back(static_cast<char>(c));
    return s;
}

struct ValuesCase {
    const char* name;
    std::string data;
    std::vector<uint8_t> values; // start .. check, stop
    const char* source;
};

const ValuesCase kValueCases[] = {
    {"Letters", "ABC", {kStartB, 33, 34, 35, 1, kStop}, "worked example: check (104+33+68+105) mod 103"},
    {"EvenDigits", "123456", {kStartC, 12, 34, 56, 44, kStop}, "digit pairs in set C"},
    {"OddDigits", "12345", {kStartC, 12, 34, kCodeA, 21, 57, kStop}, "lone last digit goes to set A"},
    {"LowerCaseWithFnc1", "abc\\F1", {kStartB, 65, 66, 67, kFnc1, 86, kStop}, "\\F1 is FNC1 in set B"},
    {"LoneDigitBeforeFnc1",
     "123\\F145",
     {kStartC, 12, kCodeB, 19, kFnc1, 20, 21, 81, kStop},
     "3 alone: its neighbour is not a digit, both of class B"},
    {"ControlFirst", Bytes({9, 'a'}), {kStartA, 73, kCodeB, 65, 56, kStop}, "control starts set A"},
    {"ThreeDigitsStayInB", "A123", {kStartB, 33, 17, 18, 19, 95, kStop}, "fewer than four digits stay in B"},
    {"FourDigitsAfterLetter", "A1234", {kStartB, 33, kCodeC, 12, 34, 95, kStop}, "four digits go to C"},
    {"EscapeNotAFunction", "\\F5", {kStartB, 60, 38, 21, 97, kStop}, "\\F5 stays three characters"},
    // 203 (SHIFT) codes only the next character in the other set; the set returns.
    {"ShiftOneCharacter",
     Bytes({9, 203, 'a', 10}),
     {kStartA, 73, kShift, 65, 74, 39, kStop},
     "SHIFT applies to the next character only"},
    {"ShiftFromSetC",
     Bytes({'1', '2', '3', '4', 203, 'a'}),
     {kStartC, 12, 34, kCodeA, kShift, 65, 72, kStop},
     "set C has no SHIFT: CODE A first"},
    {"ShiftAtTheEndIsLeftOut", Bytes({9, 203}), {kStartA, 73, 73, kStop}, "nothing to shift"},
    // 203..206 follow their own rows wherever the set has one.
    {"CodeBCharacterInSetA",
     Bytes({9, 205, 'a'}),
     {kStartA, 73, kCodeB, 65, 56, kStop},
     "205 in set A is CODE B alone, not CODE B + FNC4"},
    {"CodeACharacterInSetB",
     Bytes({'a', 206, 9}),
     {kStartB, 65, kCodeA, 73, 75, kStop},
     "206 in set B is CODE A alone, not CODE A + FNC4"},
    {"CodeCCharacterInSetB",
     Bytes({'a', 204, '1', '2'}),
     {kStartB, 65, kCodeC, 12, 94, kStop},
     "204 row in B"},
    {"Fnc4CharacterInSetB", Bytes({'a', 205, 'b'}), {kStartB, 65, kCodeB, 66, 52, kStop}, "205 in B: FNC4"},
    {"HighCharactersLeftOut",
     Bytes({'A', 200, 'B', 255}),
     {kStartB, 33, 34, 102, kStop},
     "no value in any set"},
    // With no value after the start the check is the start value reduced, not the start again.
    {"OnlyShiftChecksToZero", Bytes({203}), {kStartA, 0, kStop}, "start A 103 mod 103"},
    {"NothingEncodableChecksToZero", Bytes({200, 255}), {kStartA, 0, kStop}, "start A 103 mod 103"},
};

class Code128ValuesTest : public ::testing::TestWithParam<ValuesCase> {};

TEST_P(Code128ValuesTest, SelectsCodeSetsAndCheckValue) {
    EXPECT_EQ(Values(GetParam().data), GetParam().values) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(Code128, Code128ValuesTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Code128Test, PatternIsTheValuesModules) {
    const std::string startB = "11010010000";
    const std::string a = "10100011000", b = "10001011000", c = "10001000110";
    const std::string check1 = "11001101100";
    const std::string stop = "1100011101011";
    EXPECT_EQ(EncodeCode128("ABC"), startB + a + b + c + check1 + stop);
    // Every value pattern has three bars and three spaces (the stop four bars).
    for (int v = 0; v <= kStop; ++v) {
        const std::string_view p = ValuePattern(v);
        int runs = 1;
        for (size_t k = 1; k < p.size(); ++k)
            runs += p[k] != p[k - 1];
        EXPECT_EQ(runs, v == kStop ? 7 : 6) << v;
        EXPECT_EQ(p.front(), '1');
        EXPECT_EQ(p.back(), v == kStop ? '1' : '0');
    }
    EXPECT_TRUE(ValuePattern(107).empty());
}

TEST(Code128Test, HumanReadableDropsFunctionEscapesAndControls) {
    EXPECT_EQ(HumanReadable("ab\\F1c\\F4d\\F5"), "abcd\\F5");
    EXPECT_EQ(HumanReadable(Bytes({'a', 9, 'b'})), "ab");
}

struct UccCase {
    const char* name;
    std::string data;
    bool checkDigit;
    std::vector<uint8_t> values;
    const char* text;
    const char* formatted;
};

const UccCase kUccCases[] = {
    {"NineteenWithCheck",
     "0000012345555555555",
     true,
     {kStartC, kFnc1, 0, 0, 1, 23, 45, 55, 55, 55, 55, 58, 14, kStop},
     "00000123455555555558",
     "(00) 0 0012345 555555555 8"},
    {"TwentyWithout",
     "00000123455555555558",
     false,
     {kStartC, kFnc1, 0, 0, 1, 23, 45, 55, 55, 55, 55, 58, 14, kStop},
     "00000123455555555558",
     "(00) 0 0012345 555555555 8"},
    // An 8-digit datum begins with two FNC1 (kept as the stored symbols have it).
    {"EightDigits",
     "12345678",
     false,
     {kStartC, kFnc1, kFnc1, 12, 34, 56, 78, 95, kStop},
     "12345678",
     "(123) 45678"},
    {"EightDigitsWithCheck",
     "12345678",
     true,
     {kStartC, kFnc1, kFnc1, 12, 34, 56, 78, kCodeA, 20, 35, kStop},
     "123456784",
     "(123) 45678"},
};

class Ucc128Test : public ::testing::TestWithParam<UccCase> {};

TEST_P(Ucc128Test, ValuesAndTexts) {
    const UccCase& c = GetParam();
    EXPECT_EQ(Values(UccSymbolData(c.data, c.checkDigit)), c.values);
    EXPECT_EQ(UccHumanReadable(c.data, c.checkDigit, false), c.text);
    EXPECT_EQ(UccHumanReadable(c.data, c.checkDigit, true), c.formatted);
}

INSTANTIATE_TEST_SUITE_P(Code128, Ucc128Test, ::testing::ValuesIn(kUccCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Code128Test, Validation) {
    EXPECT_EQ(ValidateCode128(std::string(60, 'a')), nullptr);
    EXPECT_STREQ(ValidateCode128(std::string(61, 'a')), "Data must be 60 characters or less");
    const char* ucc =
        "UCC Code 128 bar codes must be 8,19 (if Zentaprint supplies check digit) or 20 characters "
        "long (if user supplies check digit)";
    EXPECT_EQ(ValidateUcc128("12345678", false), nullptr);
    EXPECT_EQ(ValidateUcc128(std::string(19, '1'), true), nullptr);
    EXPECT_EQ(ValidateUcc128(std::string(20, '1'), false), nullptr);
    EXPECT_STREQ(ValidateUcc128(std::string(19, '1'), false), ucc);
    EXPECT_STREQ(ValidateUcc128(std::string(20, '1'), true), ucc);
    EXPECT_STREQ(ValidateUcc128("1234567", true), ucc);
}

// Any bytes, even those that fail validation, encode without faults and end
// with a stop pattern.
TEST(Code128Test, AnyBytesEncode) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    for (const std::string& data : {all, all + all + "\\F", std::string(65536, static_cast<char>(203)),
                                    std::string(65536, '7'), std::string("\\F")}) {
        const std::string pattern = EncodeCode128(data);
        ASSERT_GE(pattern.size(), 35u);
        EXPECT_EQ(pattern.substr(pattern.size() - 13), "1100011101011");
        (void)UccHumanReadable(data.substr(0, 30), true, true);
    }
}

} // namespace
} // namespace zp

// SPDX-License-Identifier: MIT
#include "barcode/Code93.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

using namespace code93;

struct TranslationCase {
    const char* name;
    std::string data;
    std::vector<uint8_t> values; // data values without the check values
};

std::vector<uint8_t> Pair(int shift, char letter) {
    return {static_cast<uint8_t>(shift), static_cast<uint8_t>(10 + letter - 'A')};
}

const TranslationCase kTranslations[] = {
    {"Plain", "TEST93", {29, 14, 28, 29, 9, 3}},
    {"OwnValues", "-. $/+%", {36, 37, 38, 39, 40, 41, 42}},
    {"Nul", std::string(1, '\0'), Pair(kShiftPercent, 'U')},
    {"ControlA", "\x01", Pair(kShiftDollar, 'A')},
    {"ControlZ", "\x1a", Pair(kShiftDollar, 'Z')},
    {"Escape", "\x1b", Pair(kShiftPercent, 'A')},
    {"Exclamation", "!", Pair(kShiftSlash, 'A')},
    {"Ampersand", "&", Pair(kShiftSlash, 'F')},
    {"Asterisk", "*", Pair(kShiftSlash, 'J')},
    {"Comma", ",", Pair(kShiftSlash, 'L')},
    {"Colon", ":", Pair(kShiftSlash, 'Z')},
    {"Semicolon", ";", Pair(kShiftPercent, 'F')},
    {"Question", "?", Pair(kShiftPercent, 'J')},
    {"At", "@", Pair(kShiftPercent, 'V')},
    {"Bracket", "[", Pair(kShiftPercent, 'K')},
    {"Underscore", "_", Pair(kShiftPercent, 'O')},
    {"Grave", "`", Pair(kShiftPercent, 'W')},
    {"LowerA", "a", Pair(kShiftPlus, 'A')},
    {"Brace", "{", Pair(kShiftPercent, 'P')},
    {"Delete", "\x7f", Pair(kShiftPercent, 'T')},
    {"HighDropped",
     "A\xc4\xff"
     "B",
     {10, 11}},
};

class Code93TranslationTest : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(Code93TranslationTest, FullAsciiValues) {
    EXPECT_EQ(DataValues(GetParam().data), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(Code93, Code93TranslationTest, ::testing::ValuesIn(kTranslations),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Code93Test, CheckValuesOfTheWorkedExample) {
    std::vector<uint8_t> values = DataValues("TEST93");
    AppendCheckValues(values);
    EXPECT_EQ(values, (std::vector<uint8_t>{29, 14, 28, 29, 9, 3, 41, 6})); // "+" and "6"
}

// Long data wraps the weights: C at 20, K at 15.
TEST(Code93Test, CheckWeightsWrap) {
    std::vector<uint8_t> values(21, 1);
    AppendCheckValues(values);
    const int c = (210 + 1) % 47; // weights 1..20, then 1
    const int k =
        (c + (2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11 + 12 + 13 + 14 + 15) + (1 + 2 + 3 + 4 + 5 + 6 + 7)) %
        47;
    EXPECT_EQ(values[21], c);
    EXPECT_EQ(values[22], k);
}

TEST(Code93Test, PatternFramesValuesWithStartStopAndTerminationBar) {
    const std::string start = "101011110", stopAndBar = "1010111101";
    const std::string t = "110100110", e = "110010010", s = "110101100", nine = "100001010",
                      three = "101000010";
    const std::string checkC = "101110110", checkK = "100100010";
    EXPECT_EQ(EncodeCode93("TEST93"), start + t + e + s + t + nine + three + checkC + checkK + stopAndBar);
    for (int v = 0; v <= kStartStop; ++v)
        EXPECT_EQ(ValuePattern(v).size(), 9u) << v;
}

TEST(Code93Test, TextAndValidation) {
    EXPECT_EQ(HumanReadable("ab\x09"
                            "c"),
              "abc");
    EXPECT_EQ(ValidateCode93(std::string(60, '\x7f')), nullptr);
    EXPECT_STREQ(ValidateCode93("A\xff"),
                 "Code 93 bar codes can only include ASCII characters (codes 0 to 127)");
    EXPECT_STREQ(ValidateCode93(std::string(61, 'A')), "Data must be 60 characters or less");
    EXPECT_EQ(EncodeCode93(std::string(65536, 'z')).size(), (65536 * 2 + 4) * 9 + 1);
}

} // namespace
} // namespace zp

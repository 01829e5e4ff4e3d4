// SPDX-License-Identifier: MIT
#include "barcode/Postal.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

TEST(PostalTest, PostnetFramesDigitsAndCheckDigit) {
    const std::string frame = "1";
    const std::string d1 = "00011", d2 = "00101", d3 = "00110", d4 = "01001", d5 = "01010", d6 = "01100",
                      d7 = "10001", d8 = "10010", d9 = "10100";
    EXPECT_EQ(postal::PostnetCheckDigit("12345-6789"), '5'); // 45 → 5
    EXPECT_EQ(EncodePostnet("12345-6789"), frame + d1 + d2 + d3 + d4 + d5 + d6 + d7 + d8 + d9 + d5 + frame);
    EXPECT_EQ(EncodePostnet("a0b0c0d0e0"), frame +
                                               "11000"
                                               "11000"
                                               "11000"
                                               "11000"
                                               "11000"
                                               "11000" +
                                               frame);
}

struct PostnetValidation {
    const char* name;
    const char* data;
    bool valid;
};

const PostnetValidation kPostnet[] = {
    {"Five", "12345", true},      {"Nine", "12345-6789", true}, {"Eleven", "12345678901", true},
    {"Four", "1234", false},      {"Ten", "1234567890", false}, {"LettersIgnored", "x1y2z3w4v5", true},
    {"NoDigits", "abcde", false},
};

class PostnetValidationTest : public ::testing::TestWithParam<PostnetValidation> {};

TEST_P(PostnetValidationTest, CountsDigitsOnly) {
    const char* message = ValidatePostnet(GetParam().data);
    if (GetParam().valid)
        EXPECT_EQ(message, nullptr);
    else
        EXPECT_STREQ(message, "Postnet bar codes must be 5, 9 or 11 digits long");
}

INSTANTIATE_TEST_SUITE_P(Postnet, PostnetValidationTest, ::testing::ValuesIn(kPostnet),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PostalTest, FimPositions) {
    EXPECT_EQ(EncodeFim("A"), "110010011");
    EXPECT_EQ(EncodeFim("B"), "101101101");
    EXPECT_EQ(EncodeFim("C"), "110101011");
    EXPECT_EQ(EncodeFim("D"), "111010111");
    const char* message = "FIM bar codes must be one character long (A,B,C,D)";
    EXPECT_EQ(ValidateFim("D"), nullptr);
    for (const char* bad : {"b", "E", "AB", ""})
        EXPECT_STREQ(ValidateFim(bad), message) << bad;
    EXPECT_TRUE(EncodeFim("b").empty());
}

} // namespace
} // namespace zp

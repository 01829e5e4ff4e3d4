// SPDX-License-Identifier: MIT
#include "barcode/Codabar.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

const std::string kA = "0011010", kB = "0101001", kC = "0001011", kD = "0001110";
const std::string kOne = "0000110", kDash = "0001100", kDollar = "0011000", kPlus = "0010101";

TEST(CodabarTest, FramesWithTheChosenStartAndStop) {
    EXPECT_EQ(EncodeCodabar("1", 0, 1), kA + kOne + kB);
    EXPECT_EQ(EncodeCodabar("-$+", 2, 3), kC + kDash + kDollar + kPlus + kD);
    EXPECT_EQ(EncodeCodabar("1", 9, 200), kA + kOne + kA); // out-of-range options frame with A
}

TEST(CodabarTest, TextShowsStartStopOnRequest) {
    EXPECT_EQ(codabar::HumanReadable("12", 1, 2, false), "12");
    EXPECT_EQ(codabar::HumanReadable("12", 1, 2, true), "B12C");
}

TEST(CodabarTest, ClsiCheckDigitAndGroupedText) {
    EXPECT_EQ(codabar::ClsiCheckDigit("1234567890123"), '7'); // weighted sum 53
    EXPECT_EQ(EncodeCodabarClsi("1234567890123", 0, 0), EncodeCodabar("12345678901237", 0, 0));
    EXPECT_EQ(codabar::ClsiHumanReadable("1234567890123", 0, 0, false), "1 2345 67890 123");
    EXPECT_EQ(codabar::ClsiHumanReadable("1234567890123", 0, 1, true), "A 1234 56789 0123B");
    EXPECT_EQ(codabar::ClsiHumanReadable("12", 0, 0, false), "1 2  ");
}

struct ValidationCase {
    const char* name;
    std::string data;
    bool clsi;
    const char* message; // nullptr: valid
};

const ValidationCase kValidation[] = {
    {"AllDataCharacters", "0123456789-$:/.+", false, nullptr},
    {"Sixty", std::string(60, '1'), false, nullptr},
    {"TooLongBeforeBadCharacters", std::string(61, 'x'), false, "Data must be 60 characters or less"},
    {"FrameCharacterInData", "1A2", false,
     "Codabar codes can only include numbers or the following: \"-$:/.+\""},
    {"Space", "1 2", false, "Codabar codes can only include numbers or the following: \"-$:/.+\""},
    {"ClsiThirteen", "1234567890123", true, nullptr},
    {"ClsiTwelve", "123456789012", true, "Codabar CLSI codes must be 13 characters long"},
};

class CodabarValidationTest : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(CodabarValidationTest, Message) {
    const ValidationCase& c = GetParam();
    const char* message = c.clsi ? ValidateCodabarClsi(c.data) : ValidateCodabar(c.data);
    if (c.message == nullptr)
        EXPECT_EQ(message, nullptr);
    else
        EXPECT_STREQ(message, c.message);
}

INSTANTIATE_TEST_SUITE_P(Codabar, CodabarValidationTest, ::testing::ValuesIn(kValidation),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zp

// SPDX-License-Identifier: MIT
#include "barcode/Code11.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

struct CheckCase {
    const char* name;
    const char* data;
    const char* checks; // C and K
    const char* source;
};

const CheckCase kChecks[] = {
    {"WorkedExample", "123-45", "52", "C: 71 mod 11 = 5; K over 123-455"},
    {"TenIsDash", "-", "-8", "C = 10 is written -; K = 10 + 2·10 = 30 mod 11"},
    {"WeightsWrap", "11111111111", "17", "C: weights 1..10, 1: 56 mod 11; K: 1..9, 1..3: 51 mod 11"},
};

class Code11CheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Code11CheckTest, CheckCharacters) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(code11::CheckCharacters(c.data, true), c.checks) << c.source;
    EXPECT_EQ(code11::CheckCharacters(c.data, false), std::string(1, c.checks[0]));
}

INSTANTIATE_TEST_SUITE_P(Code11, Code11CheckTest, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Code11Test, PatternFramesCharactersAndChecks) {
    const std::string startStop = "00110", one = "10001", dash = "00100", eight = "10010";
    EXPECT_EQ(EncodeCode11("1", false), startStop + one + one + startStop); // C of 1 is 1
    EXPECT_EQ(EncodeCode11("-", true), startStop + dash + dash + eight + startStop);
}

TEST(Code11Test, TextShowsChecksOnRequest) {
    EXPECT_EQ(code11::HumanReadable("123-45", true, false, false), "123-45");
    EXPECT_EQ(code11::HumanReadable("123-45", true, true, false), "123-455");
    EXPECT_EQ(code11::HumanReadable("123-45", true, true, true), "123-4552");
    EXPECT_EQ(code11::HumanReadable("123-45", true, false, true), "123-452");
    // Without a second check character in the symbol there is no K to print.
    EXPECT_EQ(code11::HumanReadable("123-45", false, true, true), "123-455");
}

TEST(Code11Test, Validation) {
    EXPECT_EQ(ValidateCode11("0123456789-"), nullptr);
    EXPECT_STREQ(ValidateCode11(std::string(61, 'x')), "Data must be 60 characters or less");
    EXPECT_STREQ(ValidateCode11("12a"), "Code 11 bar codes can only include numbers or the dash symbol(-)");
}

} // namespace
} // namespace zp

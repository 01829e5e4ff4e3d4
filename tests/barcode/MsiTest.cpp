// SPDX-License-Identifier: MIT
#include "barcode/Msi.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

struct CheckCase {
    const char* name;
    const char* data;
    bool checkDigit;
    bool firstMod11;
    const char* checks;
    const char* source;
};

const CheckCase kChecks[] = {
    {"OneMod10", "1234", false, false, "4", "42 doubled 84, 8 + 4 + 3 + 1 = 16"},
    {"Mod10Mod10", "1234", true, false, "48", "second over 12344"},
    {"Mod11Mod10", "1234", true, true, "30", "4·2 + 3·3 + 2·4 + 1·5 = 30, 30 mod 11 = 8, 11 − 8"},
    {"Mod11GivesX", "006", true, true, "X2", "6·2 mod 11 = 1: X, which counts 10 in the second"},
    {"Mod11Zero", "109", true, true, "00", "9·2 + 1·4 = 22, remainder 0"},
    {"FifteenDigits", "999999999999999", false, false, "5", "99999999 doubled: digit sum 72, plus 63"},
};

class MsiCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(MsiCheckTest, CheckCharacters) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(msi::CheckCharacters(c.data, c.checkDigit, c.firstMod11), c.checks) << c.source;
}

INSTANTIATE_TEST_SUITE_P(Msi, MsiCheckTest, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MsiTest, BitPatternFramesFourBitsPerCharacter) {
    EXPECT_EQ(EncodeMsi("1234", false, false), "1"
                                               "0001"
                                               "0010"
                                               "0011"
                                               "0100"
                                               "0100"
                                               "00");
    EXPECT_EQ(msi::BitPattern("9X"), "1"
                                     "1001"
                                     "1010"
                                     "00");
}

TEST(MsiTest, TextShowsTheCheckCharactersAsAsked) {
    EXPECT_EQ(msi::HumanReadable("1234", false, false, false, true), "1234");
    EXPECT_EQ(msi::HumanReadable("1234", false, false, true, true), "12344"); // one check: that one
    EXPECT_EQ(msi::HumanReadable("1234", true, false, true, false), "12344");
    EXPECT_EQ(msi::HumanReadable("1234", true, false, true, true), "123448");
    EXPECT_EQ(msi::HumanReadable("1234", true, false, false, true), "1234");
}

TEST(MsiTest, IsbnCheckCharacters) {
    EXPECT_EQ(msi::IsbnCheckCharacters("030640615"), "26"); // ISBN check 2, rising mod 11: 159 → 6
    EXPECT_EQ(msi::IsbnCheckCharacters("080442957"), "X6"); // ISBN check X counts 10
    EXPECT_EQ(EncodeMsiIsbn("030640615"), msi::BitPattern("03064061526"));
    EXPECT_EQ(msi::IsbnHumanReadable("030640615", true), "03064061526");
    EXPECT_EQ(msi::IsbnHumanReadable("030640615", false), "030640615");
}

TEST(MsiTest, Validation) {
    EXPECT_STREQ(ValidateMsi("12"), "MSI/Plessey bar codes must be 3-15 digits long");
    EXPECT_EQ(ValidateMsi("123"), nullptr);
    EXPECT_EQ(ValidateMsi(std::string(15, '1')), nullptr);
    EXPECT_STREQ(ValidateMsi(std::string(16, '1')), "MSI/Plessey bar codes must be 3-15 digits long");
    EXPECT_EQ(ValidateMsiIsbn("123456789"), nullptr);
    EXPECT_STREQ(ValidateMsiIsbn("1234567890"), "MSI/Plessey ISBN bar codes must be 9 digits long");
}

TEST(MsiTest, LongJunkEncodes) {
    const std::string junk(65536, 'X');
    EXPECT_EQ(EncodeMsi(junk, true, true).size(), 1 + (65536 + 2) * 4 + 2);
}

} // namespace
} // namespace zp

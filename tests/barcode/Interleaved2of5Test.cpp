// SPDX-License-Identifier: MIT
#include "barcode/Interleaved2of5.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

struct I25Case {
    const char* name;
    const char* data;
    bool checkDigit;
    uint8_t method;
    const char* symbolDigits;
    const char* text; // with ShowCheckDigit
    const char* source;
};

const I25Case kCases[] = {
    {"EvenNoCheck", "1234", false, 0, "1234", "1234", "no leading zero"},
    {"OddNoCheck", "12345", false, 0, "012345", "012345", "padded in front, shown"},
    {"UssOdd", "123", true, 0, "1236", "1236", "0123 weighted 1 3 1 3: 14, check 6"},
    {"UssEven", "1234", true, 0, "012348", "012348", "weights 3 1 3 1 from the right: 22, check 8"},
    {"OpccOdd", "123", true, 1, "1230", "1230", "2·3 + 2 + 2·1 = 10, check 0"},
    {"OpccBigProducts", "99", true, 1, "0992", "0992", "2·9 counts 9, plus 9: 18, check 2"},
    {"OtherMethod", "123", true, 7, "1230", "1230", "any other method: 0"},
};

class I25Test : public ::testing::TestWithParam<I25Case> {};

TEST_P(I25Test, CheckDigitPaddingAndText) {
    const I25Case& c = GetParam();
    EXPECT_EQ(i25::SymbolDigits(c.data, c.checkDigit, c.method), c.symbolDigits) << c.source;
    EXPECT_EQ(i25::HumanReadable(c.data, c.checkDigit, true, c.method), c.text);
}

INSTANTIATE_TEST_SUITE_P(Interleaved2of5, I25Test, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Interleaved2of5Test, TextWithoutShownCheckDigit) {
    EXPECT_EQ(i25::HumanReadable("123", true, false, 0), "123");    // 1236: even, no zero
    EXPECT_EQ(i25::HumanReadable("1234", true, false, 0), "01234"); // 12348 padded
    EXPECT_EQ(i25::HumanReadable("1234", false, true, 0), "1234");  // no check digit to show
}

TEST(Interleaved2of5Test, PairsInterleaveBarsAndSpaces) {
    const std::string start = "0000", stop = "100";
    const std::string pair12 = "1001000011"; // 1 = 10001 (bars), 2 = 01001 (spaces)
    const std::string pair34 = "1010010001"; // 3 = 11000, 4 = 00101
    const std::string pair01 = "0100101001"; // 0 = 00110, 1 = 10001
    EXPECT_EQ(EncodeInterleaved2of5("1234", false, 0), start + pair12 + pair34 + stop);
    EXPECT_EQ(EncodeInterleaved2of5("1", true, 0), start + "1000000111" + stop); // check of "1": 7
    EXPECT_EQ(i25::PatternOfDigits("01"), start + pair01 + stop);
}

TEST(Interleaved2of5Test, Itf14) {
    EXPECT_EQ(EncodeItf14("1234567890123"), i25::PatternOfDigits("12345678901231"));
    EXPECT_EQ(i25::Itf14HumanReadable("1234567890123", true), "1 23 45678 90123 1");
    EXPECT_EQ(i25::Itf14HumanReadable("1234567890123", false), "1 23 45678 90123 ");
    EXPECT_EQ(i25::Itf14HumanReadable("12", true), "1 23   "); // short data never reads past its end
}

TEST(Interleaved2of5Test, Validation) {
    EXPECT_EQ(ValidateInterleaved2of5(std::string(60, '1')), nullptr);
    EXPECT_STREQ(ValidateInterleaved2of5(std::string(61, '1')), "Data must be 60 characters or less");
    EXPECT_EQ(ValidateItf14("1234567890123"), nullptr);
    EXPECT_STREQ(ValidateItf14("123456789012"), "ITF14 bar codes must be 13 digits long");
    EXPECT_STREQ(ValidateItf14("12345678901234"), "ITF14 bar codes must be 13 digits long");
}

TEST(Interleaved2of5Test, NonDigitsEncodeWithoutFaults) {
    const std::string junk(65535, '\xfe');
    EXPECT_EQ(EncodeInterleaved2of5(junk, true, 1).size(), 4 + 65536 * 5 + 3);
}

} // namespace
} // namespace zp

// SPDX-License-Identifier: MIT
// MSI/Plessey, Code 11, Postnet and FIM have no reader on this machine: their
// drawn bars are compared pixel by pixel with what their patterns say.
#include "BarcodeTestSupport.h"
#include "barcode/Code11.h"
#include "barcode/Msi.h"
#include "barcode/Postal.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

using test::BarcodeOptions;
using test::DrawToImage;
using test::ScanRow;
using test::TLabelDpiGuard;

constexpr int kLeft = 10;
constexpr int kTop = 10;

std::string Repeat(char c, int width) {
    return std::string(static_cast<size_t>(width), c);
}

// What an MSI/Plessey bit pattern draws: a wide bar and narrow space for "1",
// the reverse for "0".
std::string MsiPixels(std::string_view bits, int narrow, int wide) {
    std::string out;
    for (const char b : bits)
        out += b == '1' ? Repeat('1', wide) + Repeat('0', narrow) : Repeat('1', narrow) + Repeat('0', wide);
    return out;
}

// What a gapped element pattern draws: alternating bar and space from each
// character's first element, and a narrow gap after each character.
std::string GappedPixels(std::string_view elements, int perCharacter, int narrow, int wide) {
    std::string out;
    for (size_t i = 0; i < elements.size(); ++i) {
        const int position = static_cast<int>(i % perCharacter);
        out += Repeat(position % 2 == 0 ? '1' : '0', elements[i] == '1' ? wide : narrow);
        if (position == perCharacter - 1)
            out += Repeat('0', narrow);
    }
    return out;
}

TEST(UnreadSymbologyDrawTest, MsiBitsAreBarsWithTheirSpaces) {
    TLabelDpiGuard dpi(300);
    for (const int density : {1, 2}) {
        TBarcodeOptions o = BarcodeOptions(bcMSI, density);
        o.CheckDigit = true;
        o.FirstCheckMod11 = true;
        const std::string bits = EncodeMsi("1234", true, true);
        const std::string expected = MsiPixels(bits, density, 3 * density);
        EXPECT_EQ(BarcodeWidth("1234", o), static_cast<int>(expected.size()));
        TRect r{kLeft, kTop, kLeft + 10, kTop + 10};
        const QImage image = DrawToImage("1234", r, o, 0, 800, 100);
        EXPECT_EQ(ScanRow(image, kTop + 20, kLeft, kLeft + static_cast<int>(expected.size()) + 2),
                  expected + "00");
    }
}

TEST(UnreadSymbologyDrawTest, Code11CharactersAreFollowedByGaps) {
    TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcCode11, 5);
    o.WideToNarrow = 2.5f; // 12.5 rounds to even: 12
    o.CheckDigit = true;
    const std::string elements = EncodeCode11("123-45", true);
    ASSERT_EQ(elements.size(), 10u * 5u);
    const std::string expected = GappedPixels(elements, 5, 5, 12);
    EXPECT_EQ(BarcodeWidth("123-45", o), static_cast<int>(expected.size()));
    TRect r{kLeft, kTop, kLeft + 10, kTop + 10};
    const QImage image = DrawToImage("123-45", r, o, 0, 800, 100);
    EXPECT_EQ(ScanRow(image, kTop + 20, kLeft, kLeft + static_cast<int>(expected.size())), expected);
}

// Postnet at 300 dpi: bars 7 wide at a pitch of 14, tall bars 38 high, short
// bars the lower 19 of them.
TEST(UnreadSymbologyDrawTest, PostnetTallAndShortBars) {
    TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcPostnet, 5);
    o.Height = 200; // not used by Postnet
    const std::string heights = EncodePostnet("12345");
    std::string all, tallOnly;
    for (const char h : heights) {
        all += Repeat('1', 7) + Repeat('0', 7);
        tallOnly += Repeat(h, 7) + Repeat('0', 7);
    }
    EXPECT_EQ(BarcodeWidth("12345", o), static_cast<int>(all.size()));
    TRect r{kLeft, kTop, kLeft + 10, kTop + 10};
    const QImage image = DrawToImage("12345", r, o, 0, 600, 300);
    const int end = kLeft + static_cast<int>(all.size());
    EXPECT_EQ(ScanRow(image, kTop, kLeft, end), tallOnly);
    EXPECT_EQ(ScanRow(image, kTop + 18, kLeft, end), tallOnly);
    EXPECT_EQ(ScanRow(image, kTop + 19, kLeft, end), all);
    EXPECT_EQ(ScanRow(image, kTop + 37, kLeft, end), all);
    EXPECT_EQ(ScanRow(image, kTop + 38, kLeft, end), Repeat('0', static_cast<int>(all.size())));
    EXPECT_EQ(r.Bottom, kTop + 38);
}

// FIM at 300 dpi: nine positions 9 wide at a pitch of 18, bars 188 high.
TEST(UnreadSymbologyDrawTest, FimPositions) {
    TLabelDpiGuard dpi(300);
    const TBarcodeOptions o = BarcodeOptions(bcFIM, 3);
    for (const char* data : {"A", "B", "C", "D"}) {
        std::string expected;
        for (const char p : EncodeFim(data))
            expected += Repeat(p, 9) + Repeat('0', 9);
        EXPECT_EQ(BarcodeWidth(data, o), 162);
        TRect r{kLeft, kTop, kLeft + 10, kTop + 10};
        const QImage image = DrawToImage(data, r, o, 0, 300, 300);
        EXPECT_EQ(ScanRow(image, kTop + 187, kLeft, kLeft + 162), expected) << data;
        EXPECT_EQ(ScanRow(image, kTop + 188, kLeft, kLeft + 162), Repeat('0', 162)) << data;
    }
}

} // namespace
} // namespace zp

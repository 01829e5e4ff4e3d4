// SPDX-License-Identifier: MIT
// Any 8-bit data and any option values: no crash, no hang, and invalid data
// always takes the placeholder's width.
#include "BarcodeTestSupport.h"
#include "barcode/Barcode.h"
#include "base/LabelDpi.h"

#include <QPainter>
#include <QPicture>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace zp {
namespace {

std::string RandomData(std::mt19937& rng, size_t length, bool digitsOnly) {
    std::string data(length, '\0');
    for (char& c : data)
        c = digitsOnly ? static_cast<char>('0' + rng() % 10) : static_cast<char>(rng() % 256);
    return data;
}

TBarcodeOptions RandomOptions(std::mt19937& rng, uint8_t symbology) {
    const int32_t extremes[] = {0,
                                -1,
                                1,
                                2,
                                3,
                                7,
                                -1000,
                                1 << 20,
                                std::numeric_limits<int32_t>::max(),
                                std::numeric_limits<int32_t>::min()};
    const float ratios[] = {0.0f,
                            2.0f,
                            2.5f,
                            3.0f,
                            -3.0f,
                            1e30f,
                            std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity()};
    auto pick = [&](const auto& values) { return values[rng() % std::size(values)]; };
    TBarcodeOptions o;
    o.Symbology = symbology;
    o.CheckDigit = rng() % 2;
    o.WideToNarrow = pick(ratios);
    o.GuardBars = rng() % 2;
    o.Density = rng() % 3 ? 1 + static_cast<int32_t>(rng() % 4) : pick(extremes);
    o.Height = rng() % 3 ? 40 : pick(extremes);
    o.HRSpacing = rng() % 3 ? 2 : pick(extremes);
    o.SpaceAdjust = rng() % 3 ? 0 : pick(extremes);
    o.BarAdjust = rng() % 3 ? 0 : pick(extremes);
    o.Preamble = rng() % 4 ? "" : "\\F1\\";
    o.Postamble = rng() % 4 ? "" : "\\999";
    o.I25CheckDigitType = static_cast<uint8_t>(rng());
    o.CodabarStart = static_cast<uint8_t>(rng());
    o.CodabarStop = static_cast<uint8_t>(rng());
    o.Descenders = rng() % 2;
    o.ShowNumberSystem = rng() % 2;
    o.ExtendSupplement = rng() % 2;
    o.ShowMfrProdSpace = rng() % 2;
    o.ShowISBN = rng() % 2;
    o.AppendGreaterThan = rng() % 2;
    o.FirstCheckMod11 = rng() % 2;
    o.UCCFormatting = rng() % 2;
    o.ShowHumanReadable = rng() % 2;
    o.HRPosition = static_cast<uint8_t>(rng() % 3);
    o.ShowStartStop = rng() % 2;
    o.ShowCheckDigit = rng() % 2;
    o.ShowCheckDigit2 = rng() % 2;
    o.FontSize = rng() % 4 ? 8 : pick(extremes);
    o.FontStyle = static_cast<uint8_t>(rng());
    o.FontAlignment = static_cast<uint8_t>(rng() % 4);
    return o;
}

void Exercise(const std::string& data, const TBarcodeOptions& o, int rotation) {
    const std::string prepared = PrepareBarcodeData(data, o);
    const bool valid = ValidateBarcodeData(o, prepared, false);
    const std::string pattern = EncodeBarcode(prepared, o);
    EXPECT_EQ(pattern.find_first_not_of("01"), std::string::npos);
    (void)BarcodeHumanReadable(prepared, o);
    const int32_t width = BarcodeWidth(data, o);
    if (!valid)
        EXPECT_EQ(width, 2 * LabelDPI());
    (void)FitBarcodeDensity(data, o, 1000);
    EXPECT_FALSE(std::isnan(BarcodeCharsPerInch(o)));
    EXPECT_FALSE(std::isnan(BarcodeMils(o)));
    QImage image = test::LabelImage(64, 64);
    QPainter painter(&image);
    TRect r{-5, 3, 40, 60};
    DrawBarcode(painter, data, r, o, rotation);
}

TEST(BarcodeRobustness, AnyDataAnyOptions) {
    test::TLabelDpiGuard dpi(300);
    std::mt19937 rng(20260);
    const size_t lengths[] = {0, 1, 2, 5, 6, 7, 8, 9, 11, 12, 13, 14, 17, 19, 20, 59, 60, 61, 300, 65536};
    for (int code = 0; code < 22; ++code) {
        for (size_t length : lengths) {
            for (bool digits : {false, true}) {
                const std::string data = RandomData(rng, length, digits);
                Exercise(data, RandomOptions(rng, static_cast<uint8_t>(code)),
                         static_cast<int>(rng() % 4) * 90);
            }
        }
    }
}

TEST(BarcodeRobustness, ValidDataWithExtremeOptions) {
    test::TLabelDpiGuard dpi(300);
    std::mt19937 rng(7);
    const char* data[] = {"ABC",      "hello",        "\\F1abc", "0000012345555",  "03600029145",
                          "42526112", "400638133393", "5512345", "03064061551299", "1234567890",
                          "123-45",   "12345",        "A",       "1234567890123"};
    for (int round = 0; round < 20; ++round)
        for (int code = 0; code < 20; ++code)
            for (const char* d : data)
                Exercise(d, RandomOptions(rng, static_cast<uint8_t>(code)), round * 45);
}

TEST(BarcodeRobustness, ExtremeRectangles) {
    test::TLabelDpiGuard dpi(300);
    constexpr int32_t lo = std::numeric_limits<int32_t>::min();
    constexpr int32_t hi = std::numeric_limits<int32_t>::max();
    const TRect rects[] = {{lo, lo, hi, hi}, {hi, hi, lo, lo}, {lo, 0, 0, hi}, {-5, 3, -5, 3}};
    const TBarcodeOptions o = test::BarcodeOptions(bcCode39, 2);
    for (const TRect& given : rects) {
        for (const char* data : {"ABC", "abc"}) {
            for (int rotation : {0, 90, 180, 270}) {
                QImage image = test::LabelImage(64, 64);
                QPainter painter(&image);
                TRect r = given;
                DrawBarcode(painter, data, r, o, rotation);
            }
        }
        QImage image = test::LabelImage(64, 64);
        QPainter painter(&image);
        DrawInvalidBarcode(painter, given);
    }
}

TEST(BarcodeRobustness, DrawsIntoAPicture) {
    test::TLabelDpiGuard dpi(300);
    QPicture picture;
    QPainter painter(&picture);
    TBarcodeOptions o = test::BarcodeOptions(bcBookland, 2);
    o.ShowHumanReadable = true;
    o.Descenders = true;
    o.ShowISBN = true;
    TRect r{0, 0, 1, 1};
    DrawBarcode(painter, "03064061551299", r, o, 90);
    painter.end();
    EXPECT_GT(picture.size(), 0u);
    EXPECT_GT(r.Height(), BarcodeWidth("03064061551299", o) - 1);
}

} // namespace
} // namespace zp

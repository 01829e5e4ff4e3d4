// SPDX-License-Identifier: MIT
#include "BarcodeTestSupport.h"
#include "barcode/Barcode.h"
#include "barcode/BarcodeCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

namespace zp {
namespace {

using test::BarcodeOptions;

/// The pixels an element pattern draws: narrow d, wide Round(d x ratio),
/// alternating bar and space, a narrow gap after every perChar elements.
std::string ElementPixels(std::string_view pattern, int d, int wide, int perChar) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t position = perChar ? i % perChar : i;
        out.append(pattern[i] == '1' ? wide : d, position % 2 == 0 ? '1' : '0');
        if (perChar && position == static_cast<size_t>(perChar) - 1)
            out.append(d, '0');
    }
    return out;
}

std::string Reversed(std::string s) {
    std::reverse(s.begin(), s.end());
    return s;
}

const std::string kCode39A = "010010100"
                             "100001001"
                             "010010100";

struct TRotationCase {
    int Rotation;
    TRect Given;
    TRect Drawn;
};

class RotationCases : public testing::TestWithParam<TRotationCase> {};

// Code 39 "A" at density 2, ratio 3: 96 wide, bars 40 high, no text.
TEST_P(RotationCases, FarEdgesMoveAndBarsAreExact) {
    test::TLabelDpiGuard dpi(300);
    const TRotationCase& c = GetParam();
    TBarcodeOptions o = BarcodeOptions(bcCode39, 2);
    o.Height = 40;
    TRect r = c.Given;
    const QImage image = test::DrawToImage("A", r, o, c.Rotation, 520, 420);
    EXPECT_EQ(r, c.Drawn);
    const std::string bars = ElementPixels(kCode39A, 2, 6, 9);
    switch (c.Rotation) {
    case 0:
        EXPECT_EQ(test::ScanRow(image, r.Top + 20, r.Left, r.Right), bars);
        break;
    case 90: // from the bottom upwards
        EXPECT_EQ(Reversed(test::ScanColumn(image, r.Left + 20, r.Top, r.Bottom)), bars);
        break;
    case 180: // from the right leftwards
        EXPECT_EQ(Reversed(test::ScanRow(image, r.Top + 20, r.Left, r.Right)), bars);
        break;
    default: // from the top downwards
        EXPECT_EQ(test::ScanColumn(image, r.Right - 20, r.Top, r.Bottom), bars);
        break;
    }
    // Nothing outside the rectangle.
    const QRect inside(r.Left, r.Top, r.Width(), r.Height());
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (!inside.contains(x, y))
                ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(BarcodeDraw, RotationCases,
                         testing::Values(TRotationCase{0, {10, 20, 11, 21}, {10, 20, 106, 60}},
                                         TRotationCase{90, {10, 20, 500, 400}, {10, 304, 50, 400}},
                                         TRotationCase{180, {10, 20, 500, 400}, {404, 20, 500, 60}},
                                         TRotationCase{270, {10, 20, 500, 400}, {10, 20, 50, 116}}),
                         [](const testing::TestParamInfo<TRotationCase>& info) {
                             return "Rotation" + std::to_string(info.param.Rotation);
                         });

TEST(BarcodeDraw, TextWiderThanTheBarsCentresTheBars) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcCode39, 1);
    o.ShowHumanReadable = true;
    o.FontSize = 40;
    o.HRSpacing = 3;
    const int32_t w = BarcodeWidth("1", o);
    TRect r{5, 5, 6, 6};
    const QImage image = test::DrawToImage("1", r, o, 0, 600, 300);
    const int32_t grown = r.Width() - w;
    ASSERT_GT(grown, 0);
    EXPECT_EQ(grown % 2, 0);
    const std::string row = test::ScanRow(image, r.Top + 10, r.Left, r.Right);
    EXPECT_EQ(row.find('1'), static_cast<size_t>(grown / 2));
    EXPECT_EQ(row.rfind('1'), static_cast<size_t>(grown / 2 + w - 2)); // the last gap is light
    const QFontMetrics metrics(BarcodeFont(QPainter(), o));
    EXPECT_EQ(r.Height(), o.Height + o.HRSpacing + metrics.height());
}

struct TCentringCase {
    const char* Name;
    uint8_t Symbology;
    const char* Data;
    int32_t Density;
    int32_t FontSize;
    bool Margin; // the text is wider than the symbol
};

class CentringCases : public testing::TestWithParam<TCentringCase> {};

// Text wider than the symbol widens the rectangle by twice the overhang and
// centres the bars, whether the text is shown or hidden (old labels rely on
// these bar positions), and for symbols that never draw text as well.
TEST_P(CentringCases, WiderTextCentresTheBarsShownOrHidden) {
    test::TLabelDpiGuard dpi(300);
    const TCentringCase& c = GetParam();
    TBarcodeOptions o = BarcodeOptions(c.Symbology, c.Density);
    o.FontSize = c.FontSize;
    const int32_t w = BarcodeWidth(c.Data, o);
    const QString text = StripUnprintable(BarcodeHumanReadable(PrepareBarcodeData(c.Data, o), o));
    const int tw = QFontMetrics(BarcodeFont(QPainter(), o)).horizontalAdvance(text);
    const int margin = tw > w ? (tw - w) / 2 : 0;
    ASSERT_EQ(margin > 0, c.Margin) << "text " << tw << ", symbol " << w;
    for (bool shown : {true, false}) {
        o.ShowHumanReadable = shown;
        TRect r{7, 3, 8, 4};
        const QImage image = test::DrawToImage(c.Data, r, o, 0, 1400, 300);
        EXPECT_EQ(r.Width(), w + 2 * margin) << "shown " << shown;
        EXPECT_EQ(test::ScanRow(image, r.Top + 5, r.Left, r.Right).find('1'), static_cast<size_t>(margin))
            << "shown " << shown;
    }
}

INSTANTIATE_TEST_SUITE_P(BarcodeDraw, CentringCases,
                         testing::Values(TCentringCase{"Code39WideText", bcCode39, "1", 1, 40, true},
                                         TCentringCase{"Code39NarrowText", bcCode39, "1", 2, 6, false},
                                         TCentringCase{"UpcAWideText", bcUPCA, "03600029145", 1, 30, true},
                                         TCentringCase{"Code128WideText", bcCode128, "12", 1, 50, true},
                                         TCentringCase{"PostnetNeverDrawsText", bcPostnet, "12345", 1, 120,
                                                       true}),
                         [](const testing::TestParamInfo<TCentringCase>& info) { return info.param.Name; });

TEST(BarcodeDraw, TextOnTopMovesTheBarsDown) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcCode39, 2);
    o.ShowHumanReadable = true;
    o.HRPosition = 0;
    o.HRSpacing = 4;
    o.FontSize = 8;
    TRect r{0, 0, 1, 1};
    const QImage image = test::DrawToImage("A", r, o, 0, 300, 200);
    QImage probe = test::LabelImage(1, 1);
    QPainter painter(&probe);
    const int th = QFontMetrics(BarcodeFont(painter, o)).height();
    const std::string column = test::ScanColumn(image, r.Left + 1 + (r.Width() - 96) / 2, r.Top, r.Bottom);
    EXPECT_EQ(column, std::string(o.HRSpacing + th, '0') + std::string(o.Height, '1'));
}

TEST(BarcodeDraw, InvalidDataDrawsThePlaceholderAndKeepsTheRectangle) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcEAN13, 2);
    TRect r{10, 10, 210, 110};
    const QImage image = test::DrawToImage("12", r, o, 90, 300, 200);
    EXPECT_EQ(r, (TRect{10, 10, 210, 110}));
    EXPECT_EQ(BarcodeWidth("12", o), 600);
    int red = 0;
    for (int y = 10; y < 110; ++y)
        for (int x = 10; x < 210; ++x)
            red += image.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GT(red, 200);
    EXPECT_EQ(image.pixel(9, 9), qRgb(255, 255, 255));
    // The hatch runs from top left to bottom right.
    for (int y = 30; y < 90; ++y)
        for (int x = 120; x < 180; ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0) && image.pixel(x + 1, y + 1) != qRgb(255, 0, 0))
                FAIL() << "hatch line breaks at " << x << "," << y;
}

// The placeholder clips its text to its rectangle without lifting the clip
// the caller painted under (a design area repainting one region).
TEST(BarcodeDraw, PlaceholderStaysInsideTheCallersClip) {
    test::TLabelDpiGuard dpi(300);
    QImage image = test::LabelImage(300, 200);
    QPainter painter(&image);
    painter.setClipRect(QRect(0, 0, 100, 200));
    DrawInvalidBarcode(painter, TRect{10, 10, 210, 110});
    painter.end();
    EXPECT_NE(test::ScanRow(image, 50, 10, 100).find('1'), std::string::npos);
    for (int y = 0; y < 200; ++y)
        for (int x = 100; x < 300; ++x)
            ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

/// The rows of a column that are dark, as first..last+1; {-1, -1} for none.
std::pair<int, int> DarkSpan(const QImage& image, int x, int from, int to) {
    const std::string column = test::ScanColumn(image, x, from, to);
    const size_t first = column.find('1');
    if (first == std::string::npos)
        return {-1, -1};
    return {from + static_cast<int>(first), from + static_cast<int>(column.rfind('1')) + 1};
}

TEST(BarcodeDraw, UpcDescendersAndSupplement) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcUPCA, 3);
    o.Height = 100;
    o.Descenders = true;
    o.ShowHumanReadable = true;
    TRect r{0, 0, 1, 1};
    QImage image = test::DrawToImage("0360002914512", r, o, 0, 700, 300);
    const int half = r.Height() - o.Height; // th div 2
    ASSERT_GT(half, 5);
    // The start guard descends to the full height; a data bar (module 19, in the
    // "3" of set A, 0111101) stops th div 2 above it, where the digits begin.
    EXPECT_EQ(DarkSpan(image, 1, 0, r.Bottom), std::make_pair(0, o.Height));
    EXPECT_EQ(test::ScanColumn(image, 18 * 3 + 1, 0, o.Height - half), std::string(o.Height - half, '1'));
    EXPECT_EQ(image.pixel(18 * 3 + 1, o.Height - half), qRgb(255, 255, 255));
    // The supplement starts 9 modules after module 95 with "1011"; its bars
    // leave room for the digits above them and end with the descenders.
    const int supplement = (95 + 9) * 3 + 1;
    const int th = 2 * half + 1; // th div 2 = half: th is 2 half or 2 half + 1
    const auto span = DarkSpan(image, supplement, 0, r.Bottom);
    EXPECT_GE(span.first, th - 1);
    EXPECT_LE(span.first, th);
    EXPECT_EQ(span.second, o.Height);
    o.ExtendSupplement = true;
    r = {0, 0, 1, 1};
    image = test::DrawToImage("0360002914512", r, o, 0, 700, 300);
    EXPECT_EQ(DarkSpan(image, supplement, 0, r.Bottom).second, r.Bottom);
}

/// Dark pixels of a region: {left, top, right, bottom} of their extent.
QRect DarkExtent(const QImage& image, const QRect& region) {
    QRect extent;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                extent |= QRect(x, y, 1, 1);
    return extent;
}

// Supplement bars start th below the top (th: the digits' text height) and
// end th (th div 2 extended) below the bar height; the rectangle grows to
// hold the bars drawn, and only those. Where that leaves a supplement no
// height at all, its bars keep half the bar height.
TEST(BarcodeDraw, SupplementBarsAndTheRectangleAroundThem) {
    const struct {
        const char* Name;
        int Dpi;
        uint8_t Symbology;
        const char *Preamble, *Data, *Postamble;
        int32_t Density, Height;
        bool Extend;
        int Column; ///< of the supplement's first bar
    } cases[] = {
        {"Ean13", 203, bcEAN13, "4", "726340889058", "79", 8, 150, false, (7 + 95 + 7) * 8 + 1},
        {"Ean13Extended", 203, bcEAN13, "4", "726340889058", "79", 8, 150, true, (7 + 95 + 7) * 8 + 1},
        {"UpcEShort", 300, bcUPCE0, "", "12345612", "", 4, 45, false, (51 + 9) * 4 + 1},
        {"UpcAOnePixel", 300, bcUPCA, "", "0360002914512", "", 3, 1, false, (95 + 9) * 3 + 1},
        {"UpcAOnePixelExtended", 300, bcUPCA, "", "0360002914512", "", 3, 1, true, (95 + 9) * 3 + 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        test::TLabelDpiGuard dpi(c.Dpi);
        TBarcodeOptions o = BarcodeOptions(c.Symbology, c.Density);
        o.Preamble = c.Preamble;
        o.Postamble = c.Postamble;
        o.Height = c.Height;
        o.Descenders = true;
        o.ExtendSupplement = c.Extend;
        TRect r{0, 0, 1, 1};
        const QImage image = test::DrawToImage(c.Data, r, o, 0, 1400, 400);
        const auto span = DarkSpan(image, c.Column, 0, 400);
        if (c.Height == 1) {
            // Cut to nothing and half of one pixel is nothing: no bar, no growth.
            EXPECT_EQ(span, std::make_pair(-1, -1));
            EXPECT_EQ(r.Bottom, 1);
            continue;
        }
        const int th = span.first;
        ASSERT_GT(th, 0);
        const int end = c.Height + th - (c.Extend ? th / 2 : th);
        if (end > th) {
            EXPECT_EQ(span.second, end);
        } else {
            EXPECT_EQ(span.second, th + c.Height / 2);
        }
        EXPECT_EQ(r.Bottom, std::max(c.Height, span.second));
    }
}

TEST(BarcodeDraw, UpcSmallDigitsKeepTheirHeightWithoutTheNumberSystem) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcUPCA, 3);
    o.Height = 100;
    o.Descenders = true;
    o.ShowHumanReadable = true;
    o.ShowCheckDigit = true;
    o.ShowNumberSystem = true;
    TRect with{0, 0, 1, 1};
    const QImage withSystem = test::DrawToImage("03600029145", with, o, 0, 500, 300);
    o.ShowNumberSystem = false;
    TRect without{0, 0, 1, 1};
    const QImage withoutSystem = test::DrawToImage("03600029145", without, o, 0, 500, 300);
    // The check digit stands in the right margin of 9 modules.
    const int g = 9 * 3;
    const QRect a = DarkExtent(withSystem, QRect(with.Right - g, 0, g, with.Bottom));
    const QRect b = DarkExtent(withoutSystem, QRect(without.Right - g, 0, g, without.Bottom));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a.top(), b.top());
    EXPECT_EQ(a.bottom(), b.bottom());
    EXPECT_EQ(with.Width() - without.Width(), g);
}

struct TAlignmentCase {
    const char* Name;
    uint8_t Alignment;
};

class AlignmentCases : public testing::TestWithParam<TAlignmentCase> {};

// Text narrower than the bars lines up with the rectangle's left edge, its
// right edge, or its middle.
TEST_P(AlignmentCases, TextFollowsTheAlignment) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcCode39, 3);
    o.ShowHumanReadable = true;
    o.FontSize = 6;
    o.FontAlignment = GetParam().Alignment;
    TRect r{20, 20, 21, 21};
    const QImage image = test::DrawToImage("WIDE-SYMBOL", r, o, 0, 800, 200);
    const QRect text =
        DarkExtent(image, QRect(0, r.Top + o.Height + 1, 800, r.Bottom - r.Top - o.Height - 1));
    ASSERT_FALSE(text.isEmpty());
    const int tolerance = 4; // side bearings of the first and last glyph
    switch (o.FontAlignment) {
    case 0:
        EXPECT_NEAR(text.left(), r.Left, tolerance);
        break;
    case 1:
        EXPECT_NEAR(text.right() + 1, r.Right, tolerance);
        break;
    default:
        EXPECT_NEAR((text.left() + text.right() + 1) / 2, (r.Left + r.Right) / 2, tolerance);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(BarcodeDraw, AlignmentCases,
                         testing::Values(TAlignmentCase{"Left", 0}, TAlignmentCase{"Right", 1},
                                         TAlignmentCase{"Centre", 2}),
                         [](const testing::TestParamInfo<TAlignmentCase>& info) { return info.param.Name; });

TEST(BarcodeDraw, BooklandIsbnLineMakesRoomAboveTheBars) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcBookland, 3);
    o.Height = 100;
    o.Descenders = true;
    o.ShowHumanReadable = true;
    TRect plain{0, 0, 1, 1};
    const QImage withoutLine = test::DrawToImage("030640615", plain, o, 0, 500, 300);
    o.ShowISBN = true;
    TRect r{0, 0, 1, 1};
    const QImage withLine = test::DrawToImage("030640615", r, o, 0, 500, 300);
    const int th = r.Height() - plain.Height();
    ASSERT_GT(th, 10);
    EXPECT_EQ(r.Width(), plain.Width());
    // The start guard (after the 7-module digit margin) moves down by th.
    const int guard = 7 * 3 + 1;
    EXPECT_EQ(DarkSpan(withoutLine, guard, 0, plain.Bottom), std::make_pair(0, 100));
    EXPECT_EQ(DarkSpan(withLine, guard, th - 1, r.Bottom), std::make_pair(th, th + 100));
    // The ISBN line is drawn above the bars, over the symbol's width.
    EXPECT_NE(test::ScanRow(withLine, th / 2, 0, r.Right).find('1'), std::string::npos);
    EXPECT_EQ(test::ScanRow(withoutLine, 2, 0, plain.Right).find('0'), 0u);
}

TEST(BarcodeDraw, BearerBarsSpanTheSymbol) {
    test::TLabelDpiGuard dpi(300);
    TBarcodeOptions o = BarcodeOptions(bcITF14, 2);
    o.WideToNarrow = 2.5f;
    o.GuardBars = true;
    o.FontSize = 4; // hidden text narrower than the bars: no centring margin
    TRect r{0, 0, 1, 1};
    const QImage image = test::DrawToImage("1234567890123", r, o, 0, 500, 100);
    // The start pattern's first bar, then its first space under the bearer bars, Round(2 x 2.5) = 5 thick.
    EXPECT_EQ(test::ScanColumn(image, 1, 0, r.Bottom), std::string(50, '1'));
    EXPECT_EQ(test::ScanColumn(image, 2, 0, r.Bottom),
              std::string(5, '1') + std::string(40, '0') + std::string(5, '1'));
    EXPECT_EQ(test::ScanRow(image, 1, 0, r.Right), std::string(r.Right, '1'));
}

TEST(BarcodeDraw, PostnetShortBarsAreTheLowerHalf) {
    test::TLabelDpiGuard dpi(480);
    TBarcodeOptions o = BarcodeOptions(bcPostnet, 2);
    o.ShowHumanReadable = true; // Postnet has no text
    o.HRPosition = 1;
    TRect r{0, 0, 1, 1};
    const QImage image = test::DrawToImage("12345", r, o, 0, 700, 200);
    // 11-pixel bars at 480 per inch, 60 tall; "1" is 00011: the second bar is short.
    EXPECT_EQ(test::ScanColumn(image, 5, 0, 60), std::string(60, '1'));
    EXPECT_EQ(test::ScanColumn(image, 27, 0, 60), std::string(30, '0') + std::string(30, '1'));
    EXPECT_EQ(test::ScanRow(image, 59, 0, 44), test::Widen("1010", 11));
}

/// The fitting loop as the program always ran it, one measurement per step.
int LiteralFit(const QFont& base, int width, const QString& text) {
    auto measure = [&](int height) {
        QFont f = base;
        f.setPixelSize(height);
        return QFontMetrics(f).horizontalAdvance(text);
    };
    int height = 1;
    while (measure(height) < width)
        height += 10;
    int unchanged = 0;
    int last = measure(height);
    while (height > 1 && last > width) {
        const int now = measure(--height);
        unchanged = now == last ? unchanged + 1 : 0;
        last = now;
        if (unchanged > 10)
            break;
    }
    return height;
}

TEST(BarcodeDraw, FitFontToWidthMatchesTheStepwiseFit) {
    QImage image = test::LabelImage(10, 10);
    QPainter painter(&image);
    QFont base(QStringLiteral("Arial"));
    for (const QString& text :
         {QStringLiteral("0"), QStringLiteral("000000"), QStringLiteral("ISBN 0-306-40615-2")}) {
        for (int width : {3, 21, 95, 240, 1000}) {
            QFont font = base;
            FitFontToWidth(painter, font, width, text);
            EXPECT_EQ(font.pixelSize(), LiteralFit(base, width, text))
                << text.toStdString() << " in " << width;
        }
    }
    QFont unchanged = base;
    unchanged.setPixelSize(17);
    FitFontToWidth(painter, unchanged, 0, QStringLiteral("0"));
    FitFontToWidth(painter, unchanged, 100, QString());
    EXPECT_EQ(unchanged.pixelSize(), 17);
}

} // namespace
} // namespace zp

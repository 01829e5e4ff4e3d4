// SPDX-License-Identifier: MIT
#include "model/objects/ShapeObjects.h"

#include "base/LabelMapping.h"
#include "model/ModelTestSupport.h"

#include <QImage>
#include <QPainter>

namespace zp {
namespace {

using test::TLabelDpiGuard;

struct LineCase {
    const char* name;
    TRect given;
    TRect stored;
};

const LineCase kLineBounds[] = {
    {"BothReversedAreExchanged", {50, 40, 10, 10}, {10, 10, 50, 40}},
    {"RisingKept", {10, 40, 50, 10}, {10, 40, 50, 10}},
    {"StartLeftOfOrigin", {-20, 10, 80, 50}, {0, 10, 100, 50}},
    // After the base shift an end point can still be negative; shift again.
    {"EndAboveOrigin", {10, 40, 50, -10}, {10, 50, 50, 0}},
    {"EndLeftOfOrigin", {10, 10, -30, 50}, {40, 10, 0, 50}},
};

class LineBoundsTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineBoundsTest, ShiftsWithoutShortening) {
    TZpLineObject line;
    line.SetBounds(GetParam().given);
    EXPECT_EQ(line.GetBounds(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Line, LineBoundsTest, ::testing::ValuesIn(kLineBounds),
                         [](const auto& info) { return std::string(info.param.name); });

struct DragCase {
    const char* name;
    TRect current;
    TRect given;
    TRect stored;
};

const DragCase kConstrainedDrags[] = {
    {"Horizontal", {100, 100, 200, 200}, {100, 100, 300, 120}, {100, 100, 300, 100}},
    {"Vertical", {100, 100, 200, 200}, {100, 100, 110, 300}, {100, 100, 100, 300}},
    {"Diagonal", {100, 100, 200, 200}, {100, 100, 300, 250}, {100, 100, 300, 300}},
    {"NegativeRefused", {100, 100, 200, 200}, {100, 100, 300, 20}, {100, 100, 200, 200}},
    {"DiagonalUp", {100, 300, 200, 200}, {100, 300, 250, 180}, {100, 300, 250, 150}},
    // The end point is the anchor when it stayed put.
    {"StartMoves", {100, 100, 300, 100}, {50, 130, 300, 100}, {50, 100, 300, 100}},
    {"Unchanged", {100, 100, 300, 100}, {100, 100, 300, 100}, {100, 100, 300, 100}},
    // A non-empty line moved as a whole follows the free line's rule.
    {"MovedWhole", {100, 100, 200, 200}, {-10, 150, 90, 250}, {0, 150, 100, 250}},
    // An empty (horizontal) line moved as a whole keeps its constraint.
    {"PlacedEmpty", {0, 0, 300, 0}, {20, 30, 330, 40}, {20, 30, 330, 30}},
};

class ConstrainedLineTest : public ::testing::TestWithParam<DragCase> {};

TEST_P(ConstrainedLineTest, KeepsTheAngle) {
    TZpLineConstraint line;
    line.SetBoundsExact(GetParam().current);
    line.SetBounds(GetParam().given);
    EXPECT_EQ(line.GetBounds(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Line, ConstrainedLineTest, ::testing::ValuesIn(kConstrainedDrags),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConstrainedLineTest, StartsAsAHorizontalInch) {
    TLabelDpiGuard dpi(300);
    TZpLineConstraint line;
    EXPECT_EQ(line.GetBounds(), (TRect{0, 0, 300, 0}));
    EXPECT_EQ(line.GetTrackRect(), (TRect{0, 0, 300, 0}));
    EXPECT_EQ(line.GetClassName(), QStringLiteral("TZpLineConstraint"));
    EXPECT_TRUE(Supports<IZpLinear>(&line));
}

TEST(LineTest, HitBandFollowsTheDirection) {
    TZpLineObject line;
    line.LineStyle().SetWidth(4); // thin: the band is at least 5 each side
    line.SetBoundsExact({10, 20, 110, 70});
    EXPECT_EQ(line.GetHitPolygon(),
              (std::array<TPoint, 4>{TPoint{5, 20}, TPoint{10, 15}, TPoint{115, 70}, TPoint{110, 75}}));
    line.SetBoundsExact({110, 70, 10, 20}); // reversed: the same band
    EXPECT_EQ(line.GetHitPolygon(),
              (std::array<TPoint, 4>{TPoint{5, 20}, TPoint{10, 15}, TPoint{115, 70}, TPoint{110, 75}}));
    line.LineStyle().SetWidth(30);
    line.SetBoundsExact({10, 100, 210, 100}); // horizontal
    EXPECT_EQ(line.GetHitPolygon(),
              (std::array<TPoint, 4>{TPoint{-5, 85}, TPoint{25, 115}, TPoint{225, 115}, TPoint{195, 85}}));
}

TEST(RoundRectTest, EllipseSizeArrivedAfterVersion12) {
    TZpRoundRectObject obj;
    const QByteArray styles = test::Hex("FF FF FF 00 01 01 00 00 00 00 00 05 00 00 00");
    test::LoadRecord(obj, test::BaseRecord(12, {0, 0, 10, 10}) + styles);
    EXPECT_EQ(obj.GetEllipseSize(), 0.25f);
    test::LoadRecord(obj, test::BaseRecord(13, {0, 0, 10, 10}) + styles + test::Hex("00 00 00 3F"));
    EXPECT_EQ(obj.GetEllipseSize(), 0.5f);
}

// ---- drawing, probed on an image in the label mapping at one pixel per label pixel

class ShapeDrawingTest : public ::testing::Test {
protected:
    ShapeDrawingTest() : dpi(96), image(400, 300, QImage::Format_RGB32) {
        image.setDotsPerMeterX(3780); // 96 dpi
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
    }
    void Draw(IZpPaint& obj) {
        QPainter p(&image);
        ApplyLabelMapping(p);
        obj.Draw(p);
    }
    void Underlay(QColor color) {
        QPainter p(&image);
        p.fillRect(0, 0, 400, 300, color);
    }
    /// A red fill of the given style on (100, 100, 200, 200) and the given outline.
    static void RedFill(TZpClosedShape& shape, uint8_t fillStyle, bool transparent, uint8_t lineStyle) {
        shape.SetBoundsExact({100, 100, 200, 200});
        shape.FillStyle().SetStyle(fillStyle);
        shape.FillStyle().SetColor(clRed);
        shape.FillStyle().SetTransparent(transparent);
        shape.LineStyle().SetStyle(lineStyle);
        shape.LineStyle().SetWidth(1);
        shape.LineStyle().SetColor(clBlack);
    }
    [[nodiscard]] QColor At(int x, int y) const { return image.pixelColor(x, y); }
    int Count(QColor c, QRect area) const {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixelColor(x, y) == c;
        return n;
    }
    TLabelDpiGuard dpi;
    QImage image;
};

TEST_F(ShapeDrawingTest, TransparentHatchLeavesWhatLayUnderneath) {
    Underlay(Qt::blue);
    TZpRectangleObject rect;
    RedFill(rect, bsFDiagonal, true, psClear);
    Draw(rect);
    const QRect inside(110, 110, 80, 80);
    EXPECT_GT(Count(Qt::red, inside), 200);
    EXPECT_GT(Count(Qt::blue, inside), 3000);
    EXPECT_EQ(Count(Qt::white, inside), 0);
    EXPECT_EQ(At(50, 50), QColor(Qt::blue));
}

TEST_F(ShapeDrawingTest, OpaqueHatchPaintsTheGapsWhite) {
    Underlay(Qt::blue);
    TZpRectangleObject rect;
    RedFill(rect, bsCross, false, psClear);
    Draw(rect);
    const QRect inside(110, 110, 80, 80);
    EXPECT_GT(Count(Qt::red, inside), 200);
    EXPECT_GT(Count(Qt::white, inside), 3000);
    EXPECT_EQ(Count(Qt::blue, inside), 0);
}

TEST_F(ShapeDrawingTest, SolidFillPaintsTheFillColourEvenWhenTransparent) {
    Underlay(Qt::blue);
    TZpCircleObject circle;
    RedFill(circle, bsSolid, true, psSolid);
    Draw(circle);
    EXPECT_EQ(At(150, 150), QColor(Qt::red));
    EXPECT_EQ(At(101, 101), QColor(Qt::blue)); // outside the ellipse, inside the bounds
}

TEST_F(ShapeDrawingTest, ASolidOutlineStaysInsideTheBounds) {
    TZpRectangleObject rect;
    rect.SetBoundsExact({100, 100, 200, 160});
    rect.LineStyle().SetWidth(10);
    rect.LineStyle().SetColor(clBlack);
    Draw(rect);
    EXPECT_EQ(At(100, 100), QColor(Qt::black));
    EXPECT_EQ(At(199, 159), QColor(Qt::black));
    EXPECT_EQ(At(109, 130), QColor(Qt::black));
    EXPECT_EQ(At(110, 130), QColor(Qt::white));
    EXPECT_EQ(At(99, 130), QColor(Qt::white));
    EXPECT_EQ(At(200, 130), QColor(Qt::white));
    EXPECT_EQ(At(150, 160), QColor(Qt::white));
}

TEST_F(ShapeDrawingTest, RoundRectCornersUseTheEllipseSize) {
    TZpRoundRectObject rr;
    rr.SetBoundsExact({100, 50, 300, 250});
    rr.SetEllipseSize(0.5f); // 48 label pixels at 96 dpi
    rr.FillStyle().SetStyle(bsSolid);
    rr.FillStyle().SetColor(clBlack);
    rr.LineStyle().SetStyle(psClear);
    Draw(rr);
    EXPECT_EQ(At(101, 51), QColor(Qt::white)); // the corner is cut
    EXPECT_EQ(At(107, 57), QColor(Qt::black)); // inside a 24-pixel radius
    EXPECT_EQ(At(124, 51), QColor(Qt::black)); // the straight edge begins
    EXPECT_EQ(At(105, 51), QColor(Qt::white));
}

TEST_F(ShapeDrawingTest, LinesDrawBetweenTheirEndPoints) {
    TZpLineObject line;
    line.SetBoundsExact({20, 200, 300, 200});
    line.LineStyle().SetWidth(4);
    line.LineStyle().SetColor(clRed);
    Draw(line);
    EXPECT_EQ(At(150, 200), QColor(Qt::red));
    EXPECT_EQ(At(150, 198), QColor(Qt::red));
    EXPECT_EQ(At(150, 195), QColor(Qt::white));
    EXPECT_EQ(At(10, 200), QColor(Qt::white));
}

// The gaps of a dashed outline take the background: the fill colour of an
// opaque solid fill, white for other opaque fills, nothing for a line.
TEST_F(ShapeDrawingTest, DashGapsTakeTheFillColourOfAnOpaqueSolidFill) {
    Underlay(Qt::blue);
    TZpRectangleObject rect;
    RedFill(rect, bsSolid, false, psDash);
    Draw(rect);
    const QRect topEdge(110, 100, 80, 1);
    EXPECT_GT(Count(Qt::black, topEdge), 20);
    EXPECT_GT(Count(Qt::red, topEdge), 10);
    EXPECT_EQ(Count(Qt::white, topEdge) + Count(Qt::blue, topEdge), 0);

    rect.FillStyle().SetStyle(bsClear);
    Underlay(Qt::blue);
    Draw(rect);
    EXPECT_GT(Count(Qt::white, topEdge), 10);
    EXPECT_EQ(At(150, 150), QColor(Qt::blue));
}

TEST_F(ShapeDrawingTest, DashedLinesLeaveTheGapsUntouched) {
    Underlay(Qt::blue);
    TZpLineObject line;
    line.SetBoundsExact({20, 200, 300, 200});
    line.LineStyle().SetStyle(psDash);
    line.LineStyle().SetWidth(1);
    line.LineStyle().SetColor(clBlack);
    QPainter p(&image);
    ApplyLabelMapping(p);
    p.setBackgroundMode(Qt::OpaqueMode); // whatever the caller left behind
    line.Draw(p);
    p.end();
    const QRect row(40, 200, 200, 1);
    EXPECT_GT(Count(Qt::black, row), 50);
    EXPECT_GT(Count(Qt::blue, row), 20);
    EXPECT_EQ(Count(Qt::white, row), 0);
}

TEST_F(ShapeDrawingTest, ReversedBoundsDrawTheSameRectangle) {
    TZpRectangleObject rect;
    rect.LineStyle().SetWidth(10);
    rect.LineStyle().SetColor(clBlack);
    rect.SetBoundsExact({200, 160, 100, 100});
    Draw(rect);
    EXPECT_EQ(At(100, 100), QColor(Qt::black));
    EXPECT_EQ(At(109, 130), QColor(Qt::black));
    EXPECT_EQ(At(110, 130), QColor(Qt::white));
    EXPECT_EQ(At(95, 130), QColor(Qt::white));
    EXPECT_EQ(At(204, 130), QColor(Qt::white));
}

TEST(ShapeDrawingScaleTest, TheLabelMappingScalesToTheDevice) {
    TLabelDpiGuard dpi(300);
    QImage image(150, 150, QImage::Format_RGB32); // 150 dpi: half a label pixel each
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    image.fill(Qt::white);
    TZpRectangleObject rect;
    rect.SetBoundsExact({100, 100, 200, 200});
    rect.FillStyle().SetStyle(bsSolid);
    rect.FillStyle().SetColor(clBlack);
    rect.LineStyle().SetStyle(psClear);
    QPainter p(&image);
    ApplyLabelMapping(p);
    rect.Draw(p);
    p.end();
    EXPECT_EQ(image.pixelColor(51, 51), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(99, 99), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(49, 75), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(101, 75), QColor(Qt::white));
}

} // namespace
} // namespace zp

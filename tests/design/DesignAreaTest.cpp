// SPDX-License-Identifier: MIT
// The design area on the offscreen platform: mapping, rulers, scroll ranges,
// snapping and guides dragged with the mouse.
#include "design/view/DesignArea.h"

#include "base/Rounding.h"
#include "design/edit/Rulers.h"
#include "model/objects/ObjectClasses.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace zp {
namespace {

class DesignAreaTest : public ::testing::Test {
protected:
    DesignAreaTest() {
        Session = std::make_unique<TZpEditSession>(100);
        TZpIDEProperties& ide = Session->Environment();
        ide.RulerWidth = 75; // a quarter inch: 24 pixels at 96 per inch
        ide.SnapToRulers = false;
        Session->Document().Layout().Width = 3.0f;
        Session->Document().Layout().Height = 2.0f;
        Area = std::make_unique<TZpDesignArea>(*Session);
        Area->SetScreenPixelsPerInch(96);
        Area->resize(600, 400);
        Area->show();
        // The viewport's own size, whatever the scroll bars take.
        Viewport = Area->viewport()->size();
        Area->RefreshView();
    }
    ~DesignAreaTest() override {
        Area.reset();
        Session.reset();
    }
    QWidget* View() { return Area->viewport(); }

    test::TLabelDpiGuard FDpi{300};
    std::unique_ptr<TZpEditSession> Session;
    std::unique_ptr<TZpDesignArea> Area;
    QSize Viewport;
};

TEST_F(DesignAreaTest, MapsLabelPixelsThroughZoomRulersAndScrolling) {
    ASSERT_EQ(Area->RulerPixels(), 24);
    EXPECT_EQ(Area->LabelToDevice({300, 150}), QPoint(24 + 96, 24 + 48));
    EXPECT_EQ(Area->DeviceToLabel(QPoint(24 + 96, 24 + 48)), (TPoint{300, 150}));
    Area->SetZoom(400);
    Area->SetHScroll(100);
    EXPECT_EQ(Area->LabelToDevice({300, 0}), QPoint(24 - 100 + 384, 24));
    // Out of range zooms are held to 25..400.
    Area->SetZoom(1000);
    EXPECT_EQ(Area->Zoom(), 400);
    Area->SetZoom(-5);
    EXPECT_EQ(Area->Zoom(), 25);
    EXPECT_EQ(ZoomInStep(75), 100);
    EXPECT_EQ(ZoomInStep(200), 400);
    EXPECT_EQ(ZoomOutStep(100), 75);
}

TEST_F(DesignAreaTest, ScrollRangeIsTheLabelWithFifteenPercentMoreOnlyWhenItDoesNotFit) {
    // 3 x 2 inches at 100 %: 288 x 192 pixels, smaller than the window.
    EXPECT_EQ(Area->ScrollExtent(), QSize(288, 192));
    Area->SetZoom(400); // 1152 x 768
    EXPECT_EQ(Area->ScrollExtent(), QSize(Round(1152 * 1.15), Round(768 * 1.15)));
    Area->SetHScroll(500);
    Area->SetVScroll(300);
    Area->SetZoom(100);
    EXPECT_EQ(Area->HScroll(), 0);
    EXPECT_EQ(Area->VScroll(), 0);
}

TEST(RulerTest, TickLengthsAtAQuarterZoomInInches) {
    // 24 pixels an inch, 8 subdivisions of 3 pixels, band L = 24.
    const std::vector<TZpRulerTick> ticks = RulerTicksBetween(0, 24, 24, 8, 24, ruInches, 96);
    std::vector<std::pair<int, int>> got;
    for (const TZpRulerTick& t : ticks)
        got.emplace_back(t.Pos, t.Length);
    const std::vector<std::pair<int, int>> expected = {{0, 24},  {3, 5},  {6, 6},  {9, 5},
                                                       {12, 12}, {15, 5}, {18, 6}, {21, 5}};
    EXPECT_EQ(got, expected);
    // Elsewhere than inches on a 96 per inch screen, every minor tick is L/4.
    EXPECT_EQ(RulerTickLength(3, 24, 24, ruInches, 120), 6);
    EXPECT_EQ(RulerTickLength(19, 38, 24, ruCentimeters, 96), 12);
}

TEST(RulerTest, MillimetreRulerIsNumberedByTensAtCentimetres) {
    std::vector<int> numbers;
    for (const TZpRulerTick& t : RulerTicksBetween(0, 120, 38, 10, 24, ruMillimeters, 96))
        if (t.Number)
            numbers.push_back(t.Number);
    EXPECT_EQ(numbers, std::vector<int>({10, 20, 30}));
    EXPECT_EQ(RulerUnitText(ruMillimeters), QStringLiteral("MM"));
    // A stretch far along the ruler is computed by itself.
    const auto far = RulerTicksBetween(96000, 96100, 96, 32, 24, ruInches, 96);
    ASSERT_FALSE(far.empty());
    EXPECT_EQ(far.front().Pos, 96000);
    EXPECT_EQ(far.front().Number, 1000);
}

TEST_F(DesignAreaTest, CornerSquareCyclesTheUnitsBackToInches) {
    std::vector<TZpRulerUnits> seen;
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(View(), Qt::LeftButton, {}, QPoint(5, 5));
        seen.push_back(Session->Environment().RulerUnits());
    }
    EXPECT_EQ(seen, std::vector<TZpRulerUnits>({ruDecimalInches, ruCentimeters, ruMillimeters, ruInches}));
}

TEST_F(DesignAreaTest, SnapsToRulerTicksAndToGuides) {
    Session->Environment().SnapToRulers = true;
    Area->SetZoom(25); // ticks every 3 pixels
    const int origin = Area->RulerPixels();
    EXPECT_EQ(Area->SnapPointToRulers(QPoint(origin + 7, origin + 6)), QPoint(origin + 6, origin + 6));

    // 1/16 inch of screen at 100 %: 19 label pixels at 300 per inch.
    Area->SetZoom(100);
    Session->Environment().FGuidesX = {100};
    Session->Environment().FGuidesY = {400};
    EXPECT_EQ(Area->SnapRectToGuides({90, 0, 190, 50}), (TRect{101, 0, 201, 50}));
    EXPECT_EQ(Area->SnapRectToGuides({0, 300, 85, 390}), (TRect{15, 310, 100, 400}));
    EXPECT_EQ(Area->SnapRectToGuides({0, 0, 50, 50}), (TRect{0, 0, 50, 50}));
}

TEST_F(DesignAreaTest, GuidesAreDraggedFromRulersMovedAndDroppedBack) {
    const QList<int32_t>& y = Session->Environment().FGuidesY;
    // Out of the top ruler onto the label and released: "Guide Add".
    QTest::mousePress(View(), Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(View(), QPoint(100, 60));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, QPoint(100, 72));
    ASSERT_EQ(y.size(), 1);
    EXPECT_EQ(y[0], Area->DeviceToLabel(QPoint(100, 72)).Y);
    EXPECT_EQ(Session->UndoStack().UndoCaption(), QStringLiteral("Guide Add"));

    // Another out of the ruler and straight back: nothing recorded.
    QTest::mousePress(View(), Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(View(), QPoint(200, 80));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(y.size(), 1);
    EXPECT_EQ(Session->UndoStack().UndoCount(), 1);

    // The first back onto its ruler: deleted, and the deletion undoes.
    QTest::mousePress(View(), Qt::LeftButton, {}, QPoint(300, 72));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, QPoint(300, 3));
    EXPECT_TRUE(y.isEmpty());
    EXPECT_EQ(Session->UndoStack().UndoCaption(), QStringLiteral("Guide Delete"));
    QTest::keyClick(Area.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(y.size(), 1);
    QTest::keyClick(Area.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(y.isEmpty());
}

TEST_F(DesignAreaTest, LockedGuidesStayPut) {
    Session->Environment().FGuidesX = {300};
    Session->Environment().LockGuides = true;
    const QPoint onGuide = Area->LabelToDevice({300, 100});
    QTest::mousePress(View(), Qt::LeftButton, {}, onGuide);
    QTest::mouseRelease(View(), Qt::LeftButton, {}, onGuide + QPoint(40, 0));
    QTest::mousePress(View(), Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(Session->Environment().FGuidesX, QList<int32_t>({300}));
    EXPECT_TRUE(Session->Environment().FGuidesY.isEmpty());
    EXPECT_FALSE(Session->CanUndo());
}

// What the area paints, in a picture of its viewport at a device ratio.
QImage Paint(TZpDesignArea& area, qreal dpr) {
    QImage image(area.viewport()->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    QPainter painter(&image);
    area.PaintArea(painter, area.viewport()->rect(), false);
    return image;
}

TEST_F(DesignAreaTest, PaintsTheLabelObjectsGuidesAndHandlesSharplyAtDoubleResolution) {
    TZpObjectPtr rect = CreateObject(QStringLiteral("TZpRectangleObject"));
    rect->SetBounds({300, 150, 600, 300});
    Session->AddObject(rect);
    Session->SelectObject(rect);
    Session->Environment().FGuidesX = {150, 150};
    const QImage image = Paint(*Area, 2);
    ASSERT_EQ(image.size(), Viewport * 2);
    auto at = [&image](QPoint logical) { return image.pixelColor(logical * 2); };
    // Label face, background, guide in blue, the top-left handle inverted.
    EXPECT_EQ(at(Area->LabelToDevice({200, 500})), QColor(Qt::white));
    EXPECT_NE(at(QPoint(Viewport.width() - 5, Viewport.height() - 5)), QColor(Qt::white));
    EXPECT_EQ(at(Area->LabelToDevice({150, 450})), QColor(0, 0, 0xFF));
    const QPoint corner = Area->LabelToDevice({300, 150});
    EXPECT_EQ(at(corner - QPoint(3, 3)), QColor(Qt::black));
}

TEST_F(DesignAreaTest, DamagedLabelsPaintAndScrollWithoutHanging) {
    TZpObjectPtr far = CreateObject(QStringLiteral("TZpRectangleObject"));
    far->SetBoundsExact({2'000'000'000, 2'000'000'000, 2'100'000'000, 2'100'000'000});
    Session->AddObject(far);
    TZpObjectPtr line = CreateObject(QStringLiteral("TZpLineObject"));
    line->SetBoundsExact({-2'000'000'000, 5, 2'000'000'000, 5});
    Session->AddObject(line);
    Session->SelectAll();
    for (int i = 0; i < 10'000; ++i)
        Session->Environment().FGuidesX.append(i * 7);
    struct TCase {
        float Width, Height;
        int Scale;
    };
    for (const TCase& c : {TCase{0, 0, 100}, TCase{1e30f, 1e30f, 100000}, TCase{-3, 2, -40}}) {
        Session->Document().Layout().Width = c.Width;
        Session->Document().Layout().Height = c.Height;
        Session->Environment().SetScale(c.Scale);
        Session->Notify(TZpChange::Layout);
        EXPECT_GE(Area->Zoom(), kMinZoom);
        EXPECT_LE(Area->Zoom(), kMaxZoom);
        Area->ZoomToFit();
        Area->SetHScroll(1 << 30);
        (void)Paint(*Area, 1);
        EXPECT_EQ(Session->HitTest({300, 300}, Area->Mapping()), nullptr);
    }
}

} // namespace
} // namespace zp

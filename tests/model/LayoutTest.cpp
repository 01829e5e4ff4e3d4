// SPDX-License-Identifier: MIT
#include "model/ModelTestSupport.h"
#include "model/document/LabelDocument.h"
#include "model/objects/ShapeObjects.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QImage>
#include <QPainter>

namespace zp {
namespace {

using test::TLabelDpiGuard;

TLabelProperties SampleLayout() {
    TLabelProperties p;
    p.Manufacturer = QStringLiteral("Maker");
    p.PageOrientation = 0;
    test::SetLetterSheet(p, test::kAddressSheet);
    p.LabelShape = lsRoundRect;
    p.EllipseWidth = 0.1f;
    p.EllipseHeight = 0.2f;
    p.ReservedFlag = true;
    return p;
}

QByteArray Block(const TLabelProperties& p) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter writer(buffer);
    p.WriteBlock(writer);
    return bytes;
}

TEST(LabelPropertiesTest, SwapOrientationTwiceRestoresEveryField) {
    const TLabelProperties original = SampleLayout();
    TLabelProperties p = original;
    p.SwapOrientation();
    EXPECT_EQ(p.PageOrientation, 1);
    EXPECT_EQ(p.PageWidth, 11.0f);
    EXPECT_EQ(p.Columns, 10);
    EXPECT_EQ(p.LeftMargin, 0.5f);
    EXPECT_EQ(p.Width, 1.0f);
    EXPECT_EQ(p.HorizontalPitch, 1.0f);
    EXPECT_EQ(p.EllipseWidth, 0.2f);
    p.SwapOrientation();
    EXPECT_EQ(Block(p), Block(original));
    EXPECT_EQ(p.PageOrientation, 0);
}

TEST(LabelPropertiesTest, GridPositions) {
    const TLabelProperties p = SampleLayout();
    EXPECT_EQ(p.LabelsPerPage(), 30);
    EXPECT_FLOAT_EQ(float(p.LabelLeft(2)), 2.9375f);
    EXPECT_FLOAT_EQ(float(p.LabelTop(3)), 2.5f);
}

TEST(LabelPropertiesTest, AssignToCopiesAllButTheReservedFlag) {
    TLabelProperties dest;
    SampleLayout().AssignTo(dest);
    EXPECT_FALSE(dest.ReservedFlag);
    TLabelProperties expected = SampleLayout();
    expected.ReservedFlag = false;
    EXPECT_EQ(Block(dest), Block(expected));
}

TEST(LabelPropertiesTest, BlockRoundTripsAndAcceptsIntegersForFloats) {
    const QByteArray bytes = Block(SampleLayout());
    {
        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        TZpReader reader(buffer);
        TLabelProperties p;
        p.ReadBlock(reader);
        EXPECT_EQ(reader.Remaining(), 0);
        EXPECT_EQ(Block(p), bytes);
    }
    // 21 values with PageWidth stored as the integer 3.
    QByteArray odd = test::Hex("06 00 06 00 06 00 06 00 02 01 06 00 02 03");
    odd += test::Hex("05 00 00 00 00 00 00 00 80 00 40");
    odd += test::Hex("02 01 02 01 02 00 02 00 02 01 02 01 02 01 02 01 02 00 02 00 02 00 02 00 02 00");
    QBuffer buffer(&odd);
    buffer.open(QIODevice::ReadOnly);
    TZpReader reader(buffer);
    TLabelProperties p;
    p.ReadBlock(reader);
    EXPECT_EQ(p.PageOrientation, 1);
    EXPECT_EQ(p.PageWidth, 3.0f);
    EXPECT_EQ(p.PageHeight, 2.0f);
    EXPECT_EQ(reader.Remaining(), 0);
}

struct RulerCase {
    const char* name;
    TZpRulerUnits units;
    int scale;
    int unitPixels;
    int subUnits;
};

const RulerCase kRulerCases[] = {
    {"Inches", ruInches, 100, 96, 32},
    {"DecimalInches", ruDecimalInches, 100, 96, 20},
    {"Centimeters", ruCentimeters, 100, 38, 10},
    {"Millimeters", ruMillimeters, 100, 38, 10},
    {"InchesAt25", ruInches, 25, 24, 8},          // 32 -> 16 -> 8, since 24 div 8 = 3
    {"CentimetersAt25", ruCentimeters, 25, 9, 2}, // 10 -> 5 -> 2
    {"InchesAt400", ruInches, 400, 384, 32},
};

class RulerMetricsTest : public ::testing::TestWithParam<RulerCase> {};

TEST_P(RulerMetricsTest, SubdivisionsStayWiderThanTwoPixels) {
    if (ScreenPixelsPerInch() != 96)
        GTEST_SKIP() << "the cases are for a 96 dpi screen, this one has " << ScreenPixelsPerInch();
    TZpIDEProperties ide;
    ide.SetRulerUnits(GetParam().units);
    ide.SetScale(GetParam().scale);
    EXPECT_EQ(ide.RulerUnitPixels(), GetParam().unitPixels);
    EXPECT_EQ(ide.RulerSubUnits(), GetParam().subUnits);
}

INSTANTIATE_TEST_SUITE_P(Environment, RulerMetricsTest, ::testing::ValuesIn(kRulerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IDEPropertiesTest, DefaultsAndReset) {
    TLabelDpiGuard dpi(300);
    TZpIDEProperties ide;
    EXPECT_EQ(ide.DPI(), 300);
    EXPECT_EQ(ide.RulerWidth, 75);
    EXPECT_EQ(ide.Scale(), 100);
    EXPECT_EQ(ide.Version, 0);
    EXPECT_TRUE(ide.SnapToGuides && ide.ShowGuides && ide.ShowRulers);
    EXPECT_FALSE(ide.SnapToRulers || ide.ShowUnprintable || ide.LockGuides || ide.IsLocked());
    ide.FGuidesX = {1, 2};
    ide.FGuidesY = {3};
    ide.SetLockState(true, QStringLiteral("pw"));
    ide.ShowRulers = false;
    ide.SetRulerUnits(ruMillimeters);
    ide.Reset();
    EXPECT_TRUE(ide.FGuidesX.isEmpty() && ide.FGuidesY.isEmpty());
    EXPECT_FALSE(ide.IsLocked());
    EXPECT_TRUE(ide.LockPassword().isEmpty());
    EXPECT_TRUE(ide.ShowRulers);
    EXPECT_EQ(ide.RulerUnits(), ruInches);
    ide.SetScale(10);
    EXPECT_EQ(ide.Scale(), 25);
}

TEST(IDEPropertiesTest, SetDPIReexpressesTheGuides) {
    TLabelDpiGuard dpi(300);
    TZpIDEProperties ide;
    ide.FGuidesX = {150, 301};
    ide.FGuidesY = {7};
    ide.SetDPI(600);
    EXPECT_EQ(ide.FGuidesX, (QList<int32_t>{300, 602}));
    EXPECT_EQ(ide.FGuidesY, (QList<int32_t>{14}));
    EXPECT_EQ(ide.RulerWidth, 150);
    EXPECT_EQ(ide.DPI(), 600);
    ide.RulerWidth = 1;
    ide.SetDPI(0);
    ide.SetDPI(600);
    EXPECT_EQ(ide.RulerWidth, 1);
    EXPECT_EQ(ide.DPI(), 600);
}

TEST(RescaleLabelTest, ReexpressesBoundsLineWidthsAndLabelDpi) {
    TLabelDpiGuard dpi(1440);
    TZpIDEProperties ide;
    auto rect = std::make_shared<TZpRectangleObject>();
    rect->SetBoundsExact({0, 0, 1440, 720});
    rect->LineStyle().SetWidth(20);
    auto line = std::make_shared<TZpLineObject>();
    line->SetBoundsExact({1440, 720, 0, 0});
    RescaleLabel(300, ide, {rect, line});
    EXPECT_EQ(rect->GetBounds(), (TRect{0, 0, 300, 150}));
    EXPECT_EQ(rect->LineStyle().GetWidth(), 4);
    EXPECT_EQ(line->GetBounds(), (TRect{0, 0, 300, 150})); // through the line's own rule
    EXPECT_EQ(ide.DPI(), 300);
    EXPECT_EQ(LabelDPI(), 300);

    RescaleLabel(300, ide, {rect}); // already there: nothing
    EXPECT_EQ(rect->GetBounds(), (TRect{0, 0, 300, 150}));
}

class LockTest : public ::testing::Test {
protected:
    TZpScriptedDialogsGuard dialogs;
    TZpIDEProperties ide;
};

TEST_F(LockTest, LockingNeedsTwoEqualEntries) {
    dialogs->Queue(TZpPasswordEntry{QStringLiteral("Secret"), QStringLiteral("secret")});
    dialogs->Queue(TZpPasswordEntry{QStringLiteral("Secret"), QStringLiteral("Secret")});
    ide.SetLocked(true);
    EXPECT_TRUE(ide.IsLocked());
    EXPECT_EQ(ide.LockPassword(), QStringLiteral("Secret"));
    EXPECT_EQ(dialogs->Messages(), QStringList{kPasswordsDoNotMatchMessage});
    EXPECT_TRUE(dialogs->AllAnswered());

    ide.SetLocked(true); // unchanged: no dialog
    EXPECT_EQ(dialogs->Questions().size(), 2u);
}

TEST_F(LockTest, CancelledLockChangesNothing) {
    dialogs->Queue(TZpPasswordEntry{QStringLiteral("a"), QStringLiteral("b")});
    dialogs->Queue(TZpScriptedDialogs::TCancel{});
    ide.SetLocked(true);
    EXPECT_FALSE(ide.IsLocked());
    EXPECT_TRUE(ide.LockPassword().isEmpty());
}

TEST_F(LockTest, UnlockingNeedsTheSamePasswordAndKeepsIt) {
    ide.SetLockState(true, QStringLiteral("Secret"));
    dialogs->Queue(QStringLiteral("SECRET"));
    dialogs->Queue(QStringLiteral("Secret"));
    ide.SetLocked(false);
    EXPECT_FALSE(ide.IsLocked());
    EXPECT_EQ(ide.LockPassword(), QStringLiteral("Secret"));
    EXPECT_EQ(dialogs->Messages(), QStringList{kPasswordsDoNotMatchMessage});
}

TEST(ThumbnailTest, DrawsTheOutlineThenTheObjects) {
    TLabelDpiGuard dpi(100);
    TZpLabelDocument doc;
    doc.Layout().Width = 2.0f;
    doc.Layout().Height = 1.0f;
    doc.Layout().LabelShape = lsRectangle;
    auto rect = std::make_shared<TZpRectangleObject>();
    rect->SetBoundsExact({20, 20, 60, 60});
    rect->FillStyle().SetStyle(bsSolid);
    rect->FillStyle().SetColor(clRed);
    doc.Add(rect);

    QImage image(500, 300, QImage::Format_RGB32); // 200 dpi: two pixels per label pixel
    image.setDotsPerMeterX(7874);
    image.setDotsPerMeterY(7874);
    image.fill(Qt::gray);
    QPainter p(&image);
    DrawLabelThumbnail(doc.Objects(), doc.Environment(), doc.Layout(), p);
    p.end();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));    // outline
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));  // label face
    EXPECT_EQ(image.pixelColor(80, 80), QColor(Qt::red));    // the object
    EXPECT_EQ(image.pixelColor(450, 100), QColor(Qt::gray)); // beyond the 2-inch label
    EXPECT_EQ(image.pixelColor(100, 250), QColor(Qt::gray));
    EXPECT_EQ(image.pixelColor(100, 199), QColor(Qt::black)); // bottom edge of a 1-inch label
}

TEST(LabelDocumentTest, NewLabelKeepsTheLayoutAndResetsTheRest) {
    TZpLabelDocument doc;
    EXPECT_EQ(doc.Layout().Columns, 2);
    EXPECT_EQ(doc.Layout().Rows, 4);
    EXPECT_EQ(doc.Layout().Width, 3.0f);
    EXPECT_EQ(doc.Layout().LabelShape, lsRoundRect);
    EXPECT_EQ(doc.PrintInfo().Copies, 0);
    doc.Add(std::make_shared<TZpCircleObject>());
    doc.Environment().Description = QStringLiteral("x");
    doc.Layout().Columns = 5;
    EXPECT_TRUE(doc.Modified());
    doc.Clear();
    EXPECT_TRUE(doc.Objects().empty());
    EXPECT_TRUE(doc.Environment().Description.isEmpty());
    EXPECT_EQ(doc.Layout().Columns, 5);
    EXPECT_FALSE(doc.Modified());
}

} // namespace
} // namespace zp

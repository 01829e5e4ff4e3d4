// SPDX-License-Identifier: MIT
#include "barcode/BarcodeObject.h"

#include "BarcodeTestSupport.h"
#include "barcode/Barcode.h"
#include "barcode/BarcodeSymbologyChange.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "model/objects/Styles.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "settings/AppOptions.h"
#include "support/TestSupport.h"

#include <QFontInfo>
#include <QPainter>
#include <gtest/gtest.h>

namespace zp {
namespace {

// Code 39 of "12345" at 300 pixels per inch: 7 characters of (3 x 3 + 7)
// modules, 112 pixels at density 1.
constexpr int32_t kUnitWidth = 112;

class BarcodeObjectTest : public testing::Test {
protected:
    void SetUp() override {
        test::ClearStore();
        FAllow = AppOptions().AllowBarcodeResizing;
        AppOptions().AllowBarcodeResizing = true;
    }
    void TearDown() override { AppOptions().AllowBarcodeResizing = FAllow; }

    /// A new bar code in an outline face (one that turns), moved to
    /// (200, 50), as a drag would find it.
    static void Place(TZpBarcodeObject& bc) {
        bc.Font().SetName(QStringLiteral("Liberation Sans"));
        const TRect b = bc.GetBounds();
        const TRect moved{200, 50, 200 + b.Width(), 50 + b.Height()};
        bc.SetBoundsExact(moved);
        bc.SetTrackRect(moved);
    }

    test::TLabelDpiGuard FDpi{300};
    bool FAllow = true;
};

TEST_F(BarcodeObjectTest, NewObjectIsSizedToItsSymbol) {
    TZpBarcodeObject bc;
    EXPECT_EQ(bc.GetSymbology(), bcCode39Ascii);
    EXPECT_EQ(bc.Data().GetText(), QStringLiteral("12345"));
    EXPECT_EQ(bc.GetDensity(), 3);
    EXPECT_EQ(bc.GetHeight(), 150);
    EXPECT_FLOAT_EQ(bc.GetWideToNarrow(), 3.0f);
    EXPECT_TRUE(bc.GetShowHumanReadable());
    EXPECT_EQ(bc.GetHRPosition(), 1);
    EXPECT_EQ(bc.Font().GetName(), QStringLiteral("Arial"));
    EXPECT_EQ(bc.Font().GetSize(), 10);
    EXPECT_EQ(bc.Font().GetAlignment(), taCenter);
    // Bars and a text band of 10 points (Round(10 x 300 / 72) = 42).
    EXPECT_EQ(bc.GetBounds(), (TRect{0, 0, 3 * kUnitWidth, 150 + 42}));
    EXPECT_EQ(bc.GetRotation(), 0);

    IZpUnknown& unknown = bc;
    EXPECT_EQ(Supports<IZpBarcode>(unknown), static_cast<IZpBarcode*>(&bc));
    EXPECT_EQ(Supports<IZpDataCallback>(unknown), static_cast<IZpDataCallback*>(&bc));
    EXPECT_EQ(Supports<IZpFont>(unknown), static_cast<IZpFont*>(&bc.Font()));
    EXPECT_EQ(Supports<IZpData>(unknown), static_cast<IZpData*>(&bc.Data()));
    EXPECT_NE(Supports<IZpScript>(unknown), nullptr);
    EXPECT_NE(Supports<IZpRotation>(unknown), nullptr);
    EXPECT_NE(Supports<IZpPaint>(unknown), nullptr);
    // The options record carries the font.
    const TBarcodeOptions o = bc.GetOptions();
    EXPECT_EQ(o.Symbology, bcCode39Ascii);
    EXPECT_EQ(o.FontSize, 10);
    EXPECT_EQ(o.FontAlignment, taCenter);
}

TEST_F(BarcodeObjectTest, DensityAndAdjustmentsMoveTheFarEndAlongTheSymbol) {
    TZpBarcodeObject bc;
    Place(bc);
    bc.SetDensity(4);
    EXPECT_EQ(bc.GetBounds(), (TRect{200, 50, 200 + 4 * kUnitWidth, 50 + 192}));
    // One more pixel on every bar that follows a space or starts the symbol:
    // 5 in the first character, 4 in each of the 6 others.
    bc.SetBarAdjust(1);
    EXPECT_EQ(bc.GetBounds().Width(), 4 * kUnitWidth + 29);
    bc.SetSpaceAdjust(-1); // one less on the 4 spaces of each character
    EXPECT_EQ(bc.GetBounds().Width(), 4 * kUnitWidth + 29 - 28);
    EXPECT_EQ(bc.GetBounds().Width(), bc.SymbolWidth());

    // At 90 degrees the symbol runs along the height.
    bc.SetRotationExact(90);
    const TRect before = bc.GetBounds();
    bc.SetDensity(2);
    EXPECT_EQ(bc.GetBounds(), (TRect{before.Left, before.Top, before.Right, before.Top + bc.SymbolWidth()}));
}

TEST_F(BarcodeObjectTest, PlainSettersAndSymbologyDoNotResize) {
    TZpBarcodeObject bc;
    Place(bc);
    const TRect before = bc.GetBounds();
    bc.SetShowHumanReadable(false);
    bc.SetHRPosition(0);
    bc.SetWideToNarrow(2.0f);
    bc.SetCheckDigit(true);
    bc.SetSymbology(bcCode128);
    EXPECT_EQ(bc.GetBounds(), before);
    // A new symbology shows its text below the bars again.
    EXPECT_TRUE(bc.GetShowHumanReadable());
    EXPECT_EQ(bc.GetHRPosition(), 1);
    EXPECT_FLOAT_EQ(bc.GetWideToNarrow(), 2.0f);
}

struct THeightCase {
    const char* Name;
    int32_t Rotation;
    int32_t Asked;
    int32_t Stored;
};

class HeightCases : public BarcodeObjectTest, public testing::WithParamInterface<THeightCase> {};

// The height clamps to 0.15 .. 30 inches and the text band stays.
TEST_P(HeightCases, ClampsAndKeepsTheTextBand) {
    const THeightCase& c = GetParam();
    TZpBarcodeObject bc;
    Place(bc);
    bc.SetRotation(c.Rotation);
    bc.SetHRSpacing(5); // plain: the band is now 42 - 5
    bc.SetHeight(c.Asked);
    EXPECT_EQ(bc.GetHeight(), c.Stored);
    const TRect b = bc.GetBounds();
    const int32_t across = c.Rotation == 90 ? b.Width() : b.Height();
    EXPECT_EQ(across, c.Stored + 37 + 5);
    EXPECT_EQ(c.Rotation == 90 ? b.Left : b.Top, c.Rotation == 90 ? 200 : 50);

    bc.SetShowHumanReadable(false);
    bc.SetHeight(c.Asked + 1);
    const TRect hidden = bc.GetBounds();
    EXPECT_EQ(c.Rotation == 90 ? hidden.Width() : hidden.Height(), bc.GetHeight());
}

INSTANTIATE_TEST_SUITE_P(BarcodeObject, HeightCases,
                         testing::Values(THeightCase{"Inch", 0, 300, 300},
                                         THeightCase{"TenthOfAnInch", 0, 30, 45},
                                         THeightCase{"FortyInches", 0, 12000, 9000},
                                         THeightCase{"Negative", 0, -5, 45},
                                         THeightCase{"TurnedTenthOfAnInch", 90, 30, 45}),
                         [](const testing::TestParamInfo<THeightCase>& info) { return info.param.Name; });

TEST_F(BarcodeObjectTest, DraggingTheRightEdgeChangesTheDensityInWholeSteps) {
    TZpBarcodeObject bc;
    Place(bc);
    const TRect start = bc.GetBounds(); // density 3: 336 wide
    TRect q = start;
    q.Right = start.Left + 4 * kUnitWidth - 1; // not quite density 4
    bc.SetBounds(q);
    EXPECT_EQ(bc.GetDensity(), 3);
    EXPECT_EQ(bc.GetBounds(), start);

    q.Right = start.Left + 5 * kUnitWidth + 40;
    bc.SetBounds(q);
    EXPECT_EQ(bc.GetDensity(), 5);
    EXPECT_EQ(bc.GetBounds(), (TRect{start.Left, start.Top, start.Left + 5 * kUnitWidth, start.Bottom}));

    q.Right = start.Left + 10; // shorter than any symbol: density 1
    bc.SetBounds(q);
    EXPECT_EQ(bc.GetDensity(), 1);
    EXPECT_EQ(bc.GetBounds().Right, start.Left + kUnitWidth);
}

TEST_F(BarcodeObjectTest, DraggingTheLeftEdgeKeepsTheRightEdge) {
    TZpBarcodeObject bc;
    Place(bc);
    const TRect start = bc.GetBounds();
    bc.SetBounds(TRect{start.Right - 4 * kUnitWidth - 30, start.Top, start.Right, start.Bottom});
    EXPECT_EQ(bc.GetDensity(), 4);
    EXPECT_EQ(bc.GetBounds(), (TRect{start.Right - 4 * kUnitWidth, start.Top, start.Right, start.Bottom}));
}

TEST_F(BarcodeObjectTest, DraggingTheBottomEdgeChangesTheBarHeight) {
    TZpBarcodeObject bc;
    Place(bc);
    const TRect start = bc.GetBounds();
    bc.SetBounds(TRect{start.Left, start.Top, start.Right, start.Bottom + 60});
    EXPECT_EQ(bc.GetHeight(), 210);
    EXPECT_EQ(bc.GetDensity(), 3);
    EXPECT_EQ(bc.GetBounds(), (TRect{start.Left, start.Top, start.Right, start.Bottom + 60}));
    // Not below 0.15 inch: the text band stays under the clamped bars.
    bc.SetBounds(TRect{start.Left, start.Top, start.Right, start.Top + 10});
    EXPECT_EQ(bc.GetHeight(), 45);
    EXPECT_EQ(bc.GetBounds().Bottom, start.Top + 45 + 42);
}

TEST_F(BarcodeObjectTest, PlacingTakesTheRequestedLengthFromTheStart) {
    TZpBarcodeObject bc;
    bc.SetBounds(TRect{10, 20, 10 + 4 * kUnitWidth + 50, 20 + 300});
    EXPECT_EQ(bc.GetDensity(), 4);
    EXPECT_EQ(bc.GetHeight(), 300 - 42);
    EXPECT_EQ(bc.GetBounds(), (TRect{10, 20, 10 + 4 * kUnitWidth, 20 + 300}));
}

struct TFixedCase {
    const char* Name;
    bool AllowResizing;
    int32_t BarAdjust;
    int32_t SpaceAdjust;
};

class FixedCases : public BarcodeObjectTest, public testing::WithParamInterface<TFixedCase> {};

// With resizing off or an adjustment set the length stays the symbol's and
// only the height follows a drag.
TEST_P(FixedCases, OnlyTheHeightFollows) {
    const TFixedCase& c = GetParam();
    AppOptions().AllowBarcodeResizing = c.AllowResizing;
    TZpBarcodeObject bc;
    bc.SetBarAdjust(c.BarAdjust);
    bc.SetSpaceAdjust(c.SpaceAdjust);
    Place(bc);
    const TRect start = bc.GetBounds();
    const int32_t w = bc.SymbolWidth();
    ASSERT_EQ(start.Width(), w);

    bc.SetBounds(TRect{start.Left, start.Top, start.Right + 500, start.Bottom + 30});
    EXPECT_EQ(bc.GetDensity(), 3);
    EXPECT_EQ(bc.GetHeight(), 180);
    EXPECT_EQ(bc.GetBounds(), (TRect{start.Left, start.Top, start.Left + w, start.Bottom + 30}));

    // The left edge dragged past the right one: the start goes a symbol
    // beyond the far edge, the rectangle stays turned over.
    bc.SetTrackRect(bc.GetBounds());
    const TRect now = bc.GetBounds();
    bc.SetBounds(TRect{now.Right + 100, now.Top, now.Right, now.Bottom});
    EXPECT_EQ(bc.GetBounds(), (TRect{now.Right + w, now.Top, now.Right, now.Bottom}));
}

INSTANTIATE_TEST_SUITE_P(BarcodeObject, FixedCases,
                         testing::Values(TFixedCase{"ResizingOff", false, 0, 0},
                                         TFixedCase{"BarAdjust", true, 2, 0},
                                         TFixedCase{"SpaceAdjust", true, 0, -1}),
                         [](const testing::TestParamInfo<TFixedCase>& info) { return info.param.Name; });

/// Draws the object on a label-mapped image.
void DrawObject(TZpBarcodeObject& bc) {
    QImage image = test::LabelImage(2000, 1200);
    QPainter painter(&image);
    ApplyLabelMapping(painter, {}, LabelDPI());
    bc.Draw(painter);
}

TEST_F(BarcodeObjectTest, WiderTextKeepsTheObjectLongerThanItsSymbol) {
    TZpBarcodeObject bc;
    bc.Data().SetText(QStringLiteral("1"));
    bc.Font().SetSize(150);
    Place(bc);
    DrawObject(bc);
    bc.SetTrackRect(bc.GetBounds());
    const TRect drawn = bc.GetBounds();
    ASSERT_GT(drawn.Width(), bc.SymbolWidth()); // the text overhangs the bars
    // One pixel shorter: the density that fits would still leave the symbol
    // shorter than the text, so the object keeps its density and length.
    bc.SetBounds(TRect{drawn.Left, drawn.Top, drawn.Right - 1, drawn.Bottom});
    EXPECT_EQ(bc.GetDensity(), 3);
    EXPECT_EQ(bc.GetBounds(), drawn);
}

TEST_F(BarcodeObjectTest, DrawingMovesTheRectangleOnlyThen) {
    TZpBarcodeObject bc;
    Place(bc);
    const TRect before = bc.GetBounds();
    bc.SetWideToNarrow(2.0f);
    EXPECT_EQ(bc.GetBounds(), before);
    DrawObject(bc);
    // Exactly where the engine draws the same symbol into the same rectangle.
    TRect expected = before;
    (void)test::DrawToImage("12345", expected, bc.GetOptions(), 0, 2000, 1200);
    EXPECT_EQ(bc.GetBounds(), expected);
    EXPECT_EQ(bc.GetBounds().Width(), bc.SymbolWidth());
    EXPECT_LT(bc.GetBounds().Width(), before.Width());
}

TEST_F(BarcodeObjectTest, TurningExchangesWidthAndHeightExceptByHalfATurn) {
    TZpBarcodeObject bc;
    Place(bc);
    const TRect start = bc.GetBounds();
    bc.SetRotation(90);
    const TRect turned{start.Left, start.Top, start.Left + start.Height(), start.Top + start.Width()};
    EXPECT_EQ(bc.GetBounds(), turned);
    EXPECT_EQ(bc.GetAspectRect(), turned);
    bc.SetRotation(270);
    EXPECT_EQ(bc.GetRotation(), 270);
    EXPECT_EQ(bc.GetBounds(), turned);

    // Dragging the bottom at 270 degrees stretches the symbol from the top.
    bc.SetTrackRect(turned);
    bc.SetBounds(TRect{turned.Left, turned.Top, turned.Right, turned.Top + 4 * kUnitWidth + 3});
    EXPECT_EQ(bc.GetDensity(), 4);
    EXPECT_EQ(bc.GetBounds(), (TRect{turned.Left, turned.Top, turned.Right, turned.Top + 4 * kUnitWidth}));

    bc.SetRotationExact(0);
    EXPECT_EQ(bc.GetRotation(), 0);
    EXPECT_EQ(bc.GetBounds().Height(), 4 * kUnitWidth);
}

TEST_F(BarcodeObjectTest, AFaceThatCannotTurnRefusesTheTurn) {
    TZpScriptedDialogsGuard dialogs;
    TZpBarcodeObject bc;
    bc.Font().SetName(QString()); // no face at all is no outline face
    const TRect start = bc.GetBounds();
    bc.SetRotation(90);
    EXPECT_EQ(bc.GetRotation(), 0);
    EXPECT_EQ(bc.GetBounds(), start);
    EXPECT_EQ(dialogs->Messages(), QStringList{kOnlyTrueTypeRotatedMessage});
}

TEST_F(BarcodeObjectTest, NewTextIsNoticedAtTheNextDrawing) {
    TZpBarcodeObject bc;
    Place(bc);
    const TRect before = bc.GetBounds();
    bc.Data().SetText(QStringLiteral("1234567890"));
    Supports<IZpDataCallback>(static_cast<IZpUnknown&>(bc))->DataChanged();
    EXPECT_EQ(bc.GetBounds(), before);
    DrawObject(bc);
    EXPECT_EQ(bc.GetBounds().Width(), 12 * 16 * 3);
}

// The face a change to UPC or EAN 13 names draws with the installed OCR-B.
TEST_F(BarcodeObjectTest, TheUpcFaceIsTheInstalledOcrB) {
    TZpBarcodeObject bc;
    EXPECT_EQ(QFontInfo(QFont(QLatin1String(kEanUpcFontName))).family(), QStringLiteral("OCR B"));
}

struct TSymbologyCase {
    const char* Name;
    uint8_t Symbology;
    void (*Check)(const TZpBarcodeObject&);
};

class SymbologyCases : public BarcodeObjectTest, public testing::WithParamInterface<TSymbologyCase> {};

// What a change of symbology in the properties dialog also sets, starting
// from an object whose settings are all the other way.
TEST_P(SymbologyCases, SetsWhatSuitsTheSymbology) {
    const TSymbologyCase& c = GetParam();
    TZpBarcodeObject bc;
    bc.Symbology = bcMSI;
    bc.CheckDigit = !(c.Symbology >= bcUPCA && c.Symbology <= bcUPCE1);
    bc.ShowCheckDigit = bc.CheckDigit;
    bc.ShowStartStop = true;
    bc.ShowHumanReadable = false;
    bc.HRPosition = 0;
    bc.Descenders = bc.ShowNumberSystem = bc.ExtendSupplement = false;
    bc.CodabarStart = 2;
    bc.CodabarStop = 3;
    ChangeBarcodeSymbology(bc, c.Symbology);
    EXPECT_EQ(bc.GetSymbology(), c.Symbology);
    EXPECT_TRUE(bc.GetShowHumanReadable());
    EXPECT_EQ(bc.GetHRPosition(), 1);
    c.Check(bc);
}

void Code39Resets(const TZpBarcodeObject& bc) {
    EXPECT_FALSE(bc.CheckDigit || bc.ShowCheckDigit || bc.ShowStartStop);
    EXPECT_FLOAT_EQ(bc.WideToNarrow, 2.0f);
}
void UpcResets(const TZpBarcodeObject& bc) {
    EXPECT_TRUE(bc.Descenders && bc.ShowNumberSystem && bc.ShowCheckDigit && bc.CheckDigit &&
                bc.ExtendSupplement);
    EXPECT_EQ(bc.Font().GetName(), QLatin1String(kEanUpcFontName));
    EXPECT_EQ(bc.Density, 4); // Round(300 x 0.013)
    EXPECT_EQ(bc.GetBounds().Width(), bc.SymbolWidth());
}
void EanResets(const TZpBarcodeObject& bc) {
    EXPECT_FALSE(bc.Descenders); // untouched
    EXPECT_EQ(bc.Font().GetName(), QLatin1String(kEanUpcFontName));
    EXPECT_EQ(bc.Density, 4);
}
void CodabarResets(const TZpBarcodeObject& bc) {
    EXPECT_EQ(bc.CodabarStart, 0);
    EXPECT_EQ(bc.CodabarStop, 0);
}
void NothingElse(const TZpBarcodeObject& bc) {
    EXPECT_TRUE(bc.CheckDigit && bc.ShowStartStop);
    EXPECT_EQ(bc.CodabarStart, 2);
    EXPECT_EQ(bc.Density, 3);
    EXPECT_EQ(bc.Font().GetName(), QStringLiteral("Arial"));
}

INSTANTIATE_TEST_SUITE_P(BarcodeObject, SymbologyCases,
                         testing::Values(TSymbologyCase{"Code39", bcCode39, Code39Resets},
                                         TSymbologyCase{"Code39Ascii", bcCode39Ascii, Code39Resets},
                                         TSymbologyCase{"UpcA", bcUPCA, UpcResets},
                                         TSymbologyCase{"UpcE1", bcUPCE1, UpcResets},
                                         TSymbologyCase{"Ean13", bcEAN13, EanResets},
                                         TSymbologyCase{"Ean8", bcEAN8, NothingElse},
                                         TSymbologyCase{"CodabarClsi", bcCodabarCLSI, CodabarResets},
                                         TSymbologyCase{"Code128", bcCode128, NothingElse}),
                         [](const testing::TestParamInfo<TSymbologyCase>& info) { return info.param.Name; });

} // namespace
} // namespace zp

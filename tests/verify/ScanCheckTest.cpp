// SPDX-License-Identifier: MIT
// Single labels drawn at a printer's resolution and their symbols read back:
// every checked symbology passes with what a scanner transmits, and the
// faults that print unreadable codes are found.
#include "print/verify/ScanCheck.h"

#include "VerifyFixture.h"
#include "model/objects/ShapeObjects.h"
#include "print/verify/ScanExpectation.h"

namespace zp {
namespace {

using test::VerifyFixture;

struct TGoodCase {
    const char* Name;
    uint8_t Symbology;
    const char* Data;
    const char* Transmitted; // what the report shows as data and as read
    int32_t Density = 3;
    void (*Options)(TZpBarcodeObject&) = nullptr;
};

void PrintTo(const TGoodCase& c, std::ostream* os) {
    *os << c.Name;
}

const TGoodCase kGoodCases[] = {
    {"Code39", bcCode39, "ABC-123", "ABC-123"},
    // A scanner set up for the check character verifies it and leaves it out.
    {"Code39Check", bcCode39, "ABC", "ABC", 3, [](TZpBarcodeObject& b) { b.CheckDigit = true; }},
    {"Code39FullAscii", bcCode39Ascii, "Hi, you!", "Hi, you!", 2},
    {"Code128", bcCode128, "Hello 123", "Hello 123"},
    // FNC1 inside the data is the group separator, shown as an escape.
    {"Code128Fnc1", bcCode128, "123\\F145", "123\\02945", 2},
    // The leading FNC1 marks GS1 data and sends nothing; the check digit is data.
    {"Ucc128", bcUCC128, "0000012345555555555", "00000123455555555558", 2,
     [](TZpBarcodeObject& b) { b.CheckDigit = true; }},
    {"UpcA", bcUPCA, "03600029145", "036000291452"},
    {"UpcE1", bcUPCE1, "425261", "14252611"},
    {"Ean13Supplement", bcEAN13, "40063813339312", "4006381333931 12"},
    {"Ean8", bcEAN8, "5512345", "55123457"},
    {"Bookland", bcBookland, "030640615", "9780306406157"},
    {"Int2of5OddLength", bcInt2of5, "12345", "012345"},
    {"Itf14", bcITF14, "1234567890123", "12345678901231"},
    {"CodabarClsi", bcCodabarCLSI, "1234567890123", "C12345678901237B", 3,
     [](TZpBarcodeObject& b) {
         b.CodabarStart = 2;
         b.CodabarStop = 1;
     }},
    {"Code93", bcCode93, "Hello, World!", "Hello, World!"},
    // At 90 degrees the symbol grows upwards from the bottom of its rectangle.
    {"Code128Turned", bcCode128, "TURNED 90", "TURNED 90", 3,
     [](TZpBarcodeObject& b) {
         b.Rotation = 90;
         b.SetBoundsExact({60, 20, 260, 580});
     }},
    {"Ean13UpsideDown", bcEAN13, "400638133393", "4006381333931", 3,
     [](TZpBarcodeObject& b) { b.Rotation = 180; }},
};

class GoodSymbols : public VerifyFixture, public testing::WithParamInterface<TGoodCase> {};

TEST_P(GoodSymbols, ReadBackAsEncodedAtTwoResolutions) {
    const TGoodCase& c = GetParam();
    auto bc = AddBarcode(c.Symbology, QString::fromLatin1(c.Data), c.Density);
    if (c.Options)
        c.Options(*bc);
    for (const int dpi : {300, 600}) {
        TZpScanCheck check(Objects, Layout, dpi);
        const std::vector<TZpScanResult> results = check.CheckLabel(1, 0);
        ASSERT_EQ(results.size(), 1u);
        const TZpScanResult& r = results.front();
        EXPECT_EQ(r.Verdict, TZpScanVerdict::Ok)
            << dpi << " dpi: " << r.Note.toStdString() << ", read \"" << r.Decoded.toStdString() << "\"";
        EXPECT_EQ(r.Data.toStdString(), c.Transmitted) << dpi;
        EXPECT_EQ(r.Decoded.toStdString(), c.Transmitted) << dpi;
        // Density 3 at 300 dpi is 3 dots a module, 6 at 600.
        EXPECT_GE(r.NarrowestBar, c.Density * dpi / 300) << dpi;
        EXPECT_GE(r.NarrowestSpace, c.Density * dpi / 300) << dpi;
    }
}

INSTANTIATE_TEST_SUITE_P(Symbologies, GoodSymbols, testing::ValuesIn(kGoodCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(VerifyFixture, SymbologiesWithoutAReaderAreNotChecked) {
    AddBarcode(bcMSI, QStringLiteral("12345"), 3);
    AddBarcode(bcCode11, QStringLiteral("123-45"), 3, 60, 300);
    AddBarcode(bcPostnet, QStringLiteral("12345"), 3, 700, 60);
    TZpScanCheck check(Objects, Layout, 300);
    for (const TZpScanResult& r : check.CheckLabel(1, 0)) {
        EXPECT_EQ(r.Verdict, TZpScanVerdict::NotChecked) << r.Symbology.toStdString();
        EXPECT_GT(r.NarrowestBar, 0) << r.Symbology.toStdString();
    }
}

// At 203 dpi with one label pixel to a dot, density 1 makes modules of one
// dot: readable as they are, gone once a bar adjustment takes a dot.
TEST_F(VerifyFixture, OneDotModulesFailOnceABarAdjustmentTakesFromThem) {
    SetLabelDPI(203);
    auto bc = AddBarcode(bcCode128, QStringLiteral("ABC-1234"), 1);
    bc->Height = 80;
    TZpScanCheck check(Objects, Layout, 203);
    TZpScanResult r = check.CheckLabel(1, 0).front();
    EXPECT_EQ(r.Verdict, TZpScanVerdict::Ok) << r.Note.toStdString();
    EXPECT_EQ(r.NarrowestBar, 1);
    EXPECT_EQ(r.NarrowestSpace, 1);

    bc->BarAdjust = -1;
    r = check.CheckLabel(1, 0).front();
    EXPECT_EQ(r.Verdict, TZpScanVerdict::Failed);
    EXPECT_EQ(r.NarrowestBar, 0);
    EXPECT_EQ(r.NarrowestSpace, 1);
}

TEST_F(VerifyFixture, ASymbolCutByTheLabelEdgeFails) {
    // The label is 1200 pixels wide; the symbol starts 400 pixels before its edge.
    auto bc = AddBarcode(bcCode128, QStringLiteral("EDGE-0001"), 4, 800);
    TZpScanCheck check(Objects, Layout, 300);
    const TZpScanResult cut = check.CheckLabel(1, 0).front();
    ASSERT_GT(bc->GetBounds().Right, 1200);
    EXPECT_EQ(cut.Verdict, TZpScanVerdict::Failed);
    EXPECT_EQ(cut.Note, QStringLiteral("not read"));

    // Moved inside, the same symbol reads.
    const TRect b = bc->GetBounds();
    bc->SetBoundsExact({40, b.Top, 40 + b.Width(), b.Bottom});
    EXPECT_EQ(check.CheckLabel(1, 0).front().Verdict, TZpScanVerdict::Ok);
}

// Data that "Ignore" let through prints the red placeholder, which no
// scanner reads: the check says so instead of reading the box.
TEST_F(VerifyFixture, InvalidDataPrintedThroughIgnoreFails) {
    AddBarcode(bcUPCA, QStringLiteral("0360002914A"), 3);
    TZpScanCheck check(Objects, Layout, 300);
    const TZpScanResult r = check.CheckLabel(1, 0).front();
    EXPECT_EQ(r.Verdict, TZpScanVerdict::Failed);
    EXPECT_FALSE(r.ValidData);
    EXPECT_EQ(r.Data, QStringLiteral("0360002914A"));
    EXPECT_TRUE(r.Decoded.isEmpty());
}

// A character that the symbology has no form for is invalid data, never
// left out of the symbol.
TEST_F(VerifyFixture, CharactersWithoutAPatternAreInvalidData) {
    for (const uint8_t symbology : {bcCode39Ascii, bcCode93, bcCode128}) {
        Objects.clear();
        AddBarcode(symbology, QStringLiteral("Caf\u00e9"), 3);
        TZpScanCheck check(Objects, Layout, 300);
        const TZpScanResult r = check.CheckLabel(1, 0).front();
        EXPECT_EQ(r.Verdict, TZpScanVerdict::Failed) << int(symbology);
        EXPECT_FALSE(r.ValidData) << int(symbology);
        EXPECT_EQ(r.Note, QStringLiteral("invalid data for the symbology"));
        EXPECT_TRUE(r.Decoded.isEmpty());
    }
}

TEST_F(VerifyFixture, AnObjectOverPrintingTheBarsFails) {
    AddBarcode(bcCode128, QStringLiteral("COVERED"), 3);
    TZpScanCheck check(Objects, Layout, 300);
    ASSERT_EQ(check.CheckLabel(1, 0).front().Verdict, TZpScanVerdict::Ok);
    // A second symbol drawn over the first one's bars, a little to the right.
    AddBarcode(bcCode128, QStringLiteral("OVER"), 3, 100, 80);
    TZpScanCheck both(Objects, Layout, 300);
    EXPECT_EQ(both.CheckLabel(1, 0).front().Verdict, TZpScanVerdict::Failed);
}

// A mark printed in the quiet zone after the bars: the reader no longer
// finds where the symbol ends.
TEST_F(VerifyFixture, AMarkInTheQuietZoneFails) {
    auto bc = AddBarcode(bcCode128, QStringLiteral("QUIET-01"), 3);
    TZpScanCheck check(Objects, Layout, 300);
    ASSERT_EQ(check.CheckLabel(1, 0).front().Verdict, TZpScanVerdict::Ok);
    const TRect b = bc->GetBounds();
    auto mark = std::make_shared<TZpRectangleObject>();
    mark->FillStyle().SetStyle(bsSolid);
    mark->FillStyle().SetTransparent(false);
    mark->FillStyle().SetColor(clBlack);
    // Two modules after the bars (the text is centred under them), as high as the bars.
    mark->SetBoundsExact({b.Right + 6, b.Top, b.Right + 30, b.Top + 120});
    Objects.push_back(mark);
    TZpScanCheck marked(Objects, Layout, 300);
    EXPECT_EQ(marked.CheckLabel(1, 0).front().Verdict, TZpScanVerdict::Failed);
}

} // namespace
} // namespace zp

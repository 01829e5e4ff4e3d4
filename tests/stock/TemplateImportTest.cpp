// SPDX-License-Identifier: MIT
#include "model/stock/StockCheck.h"
#include "stock/StockTestSupport.h"

namespace zp::test {
namespace {

const char kTemplates[] = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Acme" part="100" size="US-Letter" _description="Address Labels">
    <Meta category="label"/>
    <Label-rectangle id="0" width="2.625in" height="1in" round="0.0625in" x_waste="0.0625in">
      <Markup-margin size="0.0625in"/>
      <Layout nx="3" ny="10" x0="0.1875in" y0="0.5in" dx="2.75in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="101" equiv="100"/>
  <Template brand="Acme" part="200" size="A4" description="Round Labels">
    <Label-round id="0" radius="20mm"><Layout nx="4" ny="6" x0="10mm" y0="12mm" dx="50mm" dy="45mm"/></Label-round>
  </Template>
  <Template brand="bolt" part="E1" size="Other" width="288pt" height="432pt" _description="Ovals">
    <Label-ellipse id="0" width="2cm" height="72"><Layout nx="1" ny="1" x0="36" y0="0.5cm"/></Label-ellipse>
  </Template>
  <Template brand="Acme" part="CD" size="A4" _description="CD">
    <Label-cd id="0" radius="58.5mm" hole="20mm"><Layout nx="1" ny="2" x0="1in" y0="1in" dy="5in"/></Label-cd>
  </Template>
  <Template brand="Acme" part="TWO" size="A4" _description="Mixed">
    <Label-rectangle id="0" width="1in" height="1in">
      <Layout nx="1" ny="1" x0="0" y0="0"/><Layout nx="1" ny="1" x0="2in" y0="0"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="WIDE" size="US-Letter" _description="Address Labels">
    <Label-rectangle id="0" width="5in" height="1in"><Layout nx="2" ny="1" x0="0" y0="0" dx="5in"/></Label-rectangle>
  </Template>
  <Template brand="Acme" part="FURLONG" size="US-Letter" _description="Address Labels">
    <Label-rectangle id="0" width="1fur" height="1in"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-rectangle>
  </Template>
</Glabels-templates>
)";

class TemplateImport : public StockFolderTest {
protected:
    void Write(const QString& name, const QByteArray& text) {
        QDir().mkpath(Shipped("templates"));
        QFile f(Shipped("templates/" + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    static const TLabelProperties* Find(const TZpTemplateStocks& s, const QString& brand,
                                        const QString& part) {
        for (const auto& m : s.Brands)
            if (m.Name == brand)
                for (const auto& c : m.Categories)
                    for (const auto& f : c.Formats)
                        if (f.Layout.Product == part)
                            return &f.Layout;
        return nullptr;
    }
};

TEST_F(TemplateImport, ShapesUnitsPapersAndEquivalents) {
    Write("acme-templates.xml", kTemplates);
    const TZpTemplateStocks s = ReadTemplateFolders({Shipped("templates")});
    ASSERT_EQ(s.Brands.size(), 2u);
    EXPECT_EQ(s.Brands[0].Name, "Acme");
    EXPECT_EQ(s.Brands[1].Name, "bolt");
    EXPECT_EQ(s.Count(), 4); // CD, two grids, overlapping and bad unit are left out

    const TLabelProperties* rounded = Find(s, "Acme", "100");
    ASSERT_TRUE(rounded);
    EXPECT_EQ(rounded->Category, "Address Labels");
    EXPECT_EQ(rounded->PageType, "US Letter");
    EXPECT_FLOAT_EQ(rounded->PageWidth, 8.5f);
    EXPECT_EQ(rounded->LabelShape, lsRoundRect);
    EXPECT_FLOAT_EQ(rounded->EllipseWidth, 0.125f); // the corner's diameter
    EXPECT_EQ(rounded->Columns, 3);
    EXPECT_FLOAT_EQ(rounded->HorizontalPitch, 2.75f);

    const TLabelProperties* equiv = Find(s, "Acme", "101");
    ASSERT_TRUE(equiv);
    EXPECT_FLOAT_EQ(equiv->Width, 2.625f);

    const TLabelProperties* round = Find(s, "Acme", "200");
    ASSERT_TRUE(round);
    EXPECT_EQ(round->LabelShape, lsEllipse);
    EXPECT_NEAR(round->Width, 40 / 25.4, 1e-5);
    EXPECT_NEAR(round->PageHeight, 297 / 25.4, 1e-5);

    const TLabelProperties* oval = Find(s, "bolt", "E1");
    ASSERT_TRUE(oval);
    EXPECT_NEAR(oval->Width, 2 / 2.54, 1e-5);
    EXPECT_FLOAT_EQ(oval->Height, 1.0f); // a bare number is points
    EXPECT_FLOAT_EQ(oval->LeftMargin, 0.5f);
    EXPECT_FLOAT_EQ(oval->PageWidth, 4.0f);
    EXPECT_FLOAT_EQ(oval->HorizontalPitch, oval->Width); // one column, no pitch given

    EXPECT_FALSE(Find(s, "Acme", "WIDE"));
    EXPECT_EQ(s.Notes.filter("WIDE").size(), 1);
    EXPECT_EQ(s.Notes.filter("FURLONG skipped: a length in an unknown unit").size(), 1);
}

TEST_F(TemplateImport, FileThatIsNotWellFormedIsSkippedWithANote) {
    Write("acme-templates.xml", kTemplates);
    Write("broken-templates.xml",
          QByteArray(kTemplates)
              .replace("</Template>\n  <Template brand=\"bolt\"", "<Template brand=\"bolt\""));
    const TZpTemplateStocks s = ReadTemplateFolders({Shipped("templates")});
    EXPECT_EQ(s.Count(), 4);
    ASSERT_EQ(s.Notes.filter("broken-templates.xml").size(), 1);
}

TEST_F(TemplateImport, ImportedBrandsJoinTheCatalogueWithoutRepeatingProducts) {
    Write("acme-templates.xml", kTemplates);
    TZpLabelCatalogue catalogue(2);
    catalogue[0].Name = "Custom";
    catalogue[1].Name = "ACME";
    catalogue[1].Add(Stock("100", 2.625f, 1));
    AddImportedStocks(catalogue, ReadTemplateFolders({Shipped("templates")}));
    ASSERT_EQ(catalogue.size(), 3u);
    EXPECT_EQ(catalogue[0].FormatCount(), 0);
    EXPECT_EQ(catalogue[1].FormatCount(), 3); // its own 100, then 101 and 200
    EXPECT_EQ(catalogue[2].Name, "bolt");
}

TEST(StockCheck, RefusesStocksThatLeaveThePageOrOverlap) {
    struct Case {
        const char* What;
        void (*Change)(TLabelProperties&);
        bool Sound;
    };
    const Case cases[] = {
        {"as made", [](TLabelProperties&) {}, true},
        {"last column past the right edge", [](TLabelProperties& l) { l.PageWidth = 4; }, false},
        {"last row past the bottom", [](TLabelProperties& l) { l.Rows = 30; }, false},
        {"negative margin", [](TLabelProperties& l) { l.LeftMargin = -0.1f; }, false},
        {"pitch below the width", [](TLabelProperties& l) { l.HorizontalPitch = 1; }, false},
        {"pitch ignored for one column", [](TLabelProperties& l) { l.Columns = 1, l.HorizontalPitch = 0; },
         true},
        {"no rows", [](TLabelProperties& l) { l.Rows = 0; }, false},
        {"not a number", [](TLabelProperties& l) { l.TopMargin = NAN; }, false},
        {"a few thousandths over", [](TLabelProperties& l) { l.PageWidth = 4.874f; }, true},
    };
    for (const Case& c : cases) {
        TLabelProperties l = Stock("X", 2, 1);
        c.Change(l);
        EXPECT_EQ(StockProblem(l).isEmpty(), c.Sound) << c.What << ": " << StockProblem(l).toStdString();
    }
}

} // namespace
} // namespace zp::test

// SPDX-License-Identifier: MIT
#include "model/stock/StockListConversion.h"
#include "stock/StockTestSupport.h"

#include <QFileInfo>

namespace zp::test {
namespace {

const char kHeader[] =
    "Manufacturer,Category,Type,Product,Notes,Page,PW,PH,Cols,Rows,LM,TM,W,H,HP,VP,Shape,EW,EH,MM,LPM\n";

/// A line for the maker and product with the given shape and page size.
QByteArray Line(const char* maker, const char* product, const char* shape = "Rect",
                const char* page = "8.5,11", const char* category = "Address") {
    return QByteArray(maker) + "," + category + ",Address," + product + ",x,Letter," + page +
           ",2,3,0.25,0.5,2,1,2.5,1," + shape + ",0.1,0.2,0,0\n";
}

class StockList : public StockFolderTest {
protected:
    TZpStockListResult Convert(const QByteArray& text) {
        QFile f(Shipped("list.csv"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        return ConvertStockList(Shipped("list.csv"), Shipped("out"), FCatalogue);
    }
    [[nodiscard]] const TLabelProperties& First(int manufacturer = 0) const {
        return FCatalogue.at(size_t(manufacturer)).Categories.at(0).Formats.at(0).Layout;
    }
    TZpLabelCatalogue FCatalogue;
};

TEST(StockListSplit, FieldsAreTrimmedAndQuotedFieldsKeepTheirCommas) {
    struct Case {
        const char* Line;
        QStringList Fields;
        const char* Catches;
    };
    const Case cases[] = {
        {"a,b,c", {"a", "b", "c"}, "plain fields"},
        {"  a ,\tb,c  ", {"a ", "b", "c"}, "spaces before a field go, spaces before its comma stay"},
        {"\"x, y\",b", {"x, y", "b", ""}, "a quoted field keeps its comma; missing fields are empty"},
        {"\"x\" junk ,b,c", {"x", "b", "c"}, "text after the closing quote is dropped up to the comma"},
        {"\"open,b", {"open,b", "", ""}, "an unclosed quote takes the rest of the line"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitStockListLine(c.Line, 3), c.Fields) << c.Catches;
}

TEST_F(StockList, ShapesOrientationAndFieldsConvert) {
    const auto result = Convert(QByteArray(kHeader) + Line("Acme", "R1", "Rect") +
                                Line("Acme", "R2", "RRect") + Line("Acme", "R3", "rect") +
                                Line("Acme", "R4", "Oval") + Line("Acme", "W", "Rect", "11,8.5"));
    ASSERT_TRUE(result.Error.isEmpty()) << result.Error.toStdString();
    ASSERT_EQ(result.Formats, 5);
    std::map<QString, TLabelProperties> byProduct;
    for (const auto& f : FCatalogue.at(0).Categories.at(0).Formats)
        byProduct[f.Layout.Product] = f.Layout;
    EXPECT_EQ(byProduct["R1"].LabelShape, lsRectangle);
    EXPECT_EQ(byProduct["R2"].LabelShape, lsRoundRect);
    EXPECT_EQ(byProduct["R3"].LabelShape, lsEllipse); // compared exactly
    EXPECT_EQ(byProduct["R4"].LabelShape, lsEllipse);
    EXPECT_EQ(byProduct["W"].PageOrientation, 1);
    EXPECT_EQ(byProduct["R1"].PageOrientation, 0);
    const TLabelProperties& r = byProduct["R1"];
    EXPECT_EQ(r.PageType, "Letter");
    EXPECT_EQ(r.Columns, 2);
    EXPECT_EQ(r.Rows, 3);
    EXPECT_FLOAT_EQ(r.HorizontalPitch, 2.5f);
    EXPECT_FLOAT_EQ(r.EllipseWidth, 0.1f);
    EXPECT_FLOAT_EQ(r.EllipseHeight, 0.2f);
    EXPECT_EQ(result.Files, QStringList({Shipped("out/Acme.ldb")}));
}

TEST_F(StockList, FewerThanTwoLinesReadNothing) {
    EXPECT_EQ(Convert(kHeader).Formats, 0);
    EXPECT_EQ(Convert(Line("Acme", "only a header")).Formats, 0);
    EXPECT_TRUE(FCatalogue.empty());
    EXPECT_FALSE(QFileInfo::exists(Shipped("out/Acme.ldb")));
}

TEST_F(StockList, ANonNumberStopsButWhatWasReadIsWritten) {
    QByteArray bad = Line("Bolt", "B1");
    bad.replace(",2,3,", ",two,3,");
    const auto result = Convert(QByteArray(kHeader) + Line("Acme", "A1") + bad + Line("Cork", "C1"));
    EXPECT_TRUE(result.Error.contains("\"two\"")) << result.Error.toStdString();
    EXPECT_TRUE(result.Error.contains("Line 3")) << result.Error.toStdString();
    EXPECT_EQ(result.Files, QStringList({Shipped("out/Acme.ldb")}));
    EXPECT_FALSE(QFileInfo::exists(Shipped("out/Bolt.ldb")));
    EXPECT_FALSE(QFileInfo::exists(Shipped("out/Cork.ldb")));
}

TEST_F(StockList, AMakerWhoseLinesComeBackKeepsAllOfThemInItsFile) {
    const auto result = Convert(QByteArray(kHeader) + Line("Acme", "A1") + Line("Bolt", "B1") +
                                Line("Acme", "A2", "Rect", "8.5,11", "Round"));
    ASSERT_TRUE(result.Error.isEmpty());
    EXPECT_EQ(result.Files.size(), 2);
    TZpLabelCatalogue back;
    LoadLabelFormatFile(Shipped("out/Acme.ldb"), back);
    EXPECT_EQ(back.at(0).FormatCount(), 2);
}

TEST_F(StockList, StockOutsideItsPageIsRefusedWithANote) {
    const auto result =
        Convert(QByteArray(kHeader) + Line("Acme", "Fits") + Line("Acme", "Too wide", "Rect", "4,11"));
    EXPECT_TRUE(result.Error.isEmpty());
    EXPECT_EQ(result.Formats, 1);
    ASSERT_EQ(result.Notes.size(), 1);
    EXPECT_TRUE(result.Notes[0].contains("outside the page"));
}

TEST_F(StockList, MakerNamesCannotLeaveTheFolder) {
    EXPECT_EQ(StockListFileName("../../etc/x"), "_.._.._etc_x.ldb");
    EXPECT_EQ(StockListFileName(""), "_.ldb");
    Convert(QByteArray(kHeader) + Line("a/b", "X"));
    EXPECT_TRUE(QFileInfo::exists(Shipped("out/a_b.ldb")));
}

} // namespace
} // namespace zp::test

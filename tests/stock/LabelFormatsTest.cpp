// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "model/stock/StockCatalogue.h"
#include "stock/StockTestSupport.h"

#include <QBuffer>
#include <QFileInfo>

namespace zp::test {
namespace {

QStringList Names(const TZpLabelCatalogue& c) {
    QStringList names;
    for (const auto& m : c)
        names << m.Name;
    return names;
}

QStringList Texts(const TZpLabelCategory& c) {
    QStringList texts;
    for (const auto& f : c.Formats)
        texts << f.DisplayText;
    return texts;
}

TEST(LabelFormats, DisplayTextHasTwoDecimalsWithoutGroupSeparators) {
    EXPECT_EQ(LabelFormatDisplayText(Stock("A-100", 2.6f, 1)), "A-100 (2.60 x 1.00)");
    EXPECT_EQ(LabelFormatDisplayText(Stock("Big", 1234.5f, 0.5f)), "Big (1234.50 x 0.50)");
    const QLocale old;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(LabelFormatDisplayText(Stock("A-100", 2.6f, 1)), "A-100 (2,60 x 1,00)");
    QLocale::setDefault(old);
}

TEST(LabelFormats, CategoriesAndFormatsSortWithoutRegardToCaseAndKeepDuplicates) {
    TZpLabelManufacturer m;
    m.Add(Stock("b-2", 1, 1, "shipping"));
    m.Add(Stock("A-1", 1, 1, "Address"));
    m.Add(Stock("a-1", 1, 1, "address")); // same category, same text but for case
    m.Add(Stock("A-1", 1, 1, "Address")); // same display text twice: both listed
    m.Add(Stock("C-3", 1, 1, "Round"));
    ASSERT_EQ(m.Categories.size(), 3u);
    EXPECT_EQ(m.Categories[0].Name, "Address");
    EXPECT_EQ(m.Categories[1].Name, "Round");
    EXPECT_EQ(m.Categories[2].Name, "shipping");
    EXPECT_EQ(Texts(m.Categories[0]),
              QStringList({"A-1 (1.00 x 1.00)", "a-1 (1.00 x 1.00)", "A-1 (1.00 x 1.00)"}));
}

TEST(LabelFormats, FileIsAListOfLayoutBlocksAndReadsBackInTheSameOrder) {
    TZpLabelManufacturer m;
    m.Add(Stock("Z", 1, 1, "Shipping"));
    m.Add(Stock("A", 2, 1, "Address"));
    m.Add(Stock("A", 2, 1, "Address"));
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    WriteLabelFormats(out, m.Categories);
    EXPECT_EQ(bytes.front(), char(1));
    EXPECT_EQ(bytes.back(), char(0));

    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    TZpLabelManufacturer back;
    ReadLabelFormats(in, back);
    ASSERT_EQ(back.FormatCount(), 3);
    EXPECT_EQ(back.Categories[0].Formats[0].Layout.Product, "A");
    EXPECT_EQ(back.Categories[1].Formats[0].Layout.Width, 1.0f);

    QByteArray again;
    QBuffer out2(&again);
    out2.open(QIODevice::WriteOnly);
    WriteLabelFormats(out2, back.Categories);
    EXPECT_EQ(again, bytes);
}

class LabelFormatFiles : public StockFolderTest {};

TEST_F(LabelFormatFiles, DamagedFileNamesTheFileAndTheReaderMessageAndAddsNothing) {
    WriteFormats(Shipped("Acme.ldb"), {Stock("A", 1, 1)});
    const QByteArray good = Bytes(Shipped("Acme.ldb"));
    struct Case {
        const char* What;
        QByteArray Bytes;
        const char* Message;
    };
    const Case cases[] = {
        {"truncated", good.left(good.size() - 7), "Stream read error"},
        {"no list tag", good.mid(1), "Invalid property value"},
        {"a list end missing", good.chopped(1), "Stream read error"},
        {"empty", QByteArray(), "Stream read error"},
    };
    for (const Case& c : cases) {
        QFile f(Shipped("Broken.ldb"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.Bytes);
        f.close();
        TZpLabelCatalogue catalogue;
        try {
            LoadLabelFormatFile(Shipped("Broken.ldb"), catalogue);
            ADD_FAILURE() << c.What;
        } catch (const EZpError& e) {
            EXPECT_TRUE(e.Message().contains("Broken.ldb")) << c.What << ": " << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(c.Message)) << c.What << ": " << e.Message().toStdString();
        }
        EXPECT_TRUE(catalogue.empty()) << c.What;
    }
}

TEST_F(LabelFormatFiles, CustomListComesFirstAndIsNotLoadedTwice) {
    WriteFormats(Shipped("Acme.ldb"), {Stock("A", 1, 1)});
    WriteFormats(Shipped("Bolt.ldb"), {Stock("B", 1, 1)});
    WriteFormats(Shipped("CUSTOM.LDB"), {Stock("shipped custom", 1, 1)});
    WriteFormats(User("Custom.ldb"), {Stock("mine", 1, 1)});
    WriteFormats(User("Bolt.ldb"), {Stock("user's bolt", 1, 1)}); // hides the shipped one
    TZpLabelCatalogue catalogue;
    LoadInstalledCatalogue(catalogue);
    EXPECT_EQ(Names(catalogue), QStringList({"Custom", "Bolt", "Acme"}));
    EXPECT_EQ(catalogue[1].Categories[0].Formats[0].Layout.Product, "user's bolt");

    // Only a differently spelled custom list: it is the custom list, once.
    QFile::remove(User("Custom.ldb"));
    WriteFormats(User("custom.LDB"), {Stock("mine", 1, 1)});
    LoadInstalledCatalogue(catalogue);
    EXPECT_EQ(Names(catalogue), QStringList({"custom", "Bolt", "Acme"}));
}

TEST_F(LabelFormatFiles, OneDamagedFileStopsTheWholeCatalogue) {
    WriteFormats(Shipped("Acme.ldb"), {Stock("A", 1, 1)});
    QFile f(Shipped("Bad.ldb"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x06");
    f.close();
    TZpLabelCatalogue catalogue;
    EXPECT_THROW(LoadInstalledCatalogue(catalogue), EZpError);
    EXPECT_TRUE(catalogue.empty());
}

TEST_F(LabelFormatFiles, SavingToTheCustomListThenDeletingEveryFormatRemovesTheFile) {
    TLabelProperties mine = Stock("Mine", 2, 1, "Custom");
    SaveToCustomList(mine);
    SaveToCustomList(Stock("Other", 3, 1, "Custom"));
    TZpLabelCatalogue catalogue;
    LoadInstalledCatalogue(catalogue);
    ASSERT_EQ(Names(catalogue), QStringList({"Custom"}));
    ASSERT_EQ(catalogue[0].FormatCount(), 2);

    DeleteCustomFormat(catalogue, 0, 0);
    LoadInstalledCatalogue(catalogue);
    ASSERT_EQ(catalogue[0].FormatCount(), 1);
    EXPECT_EQ(catalogue[0].Categories[0].Formats[0].Layout.Product, "Other");

    DeleteCustomFormat(catalogue, 0, 0);
    EXPECT_FALSE(QFileInfo::exists(UserStockFolder() + "Custom.ldb"));
    LoadInstalledCatalogue(catalogue);
    EXPECT_TRUE(catalogue.empty());
}

TEST_F(LabelFormatFiles, EmptyingOneCategoryKeepsTheOtherCategoriesOfTheCustomList) {
    WriteFormats(User("Custom.ldb"), {Stock("A", 1, 1, "Address"), Stock("S", 4, 2, "Shipping")});
    TZpLabelCatalogue catalogue;
    LoadInstalledCatalogue(catalogue);
    DeleteCustomFormat(catalogue, 0, 0);
    LoadInstalledCatalogue(catalogue);
    ASSERT_EQ(catalogue.size(), 1u);
    ASSERT_EQ(catalogue[0].Categories.size(), 1u);
    EXPECT_EQ(catalogue[0].Categories[0].Name, "Shipping");
}

TEST_F(LabelFormatFiles, DamagedCustomListIsNotOverwrittenBySaving) {
    QFile f(User("Custom.ldb"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x06\x03");
    f.close();
    EXPECT_THROW(SaveToCustomList(Stock("Mine", 1, 1)), EZpError);
    EXPECT_EQ(Bytes(User("Custom.ldb")), QByteArray("\x01\x06\x03"));
}

} // namespace
} // namespace zp::test

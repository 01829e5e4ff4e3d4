// SPDX-License-Identifier: MIT
#include "model/stock/StockCheck.h"
#include "model/stock/StockListConversion.h"
#include "stock/StockTestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

namespace zp::test {
namespace {

void ExpectSound(const TZpLabelCatalogue& catalogue, const char* what) {
    for (const auto& m : catalogue)
        for (const auto& c : m.Categories)
            for (const auto& f : c.Formats)
                EXPECT_EQ(StockProblem(f.Layout), QString())
                    << what << ": " << m.Name.toStdString() << " " << f.DisplayText.toStdString();
}

TEST(ShippedCatalogue, EveryFileReadsAndWritesBackTheSameBytes) {
    const QStringList files = QDir(ZP_SHARE_DIR).entryList({"*.ldb"}, QDir::Files);
    ASSERT_GE(files.size(), 4) << "the build converts the shipped stock list";
    TZpLabelCatalogue catalogue;
    int formats = 0;
    for (const QString& name : files) {
        const QString path = QDir(ZP_SHARE_DIR).filePath(name);
        LoadLabelFormatFile(path, catalogue);
        formats += catalogue.back().FormatCount();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray again;
        QBuffer out(&again);
        out.open(QIODevice::WriteOnly);
        WriteLabelFormats(out, catalogue.back().Categories);
        EXPECT_EQ(again, file.readAll()) << name.toStdString();
    }
    EXPECT_GE(formats, 60);
    ExpectSound(catalogue, "shipped");
}

TEST(ShippedCatalogue, TheListHasEveryCommonKindOnBothPages) {
    QTemporaryDir out;
    TZpLabelCatalogue catalogue;
    const TZpStockListResult result = ConvertStockList(ZP_STOCK_CSV, out.path(), catalogue);
    ASSERT_TRUE(result.Error.isEmpty()) << result.Error.toStdString();
    EXPECT_TRUE(result.Notes.isEmpty()) << result.Notes.join('\n').toStdString();
    QSet<QString> kinds;
    for (const auto& m : catalogue)
        for (const auto& c : m.Categories)
            for (const auto& f : c.Formats)
                kinds.insert(c.Name + " on " + f.Layout.PageType);
    for (const char* category : {"Address Labels", "Shipping Labels", "Return Address Labels",
                                 "Name Badge Labels", "File Folder Labels", "Round Labels"})
        for (const char* page : {"Letter", "A4"})
            EXPECT_TRUE(kinds.contains(QString("%1 on %2").arg(category, page)))
                << category << " on " << page;
    EXPECT_GE(catalogue.size(), 4u);
}

TEST(InstalledTemplates, EveryImportedStockFitsItsPage) {
    const TZpTemplateStocks& stocks = ImportedTemplateStocks();
    if (!QFileInfo::exists("/usr/share/libglabels-3.0/templates"))
        GTEST_SKIP() << "glabels-data is not installed";
    EXPECT_GE(stocks.Count(), 1000);
    TZpLabelCatalogue catalogue = stocks.Brands;
    ExpectSound(catalogue, "imported");
    EXPECT_EQ(&ImportedTemplateStocks(), &stocks); // read once
}

} // namespace
} // namespace zp::test

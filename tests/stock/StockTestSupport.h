// SPDX-License-Identifier: MIT
#pragma once

#include "model/stock/LabelFormats.h"
#include "model/stock/StockFolders.h"
#include "model/stock/TemplateImport.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp::test {

/// A stock of the given product and size on a US Letter page.
inline TLabelProperties Stock(const QString& product, float width, float height,
                              const QString& category = "Address") {
    TLabelProperties l;
    l.Manufacturer = "Acme";
    l.Category = category;
    l.LabelType = category;
    l.Product = product;
    SetLetterSheet(l, {2, 3, 0.25f, 0.5f, width, height, width + 0.125f, height});
    return l;
}

/// An empty user stock folder, an empty shipped folder and no imported
/// templates for each test.
class StockFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(UserStockFolder()).removeRecursively();
        ASSERT_TRUE(FShipped.isValid());
        SetShippedStockFolders({FShipped.path()});
        SetTemplateImportFolders({FShipped.path() + "/no-templates"});
    }
    void TearDown() override {
        QDir(UserStockFolder()).removeRecursively();
        SetShippedStockFolders({});
        SetTemplateImportFolders({});
    }
    [[nodiscard]] QString Shipped(const QString& name) const { return FShipped.filePath(name); }
    [[nodiscard]] static QString User(const QString& name) {
        QDir().mkpath(UserStockFolder());
        return UserStockFolder() + name;
    }
    /// Writes a label format file of one category holding the stocks.
    static void WriteFormats(const QString& path, const std::vector<TLabelProperties>& stocks) {
        TZpLabelManufacturer m;
        for (const TLabelProperties& s : stocks)
            m.Add(s);
        SaveLabelFormatFile(path, m.Categories);
    }
    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir FShipped;
};

} // namespace zp::test

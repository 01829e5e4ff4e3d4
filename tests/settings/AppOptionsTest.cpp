// SPDX-License-Identifier: MIT
#include "settings/AppOptions.h"

#include "base/ValueStream.h"
#include "platform/store/SettingsStore.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace zp {
namespace {

class AppOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { test::ClearStore(); }
    void TearDown() override { test::ClearStore(); }
    TZpSettingsStore& store = ZpStore();
};

TEST_F(AppOptionsTest, AnEmptyStoreGivesTheDefaults) {
    TZpAppOptions o;
    o.AllowBarcodeResizing = false;
    o.SmoothRedraws = false;
    o.PrinterMode = pmSelectedPrinter;
    o.LoadFromRegistry(store);
    EXPECT_TRUE(o.AllowBarcodeResizing);
    EXPECT_FALSE(o.CheckBarCodes);
    EXPECT_FALSE(o.Import2xTextClear);
    EXPECT_TRUE(o.ExportPrinterDPI);
    EXPECT_FALSE(o.ImportITF14);
    EXPECT_FALSE(o.OldStyleEditing);
    EXPECT_EQ(o.PrinterMode, pmLastPrinter);
    EXPECT_TRUE(o.LastLabelFormat);
    EXPECT_TRUE(o.SmoothRedraws);
    EXPECT_FALSE(o.ReadBackBarCodes);
}

TEST_F(AppOptionsTest, SavedOptionsReadBack) {
    TZpAppOptions o;
    o.AllowBarcodeResizing = false;
    o.CheckBarCodes = true;
    o.Import2xTextClear = true;
    o.ExportPrinterDPI = false;
    o.ImportITF14 = true;
    o.OldStyleEditing = true;
    o.PrinterMode = pmWindowsDefault;
    o.LastLabelFormat = false;
    o.SmoothRedraws = false;
    o.ReadBackBarCodes = true;
    o.Version = 17;
    o.SaveToRegistry(store);
    EXPECT_EQ(store.ReadString(QStringLiteral("Application Options"), QStringLiteral("Last Printer"), {}),
              QStringLiteral("1"));
    EXPECT_EQ(store.ReadSection(QStringLiteral("Application Options")).size(), 9);
    TZpAppOptions r;
    r.LoadFromRegistry(store);
    EXPECT_FALSE(r.AllowBarcodeResizing);
    EXPECT_TRUE(r.CheckBarCodes && r.Import2xTextClear && r.ImportITF14 && r.OldStyleEditing);
    EXPECT_FALSE(r.ExportPrinterDPI || r.LastLabelFormat || r.SmoothRedraws);
    EXPECT_EQ(r.PrinterMode, pmWindowsDefault);
    EXPECT_TRUE(r.ReadBackBarCodes);
    EXPECT_EQ(r.Version, 0); // not stored
}

TEST_F(AppOptionsTest, MalformedValuesReadAsDefaults) {
    const QString s = QStringLiteral("Application Options");
    store.WriteString(s, QStringLiteral("Check Bar Codes Before Printing"), QStringLiteral("abc"));
    store.WriteString(s, QStringLiteral("Allow Bar Code Resize"), QStringLiteral("0"));
    store.WriteString(s, QStringLiteral("Last Printer"), QStringLiteral("7"));
    TZpAppOptions o;
    o.LoadFromRegistry(store);
    EXPECT_FALSE(o.CheckBarCodes);
    EXPECT_FALSE(o.AllowBarcodeResizing);
    EXPECT_EQ(o.PrinterMode, pmLastPrinter);
}

TEST_F(AppOptionsTest, AssignToCopiesTheLabelOptionsVersionAndSmoothing) {
    TZpAppOptions a;
    a.AllowBarcodeResizing = false;
    a.CheckBarCodes = true;
    a.Import2xTextClear = true;
    a.ExportPrinterDPI = false;
    a.ImportITF14 = true;
    a.OldStyleEditing = true;
    a.Version = 21;
    a.SmoothRedraws = false;
    a.PrinterMode = pmSelectedPrinter;
    a.LastLabelFormat = false;
    TZpAppOptions b;
    a.AssignTo(b);
    EXPECT_FALSE(b.AllowBarcodeResizing);
    EXPECT_TRUE(b.CheckBarCodes && b.Import2xTextClear && b.ImportITF14 && b.OldStyleEditing);
    EXPECT_FALSE(b.ExportPrinterDPI || b.SmoothRedraws);
    EXPECT_EQ(b.Version, 21);
    EXPECT_EQ(b.PrinterMode, pmLastPrinter);
    EXPECT_TRUE(b.LastLabelFormat);
}

struct BlockCase {
    int version;
    int bytesRead;
};

class AppOptionsBlockTest : public ::testing::TestWithParam<BlockCase> {};

// The file's block grew over the versions; options it lacks keep their values.
TEST_P(AppOptionsBlockTest, ReadsWhatTheFileVersionHas) {
    QByteArray bytes = test::Hex("08 09 09 08 09 09");
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TZpReader reader(buffer);
    TZpAppOptions o; // defaults: true false false true false false
    o.Version = GetParam().version;
    o.LoadFromStream(reader);
    EXPECT_EQ(buffer.pos(), GetParam().bytesRead);
    EXPECT_FALSE(o.AllowBarcodeResizing);
    EXPECT_TRUE(o.CheckBarCodes);
    EXPECT_TRUE(o.Import2xTextClear);
    EXPECT_EQ(o.ExportPrinterDPI, GetParam().bytesRead < 4); // the file says false
    EXPECT_EQ(o.ImportITF14, GetParam().bytesRead >= 5);
    EXPECT_EQ(o.OldStyleEditing, GetParam().bytesRead >= 6);
}

INSTANTIATE_TEST_SUITE_P(AppOptions, AppOptionsBlockTest,
                         ::testing::Values(BlockCase{10, 3}, BlockCase{12, 3}, BlockCase{13, 3},
                                           BlockCase{14, 4}, BlockCase{17, 4}, BlockCase{18, 5},
                                           BlockCase{19, 5}, BlockCase{20, 6}, BlockCase{22, 6}),
                         [](const auto& info) { return "V" + std::to_string(info.param.version); });

TEST(AppOptionsStreamTest, TheWriterWritesAllSix) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter writer(buffer);
    TZpAppOptions o;
    o.OldStyleEditing = true;
    o.SaveToStream(writer);
    EXPECT_EQ(test::ToHex(bytes), test::ToHex(test::Hex("09 08 08 09 08 09")));
}

} // namespace
} // namespace zp

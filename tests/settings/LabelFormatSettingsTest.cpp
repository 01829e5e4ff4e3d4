// SPDX-License-Identifier: MIT
#include "settings/LabelFormatSettings.h"

#include "model/layout/LabelProperties.h"
#include "platform/store/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp::test {
namespace {

TEST(LabelFormatSettings, WrittenFormatReadsBackAndUnreadableValuesTakeDefaults) {
    QTemporaryDir dir;
    TZpSettingsStore store(dir.filePath("store.ini"));
    TLabelProperties stock;
    stock.PageWidth = 11;
    stock.PageHeight = 8.5f;
    stock.PageOrientation = 1;
    stock.LabelShape = lsEllipse;
    stock.Columns = 4;
    stock.Rows = 3;
    stock.LeftMargin = 0.1875f;
    stock.Width = 2.625f;
    stock.EllipseWidth = 0.125f;
    stock.Manufacturer = "Acme";
    stock.LabelType = "Address";
    WriteDefaultLabelFormat(store, stock);
    TLabelProperties back;
    ReadDefaultLabelFormat(store, back);
    EXPECT_EQ(back.PageOrientation, 1);
    EXPECT_EQ(back.LabelShape, lsEllipse);
    EXPECT_EQ(back.Columns, 4);
    EXPECT_FLOAT_EQ(back.LeftMargin, 0.1875f);
    EXPECT_FLOAT_EQ(back.Width, 2.625f);
    EXPECT_FLOAT_EQ(back.EllipseWidth, 0.125f);
    EXPECT_EQ(back.Manufacturer, "Acme");
    EXPECT_EQ(back.LabelType, "Address");

    store.WriteString("Label Properties", "Label Shape", "7");
    store.WriteString("Label Properties", "Rows", "many");
    ReadDefaultLabelFormat(store, back);
    EXPECT_EQ(back.LabelShape, lsRoundRect);
    EXPECT_EQ(back.Rows, 5);
}

} // namespace
} // namespace zp::test

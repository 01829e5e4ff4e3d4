// SPDX-License-Identifier: MIT
#include "barcode/BarcodeObject.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "model/objects/Styles.h"
#include "model/objects/TextObject.h"
#include "platform/store/SettingsStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

// A settings file damaged by hand: out-of-range numbers and words where
// numbers belong. New objects take the defaults instead.
TEST(ObjectDefaultsTest, DamagedDefaultsGiveNewObjectsTheirDefaults) {
    test::ClearStore();
    TZpSettingsStore& s = ZpStore();
    const QString bar = QStringLiteral("Bar Code Settings");
    s.WriteString(bar, QStringLiteral("Type"), QStringLiteral("40"));
    s.WriteString(bar, QStringLiteral("Wide to Narrow"), QStringLiteral("wide"));
    s.WriteString(bar, QStringLiteral("Human Readable Position"), QStringLiteral("7"));
    s.WriteString(bar, QStringLiteral("Codabar Start"), QStringLiteral("-1"));
    s.WriteString(bar, QStringLiteral("Font Size"), QStringLiteral("0"));
    s.WriteString(QStringLiteral("Text Settings"), QStringLiteral("Font Size"), QStringLiteral("100000"));
    s.WriteString(QStringLiteral("Text Settings"), QStringLiteral("Custom Leading Size"),
                  QStringLiteral("0"));
    s.WriteString(QStringLiteral("Fill Style Settings"), QStringLiteral("Fill Style"), QStringLiteral("12"));
    s.WriteString(QStringLiteral("Line Style Settings"), QStringLiteral("Line Style"), QStringLiteral("9"));
    s.WriteString(QStringLiteral("Line Style Settings"), QStringLiteral("Line Width"), QStringLiteral("-5"));

    const TZpBarcodeObject barcode;
    EXPECT_EQ(barcode.GetSymbology(), 1);
    EXPECT_EQ(barcode.GetWideToNarrow(), 3.0f);
    EXPECT_EQ(barcode.GetHRPosition(), 1);
    TZpTextObject text;
    EXPECT_EQ(text.Font().GetSize(), 10);
    EXPECT_EQ(text.GetCustomLeadingSize(), 100);
    EXPECT_EQ(TZpFillStyle(nullptr).GetStyle(), 1);
    const TZpLineStyle line(nullptr);
    EXPECT_EQ(line.GetStyle(), 0);
    EXPECT_EQ(line.GetWidth(), Round(LabelDPI() / 72.0));
    test::ClearStore();
}

} // namespace
} // namespace zp

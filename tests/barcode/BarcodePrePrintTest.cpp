// SPDX-License-Identifier: MIT
#include "barcode/BarcodePrePrint.h"

#include "BarcodeTestSupport.h"
#include "barcode/BarcodeObject.h"
#include "model/objects/TextObject.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

struct TValidityCase {
    const char* Name;
    uint8_t Symbology;
    const char* Preamble;
    const char* Text;
    const char* Postamble;
    bool Valid;
};

class ValidityCases : public testing::TestWithParam<TValidityCase> {};

// Prefix, text and suffix are checked as they stand: nothing is expanded or
// dropped first, and nothing is asked.
TEST_P(ValidityCases, ChecksPrefixTextAndSuffixAsTheyStand) {
    const TValidityCase& c = GetParam();
    TZpScriptedDialogsGuard dialogs;
    TBarcodeOptions o = test::BarcodeOptions(c.Symbology);
    o.Preamble = c.Preamble;
    o.Postamble = c.Postamble;
    EXPECT_EQ(IsBarcodeDataValid(o, QString::fromLatin1(c.Text)), c.Valid);
    EXPECT_TRUE(dialogs->Questions().empty());
}

INSTANTIATE_TEST_SUITE_P(
    BarcodePrePrint, ValidityCases,
    testing::Values(TValidityCase{"UpcA", bcUPCA, "", "03600029145", "", true},
                    TValidityCase{"UpcAPrefixMakesItTooLong", bcUPCA, "0", "03600029145212", "", false},
                    TValidityCase{"UpcAPrefixAndSuffixComplete", bcUPCA, "036", "00029", "145", true},
                    TValidityCase{"Code39LowerCase", bcCode39, "", "abc", "", false},
                    TValidityCase{"Code39SuffixLowerCase", bcCode39, "", "ABC", "x", false},
                    // 61 characters as typed, although the escapes would prepare to 58.
                    TValidityCase{"Code128EscapesCountAsTyped", bcCode128, "",
                                  "\\065\\066aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "",
                                  false},
                    TValidityCase{"Empty", bcCode128, "", "", "", false}),
    [](const testing::TestParamInfo<TValidityCase>& info) { return info.param.Name; });

TEST(BarcodePrePrint, SymbolRectReplacesTheExtentAlongTheSymbol) {
    const TRect bounds{10, 20, 110, 70};
    EXPECT_EQ(BarcodeSymbolRect(bounds, 0, 300), (TRect{10, 20, 310, 70}));
    EXPECT_EQ(BarcodeSymbolRect(bounds, 180, 300), (TRect{10, 20, 310, 70}));
    EXPECT_EQ(BarcodeSymbolRect(bounds, 90, 300), (TRect{10, 20, 110, 320}));
    EXPECT_EQ(BarcodeSymbolRect(bounds, 270, 300), (TRect{10, 20, 110, 320}));
}

TEST(BarcodePrePrint, AnswersForBarCodeObjectsOnly) {
    test::ClearStore();
    test::TLabelDpiGuard dpi(300);
    TZpBarcodeObject bc;
    bc.SetBoundsExact(TRect{40, 30, 50, 90}); // not yet drawn with its new text
    bc.SetRotationExact(90);
    bc.Data().SetText(QStringLiteral("1234"));
    std::optional<TBarcodePrePrint> check = BarcodePrePrint(bc);
    ASSERT_TRUE(check);
    EXPECT_TRUE(check->Valid);
    EXPECT_EQ(check->SymbolRect, (TRect{40, 30, 50, 30 + 6 * 16 * 3}));

    // Invalid data is reported, and sized as the two inches the engine gives it.
    bc.Data().SetText(QStringLiteral("abc"));
    bc.Symbology = bcCode39;
    check = BarcodePrePrint(bc);
    ASSERT_TRUE(check);
    EXPECT_FALSE(check->Valid);
    EXPECT_EQ(check->SymbolRect.Bottom, 30 + 600);

    TZpTextObject text;
    EXPECT_FALSE(BarcodePrePrint(text));
}

} // namespace
} // namespace zp

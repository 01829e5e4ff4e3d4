// SPDX-License-Identifier: MIT
#include "model/objects/Styles.h"

#include "model/ModelTestSupport.h"
#include "model/objects/ShapeObjects.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/store/SettingsStore.h"

namespace zp {
namespace {

using test::TLabelDpiGuard;

class StylesTest : public ::testing::Test {
protected:
    void SetUp() override { test::ClearStore(); }
    void TearDown() override { test::ClearStore(); }
};

TEST_F(StylesTest, DefaultsWithAnEmptyStore) {
    TLabelDpiGuard dpi(300);
    TZpFillStyle fill;
    EXPECT_EQ(fill.GetColor(), clWhite);
    EXPECT_EQ(fill.GetStyle(), bsClear);
    EXPECT_TRUE(fill.GetTransparent());
    TZpLineStyle line;
    EXPECT_EQ(line.GetColor(), clBlack);
    EXPECT_EQ(line.GetStyle(), psSolid);
    EXPECT_EQ(line.GetWidth(), 4); // one point at 300 dpi: round(4.1667)
    TZpFont font;
    EXPECT_EQ(font.GetName(), QString());
    EXPECT_EQ(font.GetSize(), 0);
    EXPECT_EQ(font.GetStyle(), 0);
}

TEST_F(StylesTest, LineWidthIsConvertedFromHundredthsOfAPoint) {
    const std::tuple<int, int, int> cases[] = {
        {100, 300, 4}, {100, 600, 8}, {100, 203, 3}, {50, 300, 2}, {1000, 72, 10}};
    for (const auto& [hundredths, dpi, pixels] : cases) {
        TLabelDpiGuard guard(dpi);
        ZpStore().WriteInteger(QStringLiteral("Line Style Settings"), QStringLiteral("Line Width"),
                               hundredths);
        EXPECT_EQ(TZpLineStyle().GetWidth(), pixels) << hundredths << " at " << dpi;
    }
}

// Every new style reads the store again, so new defaults apply at once.
TEST_F(StylesTest, EachNewStyleReadsTheStore) {
    TZpSettingsStore& store = ZpStore();
    store.WriteInteger(QStringLiteral("Fill Style Settings"), QStringLiteral("Fill Color"), 0x00FF00);
    store.WriteInteger(QStringLiteral("Fill Style Settings"), QStringLiteral("Fill Style"), bsSolid);
    store.WriteBool(QStringLiteral("Fill Style Settings"), QStringLiteral("Fill Transparent"), false);
    store.WriteInteger(QStringLiteral("Line Style Settings"), QStringLiteral("Line Color"), 0xFF);
    store.WriteInteger(QStringLiteral("Line Style Settings"), QStringLiteral("Line Style"), psDot);
    TZpRectangleObject first;
    EXPECT_EQ(first.FillStyle().GetColor(), 0x00FF00u);
    EXPECT_EQ(first.FillStyle().GetStyle(), bsSolid);
    EXPECT_FALSE(first.FillStyle().GetTransparent());
    EXPECT_EQ(first.LineStyle().GetColor(), 0xFFu);
    EXPECT_EQ(first.LineStyle().GetStyle(), psDot);

    store.WriteString(QStringLiteral("Fill Style Settings"), QStringLiteral("Fill Style"),
                      QStringLiteral("abc"));
    EXPECT_EQ(TZpRectangleObject().FillStyle().GetStyle(), bsClear); // malformed: the default
}

TEST_F(StylesTest, RecordsHaveTheirFixedLayouts) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TZpWriter writer(buffer);
    TZpFillStyle fill;
    fill.SetColor(0x112233);
    fill.SetStyle(bsBDiagonal);
    fill.SetTransparent(false);
    fill.SaveToStream(writer);
    TZpLineStyle line;
    line.SetColor(0x445566);
    line.SetStyle(psInsideFrame);
    line.SetWidth(300);
    line.SaveToStream(writer);
    TZpFont font;
    font.SetColor(0x10);
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(12);
    font.SetBold(true);
    font.SetUnderline(true);
    font.SetAlignment(taCenter);
    font.SaveToStream(writer);
    EXPECT_EQ(test::ToHex(bytes), test::ToHex(test::Hex("33 22 11 00 05 00"
                                                        "66 55 44 00 06 2C 01 00 00"
                                                        "02 10 06 05 41 72 69 61 6C 02 0C 05 02 02")));

    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    TZpReader reader(buffer);
    TZpFillStyle fill2;
    fill2.LoadFromStream(reader);
    TZpLineStyle line2;
    line2.LoadFromStream(reader);
    TZpFont font2;
    font2.LoadFromStream(reader);
    EXPECT_EQ(reader.Remaining(), 0);
    EXPECT_EQ(fill2.GetColor(), 0x112233u);
    EXPECT_FALSE(fill2.GetTransparent());
    EXPECT_EQ(line2.GetWidth(), 300);
    EXPECT_EQ(line2.GetStyle(), psInsideFrame);
    EXPECT_EQ(font2.GetName(), QStringLiteral("Arial"));
    EXPECT_EQ(font2.GetStyle(), fsBold | fsUnderline);
    EXPECT_EQ(font2.GetAlignment(), taCenter);
}

TEST_F(StylesTest, FontStyleBitsAreSetAndClearedOneByOne) {
    TZpFont font;
    font.SetBold(true);
    font.SetItalic(true);
    font.SetUnderline(true);
    EXPECT_EQ(font.GetStyle(), 7);
    font.SetItalic(false);
    EXPECT_EQ(font.GetStyle(), fsBold | fsUnderline);
    font.SetBold(false);
    font.SetUnderline(false);
    EXPECT_EQ(font.GetStyle(), 0);
    EXPECT_TRUE(font.IsNameUniform() && font.IsSizeUniform() && font.IsColorUniform() &&
                font.IsBoldUniform() && font.IsItalicUniform() && font.IsUnderlineUniform());
}

// An owner that is turned, to check the font name rule without a text object.
class TRotatedOwner : public IZpRotation {
public:
    void* QueryInterface(const std::type_info& iid) override {
        if (iid == typeid(IZpRotation))
            return static_cast<IZpRotation*>(this);
        if (iid == typeid(IZpFont))
            return static_cast<IZpFont*>(&Font);
        return nullptr;
    }
    int32_t GetRotation() const override { return Rotation; }
    void SetRotation(int32_t d) override { Rotation = d; }
    void SetRotationExact(int32_t d) override { Rotation = d; }
    int32_t Rotation = 90;
    TZpFont Font{this};
};

TEST_F(StylesTest, ARotatedOwnerRefusesFacesThatCannotBeRotated) {
    TZpScriptedDialogsGuard dialogs;
    TRotatedOwner owner;
    owner.Font.SetName(QStringLiteral("Liberation Sans"));
    EXPECT_EQ(owner.Font.GetName(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(dialogs->Messages().isEmpty());

    owner.Font.SetName(QStringLiteral("No Such Face At All"));
    EXPECT_EQ(owner.Font.GetName(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(dialogs->Messages(), QStringList{kOnlyTrueTypeRotatedMessage});

    owner.Rotation = 0;
    owner.Font.SetName(QStringLiteral("No Such Face At All"));
    EXPECT_EQ(owner.Font.GetName(), QStringLiteral("No Such Face At All"));
}

} // namespace
} // namespace zp

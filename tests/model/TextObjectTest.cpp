// SPDX-License-Identifier: MIT
// The text object's font, rotation, shift, data and document behaviour.
#include "model/objects/TextObject.h"

#include "model/ModelTestSupport.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/store/SettingsStore.h"

#include <QImage>
#include <QPainter>

namespace zp {
namespace {

using test::TLabelDpiGuard;

// Two runs in different styles: "Big" (Arial 20 bold, red) and " small" (Arial 8).
void TwoStyles(TZpTextObject& text) {
    TZpRVData& doc = text.RVData();
    doc.SetTextStyles(
        {{clRed, QStringLiteral("Arial"), 20, 0, fsBold}, {clBlack, QStringLiteral("Arial"), 8, 0, 0}});
    doc.SetParagraphs({{taLeft, {{QStringLiteral("Big"), 0}, {QStringLiteral(" small"), 1}}}});
}

std::vector<TZpTextStyle> RunStyles(const TZpTextObject& text) {
    std::vector<TZpTextStyle> styles;
    for (const TZpParagraph& p : text.RVData().Paragraphs())
        for (const TZpRun& r : p.Runs)
            styles.push_back(text.RVData().TextStyles().at(size_t(r.Style)));
    return styles;
}

TEST(TextObjectTest, NewObjectIsSampleTextInTheObjectFont) {
    test::ClearStore();
    TZpTextObject text;
    const TZpRVData& doc = text.RVData();
    EXPECT_EQ(doc.PlainText(), QStringLiteral("Sample Text"));
    ASSERT_EQ(RunStyles(text).size(), 1u);
    EXPECT_EQ(RunStyles(text)[0], (TZpTextStyle{0, QStringLiteral("Arial"), 10, 0, 0}));
    EXPECT_EQ(doc.Paragraphs()[0].ParaStyle, taLeft);
    EXPECT_EQ(doc.ParaStyles(), (std::vector<int32_t>{taLeft, taRight, taCenter, taJustify}));
    EXPECT_TRUE(doc.SkipFirstLeading);
    EXPECT_FALSE(doc.CustomLeading);
    EXPECT_EQ(text.GetRotation(), 0);
    EXPECT_EQ(text.GetEditZoom(), 100);
    EXPECT_FALSE(text.GetShifted());
}

TEST(TextObjectTest, NewObjectTakesTheStoredTextSettings) {
    test::ClearStore();
    const QString section = QStringLiteral("Text Settings");
    TZpSettingsStore& store = ZpStore();
    store.WriteString(section, QStringLiteral("Default Text"), QStringLiteral("Line 1\r\nLine 2"));
    store.WriteString(section, QStringLiteral("Font Name"), QStringLiteral("Times New Roman"));
    store.WriteBool(section, QStringLiteral("Font Bold"), true);
    store.WriteBool(section, QStringLiteral("Font Underline"), true);
    store.WriteInteger(section, QStringLiteral("Font Size"), 14);
    store.WriteInteger(section, QStringLiteral("Font Color"), int(clBlue));
    store.WriteBool(section, QStringLiteral("Remove First Leading"), false);
    store.WriteBool(section, QStringLiteral("Use Custom Leading"), true);
    store.WriteInteger(section, QStringLiteral("Custom Leading Size"), 168);
    const QString fill = QStringLiteral("Fill Style Settings");
    store.WriteInteger(fill, QStringLiteral("Fill Color"), int(clRed));
    store.WriteInteger(fill, QStringLiteral("Fill Style"), bsSolid);
    store.WriteBool(fill, QStringLiteral("Fill Transparent"), false);
    TZpTextObject text;
    test::ClearStore();
    EXPECT_EQ(text.RVData().PlainText(), QStringLiteral("Line 1\r\nLine 2"));
    const TZpTextStyle expected{clBlue, QStringLiteral("Times New Roman"), 14, 0, fsBold | fsUnderline};
    for (const TZpTextStyle& s : RunStyles(text))
        EXPECT_EQ(s, expected);
    EXPECT_EQ(text.Font().GetAlignment(), taLeft);
    EXPECT_FALSE(text.GetSkipFirstLeading());
    EXPECT_TRUE(text.GetCustomLeading());
    EXPECT_EQ(text.GetCustomLeadingSize(), 168);
    // Whatever the fill settings say, text starts white, clear and transparent.
    EXPECT_EQ(text.FillStyle().GetColor(), clWhite);
    EXPECT_EQ(text.FillStyle().GetStyle(), bsClear);
    EXPECT_TRUE(text.FillStyle().GetTransparent());
}

TEST(TextObjectTest, FontSettersFormatEveryRunAndUniformityFollows) {
    TZpTextObject text;
    TwoStyles(text);
    IZpFont* font = Supports<IZpFont>(text);
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(font->IsBoldUniform());
    EXPECT_FALSE(font->IsSizeUniform());
    EXPECT_FALSE(font->IsColorUniform());
    EXPECT_TRUE(font->IsNameUniform());
    EXPECT_TRUE(font->IsItalicUniform());

    font->SetBold(true);
    font->SetSize(14);
    font->SetColor(clBlue);
    font->SetName(QStringLiteral("Courier New"));
    font->SetAlignment(taCenter);
    for (const TZpTextStyle& s : RunStyles(text)) {
        EXPECT_EQ(s.Style & fsBold, fsBold);
        EXPECT_EQ(s.Size, 14);
        EXPECT_EQ(s.Color, clBlue);
        EXPECT_EQ(s.FontName, QStringLiteral("Courier New"));
    }
    EXPECT_TRUE(font->IsBoldUniform() && font->IsSizeUniform() && font->IsColorUniform() &&
                font->IsNameUniform());
    EXPECT_EQ(text.RVData().Paragraphs()[0].ParaStyle, taCenter);
    EXPECT_EQ(text.Font().GetName(), QStringLiteral("Courier New"));

    // The style set changes only the object's font.
    font->SetStyle(fsItalic);
    EXPECT_EQ(text.Font().GetStyle(), fsItalic);
    EXPECT_EQ(RunStyles(text)[0].Style & fsItalic, 0);
}

TEST(TextObjectTest, UniformityIsTrueWithoutRuns) {
    TZpTextObject text;
    text.RVData().Clear();
    const IZpFont* font = Supports<IZpFont>(text);
    EXPECT_TRUE(font->IsColorUniform() && font->IsNameUniform() && font->IsSizeUniform() &&
                font->IsBoldUniform() && font->IsItalicUniform() && font->IsUnderlineUniform());
}

TEST(TextObjectTest, SizeChangeKeepsTheLeadingRatioUnlessCustom) {
    const struct {
        bool custom;
        int32_t from, to, leading, expected;
    } cases[] = {
        {false, 10, 20, 100, 200}, // doubles
        {false, 12, 9, 144, 108},
        {true, 10, 20, 100, 100}, // a custom leading stays
        {false, 0, 20, 100, 100}, // no ratio from a size of 0
    };
    for (const auto& c : cases) {
        TZpTextObject text;
        text.Font().SetSize(c.from);
        text.SetCustomLeading(c.custom);
        text.SetCustomLeadingSize(c.leading);
        Supports<IZpFont>(text)->SetSize(c.to);
        EXPECT_EQ(text.GetCustomLeadingSize(), c.expected) << c.from << " -> " << c.to;
    }
}

TEST(TextObjectTest, RotationExchangesTheSidesUnlessHalfATurn) {
    TLabelDpiGuard dpi(300);
    TZpTextObject text;
    text.SetBoundsExact({10, 20, 310, 120});
    text.SetRotation(90);
    EXPECT_EQ(text.GetBounds(), (TRect{10, 20, 110, 320}));
    EXPECT_EQ(text.GetAspectRect(), text.GetBounds());
    text.SetRotation(270);
    EXPECT_EQ(text.GetBounds(), (TRect{10, 20, 110, 320}));
    text.SetRotation(0);
    EXPECT_EQ(text.GetBounds(), (TRect{10, 20, 310, 120}));
}

TEST(TextObjectTest, FacesThatCannotTurnAreRefused) {
    TZpScriptedDialogsGuard dialogs;
    TZpTextObject text;
    text.SetRotation(90);
    ASSERT_EQ(text.GetRotation(), 90);
    // An empty face is no outline font.
    Supports<IZpFont>(text)->SetName(QString());
    EXPECT_EQ(text.Font().GetName(), QStringLiteral("Arial"));
    EXPECT_EQ(RunStyles(text)[0].FontName, QStringLiteral("Arial"));
    text.SetRotation(0);
    text.Font().SetName(QString());
    const TRect before = text.GetBounds();
    text.SetRotation(180);
    EXPECT_EQ(text.GetRotation(), 0);
    EXPECT_EQ(text.GetBounds(), before);
    EXPECT_EQ(dialogs->Messages(), QStringList(2, kOnlyTrueTypeRotatedMessage));
}

TEST(TextObjectTest, ShiftSetsThePercentOfEveryRun) {
    TZpTextObject text;
    TwoStyles(text);
    const std::pair<uint8_t, int32_t> cases[] = {{1, 50}, {2, -50}, {0, 0}, {7, 0}};
    for (const auto& [kind, shift] : cases) {
        text.SetShift(kind);
        for (const TZpTextStyle& s : RunStyles(text))
            EXPECT_EQ(s.VShift, shift) << int(kind);
    }
}

TEST(TextObjectTest, NewDataReplacesTheFormattingButStaticTextKeepsIt) {
    TZpTextObject text;
    TwoStyles(text);
    text.Data().SetText(QStringLiteral("one\r\ntwo\nthree\rfour"));
    text.DataChanged(); // static text: left alone
    EXPECT_EQ(text.RVData().PlainText(), QStringLiteral("Big small"));

    text.Data().SetKind(dkDatabaseField);
    text.Font().SetBold(true);
    text.Font().SetAlignment(taRight);
    text.DataChanged();
    const TZpRVData& doc = text.RVData();
    ASSERT_EQ(doc.Paragraphs().size(), 4u);
    EXPECT_EQ(doc.PlainText(), QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    for (const TZpParagraph& p : doc.Paragraphs())
        EXPECT_EQ(p.ParaStyle, taRight);
    for (const TZpTextStyle& s : RunStyles(text))
        EXPECT_EQ(s, text.FontStyle());
}

TEST(TextObjectTest, TheSameDataAgainIsNotFormattedAgain) {
    TLabelDpiGuard dpi(300);
    TZpTextObject text;
    text.Data().SetKind(dkDatabaseField);
    QImage image(400, 200, QImage::Format_ARGB32);
    QPainter painter(&image);
    const auto drawWith = [&](const QString& value) {
        text.Data().SetText(value);
        text.DataChanged();
        text.Draw(painter);
        return text.RVData().Layout().FormatCount();
    };
    const int first = drawWith(QStringLiteral("A"));
    EXPECT_EQ(drawWith(QStringLiteral("A")), first);
    EXPECT_EQ(drawWith(QStringLiteral("B")), first + 1);
    text.SetBoundsExact({0, 0, 200, 100});
    text.Draw(painter);
    EXPECT_EQ(text.RVData().Layout().FormatCount(), first + 2);
}

// Content another program wrote does not stop the label from loading: the
// text comes back from the stored data text, in text style 0, and the log
// says which object lost its formatting.
TEST(TextObjectTest, UnreadableContentIsRebuiltFromTheDataText) {
    TZpTextObject text;
    text.Data().SetName(QStringLiteral("Price"));
    text.Data().SetText(QStringLiteral("12.50\r\nper kg"));
    text.Rebuild();
    Supports<IZpFont>(text)->SetBold(true); // style 1 holds the runs now
    QByteArray record = test::Record(text);
    const QByteArray content = text.RVData().SaveContent();
    ASSERT_TRUE(record.endsWith(content));
    record.replace(record.size() - content.size(), content.size(), QByteArray(content.size(), '\x7f'));

    test::TLogCapture log("zentaprint.model.text");
    TZpTextObject copy;
    test::LoadRecord(copy, record);
    EXPECT_EQ(copy.RVData().PlainText(), QStringLiteral("12.50\r\nper kg"));
    ASSERT_EQ(copy.RVData().Paragraphs().size(), 2u);
    for (const TZpParagraph& p : copy.RVData().Paragraphs())
        EXPECT_EQ(p.Runs.at(0).Style, 0);
    EXPECT_EQ(copy.RVData().TextStyles(), text.RVData().TextStyles())
        << "the style sheet was read all the same";
    ASSERT_EQ(log.Messages().size(), 1);
    EXPECT_TRUE(log.Messages()[0].contains(QStringLiteral("Price"))) << log.Messages()[0].toStdString();
}

// A font record with an alignment the style sheet lacks: the text takes the
// first paragraph style, so what is saved loads again without a repair.
TEST(TextObjectTest, AnUnknownAlignmentSavesAContentThatLoads) {
    TZpTextObject text;
    text.Data().SetKind(dkDatabaseField);
    text.Font().SetAlignment(7);
    text.Rebuild();
    EXPECT_EQ(text.RVData().Paragraphs().at(0).ParaStyle, 0);
    test::TLogCapture log("zentaprint.model.text");
    TZpTextObject copy;
    test::LoadRecord(copy, test::Record(text));
    EXPECT_TRUE(log.Messages().isEmpty());
    EXPECT_EQ(copy.RVData().Paragraphs(), text.RVData().Paragraphs());
}

} // namespace
} // namespace zp

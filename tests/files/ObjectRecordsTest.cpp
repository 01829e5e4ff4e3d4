// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "files/FileTestSupport.h"
#include "model/ModelTestSupport.h"

namespace zp {
namespace {

using test::BaseRecord;
using test::LoadRecord;
using test::Record;
using test::Written;

class RecordRoundTripTest : public ::testing::TestWithParam<QString> {};

// Every field written is read back: a second save gives the same bytes.
TEST_P(RecordRoundTripTest, SaveLoadSaveGivesIdenticalBytes) {
    TZpObjectPtr original = test::MakeFilled(GetParam(), 3);
    const QByteArray first = Record(*original);
    TZpObjectPtr copy = CreateObject(GetParam());
    LoadRecord(*copy, first);
    EXPECT_EQ(test::ToHex(Record(*copy)), test::ToHex(first));
    EXPECT_EQ(copy->GetBounds(), original->GetBounds());
    EXPECT_EQ(copy->GetGroupId(), 10);
    EXPECT_FALSE(copy->GetPrintObject());
}

INSTANTIATE_TEST_SUITE_P(EveryClass, RecordRoundTripTest, ::testing::ValuesIn(ObjectClassNames().toVector()),
                         [](const auto& info) { return info.param.toStdString(); });

// A data-source block by hand: name "N", text "T", static, serial start 5,
// one field entry, then the items of record version ov.
QByteArray DataBlock(int32_t ov) {
    return Written([ov](TZpWriter& w) {
        w.WriteString(QStringLiteral("N"));
        w.WriteString(QStringLiteral("T"));
        w.WriteInteger(0);
        for (int i = 0; i < 4; ++i)
            w.WriteString(QString());
        w.WriteInteger(5);
        w.WriteInteger(1);
        w.WriteString(QString());
        w.WriteInteger(0);
        w.WriteString(QString());
        w.WriteListBegin();
        for (const char* s : {"C", "D", "F", "", ""})
            w.WriteString(QLatin1String(s));
        w.WriteInteger(smLeadingZeros);
        w.WriteInteger(0);
        w.WriteInteger(0);
        w.WriteBool(true);
        w.WriteListEnd();
        if (ov > 5)
            w.WriteInteger(4);
        if (ov > 18) {
            w.WriteInteger(2);
            w.WriteInteger(duYears);
        }
    });
}

QByteArray FontBlock(int32_t size) {
    return Written([size](TZpWriter& w) {
        w.WriteInteger(0);
        w.WriteString(QStringLiteral("Arial"));
        w.WriteInteger(size);
        w.WriteByte(fsBold);
        w.WriteInteger(taCenter);
    });
}

QByteArray ScriptBlock(const char* language, const char* text, bool enabled) {
    return Written([=](TZpWriter& w) {
        w.WriteString(QLatin1String(language));
        w.WriteString(QLatin1String(text));
        w.WriteBool(enabled);
    });
}

TEST(DataRecordTest, Version5HasNoRepeatCountOrDateAdjustment) {
    TZpPictureObject pic;
    pic.Data().SetRepeatCount(9);
    pic.Data().SetDateAdjust(9);
    LoadRecord(pic,
               BaseRecord(5, {0, 0, 100, 100}) + DataBlock(5) + test::Hex("00 00 00 00 01 00 00 00 00 00"));
    EXPECT_EQ(pic.Data().GetText(), QStringLiteral("T"));
    EXPECT_EQ(pic.Data().GetSerialStart(), 5);
    EXPECT_EQ(pic.Data().GetRepeatCount(), 0);
    EXPECT_EQ(pic.Data().GetDateAdjust(), 0);
    ASSERT_EQ(pic.Data().GetFieldCount(), 1);
    EXPECT_EQ(pic.Data().GetField(0)->Dataset, QStringLiteral("D"));
    EXPECT_EQ(pic.Data().GetField(0)->StripMethod, smLeadingZeros);
    EXPECT_TRUE(pic.Data().GetField(0)->AddLineBreak);
    EXPECT_TRUE(pic.GetStretch());
    EXPECT_FALSE(pic.HasImage());
}

TEST(DataRecordTest, Version19HasEveryItem) {
    TZpPictureObject pic;
    LoadRecord(pic,
               BaseRecord(19, {0, 0, 100, 100}) + DataBlock(19) + test::Hex("5A 00 00 00 00 00 00 00 00 00"));
    EXPECT_EQ(pic.Data().GetRepeatCount(), 4);
    EXPECT_EQ(pic.Data().GetDateAdjust(), 2);
    EXPECT_EQ(pic.Data().GetDateAdjustUnit(), duYears);
    EXPECT_EQ(pic.GetRotation(), 90);
    EXPECT_FALSE(pic.GetStretch());
}

TEST(ScriptRecordTest, DefaultScriptIsStoredEmptyAndLoadsBack) {
    TZpTextObject text;
    EXPECT_EQ(text.Script().GetLanguage(), kVBScriptLanguage);
    const QByteArray record = Record(text);
    EXPECT_TRUE(record.contains(ScriptBlock("VBScript", "", false)));
    TZpTextObject copy;
    copy.Script().SetScript(QStringLiteral("x"));
    LoadRecord(copy, record);
    EXPECT_EQ(copy.Script().GetScript(), DefaultScript(kVBScriptLanguage));
}

TEST(ScriptRecordTest, EmptyTextTakesTheDefaultOfItsLanguageOnly) {
    const struct {
        const char* language;
        QString expected;
    } cases[] = {{"JScript", DefaultScript(kJScriptLanguage)}, {"PerlScript", QString()}};
    for (const auto& c : cases) {
        TZpScript script;
        const QByteArray block = ScriptBlock(c.language, "", true);
        QByteArray bytes = block;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TZpReader reader(buffer);
        script.LoadFromStream(reader);
        EXPECT_EQ(script.GetScript(), c.expected) << c.language;
        EXPECT_TRUE(script.GetEnabled());
    }
}

// Text section of an old record: styles without shift, no leading items.
QByteArray TextSection(int32_t ov, const QByteArray& content) {
    return Written([&](TZpWriter& w) {
        w.WriteListBegin();
        w.WriteInteger(0x0000FF);
        w.WriteString(QStringLiteral("Arial"));
        w.WriteInteger(12);
        if (ov >= 22)
            w.WriteInteger(-50);
        w.WriteByte(fsItalic);
        w.WriteListEnd();
        w.WriteListBegin();
        w.WriteInteger(taLeft);
        w.WriteInteger(taCenter);
        w.WriteListEnd();
        w.WriteInteger(90);
        if (ov > 14) {
            w.WriteBool(false);
            w.WriteBool(true);
            w.WriteInteger(250);
        }
        w.WriteInt32(int32_t(content.size()));
        w.WriteBytes(content);
    });
}

struct TextCase {
    const char* name;
    int32_t ov;
    bool hasScript;
    bool hasLeading;
    int32_t shift;
};

const TextCase kTextCases[] = {
    {"Version14", 14, false, false, 0},
    {"Version16", 16, false, true, 0},
    {"Version17", 17, true, true, 0},
    {"Version22", 22, true, true, -50},
};

class TextRecordTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextRecordTest, ReadsTheItemsOfItsVersion) {
    const TextCase& c = GetParam();
    QByteArray record =
        BaseRecord(c.ov, {0, 0, 500, 200}) + DataBlock(c.ov) + FontBlock(18) + test::Hex("FF FF FF 00 00 01");
    if (c.hasScript)
        record += ScriptBlock("JScript", "x", true);
    record += TextSection(c.ov, QByteArray("payload"));
    TZpTextObject text;
    LoadRecord(text, record);
    EXPECT_EQ(text.Font().GetSize(), 18);
    EXPECT_EQ(text.FillStyle().GetColor(), clWhite);
    EXPECT_EQ(text.FillStyle().GetStyle(), bsSolid);
    EXPECT_EQ(text.Script().GetEnabled(), c.hasScript);
    EXPECT_EQ(text.Script().GetLanguage(), c.hasScript ? kJScriptLanguage : kVBScriptLanguage);
    ASSERT_EQ(text.RVData().TextStyles().size(), 1u);
    EXPECT_EQ(text.RVData().TextStyles()[0].VShift, c.shift);
    EXPECT_EQ(text.RVData().TextStyles()[0].Style, fsItalic);
    EXPECT_EQ(text.RVData().ParaStyles(), (std::vector<int32_t>{taLeft, taCenter}));
    EXPECT_EQ(text.GetRotation(), 90);
    EXPECT_EQ(text.RVData().CustomLeading, c.hasLeading);
    EXPECT_EQ(text.RVData().CustomLeadingSize, c.hasLeading ? 250 : 100);
    // Content another program wrote: the text comes from the stored data text.
    EXPECT_EQ(text.RVData().PlainText(), QStringLiteral("T"));
    EXPECT_EQ(text.RVData().Paragraphs().at(0).Runs.at(0).Style, 0);
}

INSTANTIATE_TEST_SUITE_P(Versions, TextRecordTest, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The bar code section up to FirstCheckMod11: Code 128, height 300,
// human-readable text shown as given.
QByteArray BarcodeCore(bool showText) {
    return Written([showText](TZpWriter& w) {
        w.WriteInteger(4);
        w.WriteBool(true);
        w.WriteInteger(3);
        w.WriteInteger(300);
        for (int i = 0; i < 7; ++i)
            w.WriteBool(i % 2 == 0);
        w.WriteInteger(2); // a float stored as an integer
        w.WriteInteger(0);
        w.WriteBool(showText);
        for (int i = 0; i < 3; ++i)
            w.WriteBool(false);
        w.WriteInteger(0);
        w.WriteInteger(1);
        w.WriteInteger(2);
        w.WriteInteger(0);
        w.WriteBool(true);
    });
}

struct BarcodeCase {
    const char* name;
    int32_t ov;
    bool showText;
    int32_t height;
    int32_t spacing;
    QString preamble;
    bool ucc;
};

// Bounds 1440 high; a 10-point text took 200 of them in the old files.
const BarcodeCase kBarcodeCases[] = {
    {"Version6", 6, true, 1240, 0, QString(), false},
    {"Version10NoText", 10, false, 1440, 0, QString(), false},
    {"Version11", 11, true, 300, 20, QString(), false},
    {"Version12", 12, true, 300, 20, QStringLiteral("P"), false},
    {"Version16", 16, true, 300, 20, QStringLiteral("P"), true},
    {"Version22", 22, true, 300, 20, QStringLiteral("P"), true},
};

class BarcodeRecordTest : public ::testing::TestWithParam<BarcodeCase> {};

TEST_P(BarcodeRecordTest, ReadsTheItemsOfItsVersion) {
    const BarcodeCase& c = GetParam();
    QByteArray record = BaseRecord(c.ov, {100, 100, 1100, 1540}) + FontBlock(10) + DataBlock(c.ov);
    if (c.ov > 16)
        record += ScriptBlock("VBScript", "", false);
    record += BarcodeCore(c.showText);
    record += Written([&](TZpWriter& w) {
        if (c.ov > 6) {
            w.WriteInteger(-1);
            w.WriteInteger(1);
        }
        if (c.ov > 10)
            w.WriteInteger(20);
        if (c.ov > 11) {
            w.WriteString(QStringLiteral("P"));
            w.WriteString(QStringLiteral("Q"));
        }
        if (c.ov > 12)
            w.WriteBool(true);
    });
    TZpBarcodeObject bc;
    bc.BarAdjust = bc.SpaceAdjust = 0;
    bc.UCCFormatting = false;
    LoadRecord(bc, record);
    EXPECT_EQ(bc.Symbology, 4);
    EXPECT_EQ(bc.Density, 3);
    EXPECT_EQ(bc.Height, c.height);
    EXPECT_EQ(bc.HRSpacing, c.spacing);
    EXPECT_FLOAT_EQ(bc.WideToNarrow, 2.0f);
    EXPECT_EQ(bc.BarAdjust, c.ov > 6 ? -1 : 0);
    EXPECT_EQ(bc.Preamble, c.preamble);
    EXPECT_EQ(bc.UCCFormatting, c.ucc);
    EXPECT_EQ(bc.CodabarStop, 2);
    EXPECT_TRUE(bc.FirstCheckMod11);
    EXPECT_EQ(bc.Font().GetSize(), 10);
}

INSTANTIATE_TEST_SUITE_P(Versions, BarcodeRecordTest, ::testing::ValuesIn(kBarcodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureRecordTest, ImageIsSplitIntoHeaderAndBits) {
    TZpPictureObject pic;
    pic.SetImageFromBitmapFile(test::SmallBitmap());
    EXPECT_EQ(pic.ImageWidth(), 2);
    EXPECT_EQ(pic.ImageHeight(), 2);
    EXPECT_EQ(pic.ImageInfo().size(), 40);
    EXPECT_EQ(pic.ImageBits().size(), 16);
    EXPECT_EQ(pic.ImageAsBitmapFile(), test::SmallBitmap());
}

TEST(PictureRecordTest, DamagedBitmapIsRefused) {
    const QByteArray good = test::SmallBitmap();
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"NoSignature", QByteArray("XM") + good.mid(2)},
        {"BitsCutShort", good.left(good.size() - 1)},
        {"OffsetBeyondEnd", good.left(10) + test::Hex("FF 00 00 00") + good.mid(14)},
        {"HeaderLargerThanOffset", good.left(14) + test::Hex("FF 00 00 00") + good.mid(18)},
        {"HugeHeight", good.left(22) + test::Hex("FF FF FF 7F") + good.mid(26)},
        {"NoWidthLowestHeight", good.left(18) + test::Hex("00 00 00 00 00 00 00 80") + good.mid(26)},
        {"TooShort", good.left(20)},
    };
    for (const auto& c : cases) {
        TZpPictureObject pic;
        try {
            pic.SetImageFromBitmapFile(c.bytes);
            ADD_FAILURE() << c.name << " accepted";
        } catch (const EZpReadError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Invalid property value")) << c.name;
        }
    }
}

TEST(TextObjectTest, NewObjectTakesTheTextSettings) {
    test::ClearStore();
    TZpTextObject text;
    EXPECT_EQ(text.Data().GetText(), QStringLiteral("Sample Text"));
    EXPECT_EQ(text.Font().GetName(), QStringLiteral("Arial"));
    EXPECT_EQ(text.Font().GetSize(), 10);
    EXPECT_EQ(text.Font().GetAlignment(), taLeft);
    EXPECT_TRUE(text.RVData().SkipFirstLeading);
    EXPECT_EQ(text.RVData().CustomLeadingSize, 100);
    EXPECT_EQ(text.FillStyle().GetStyle(), bsClear);
    EXPECT_FALSE(text.Script().GetEnabled());
    EXPECT_EQ(text.RVData().ParaStyles().size(), 4u);
}

TEST(BarcodeObjectTest, NewObjectTakesTheBarCodeSettings) {
    test::ClearStore();
    test::TLabelDpiGuard dpi(300);
    TZpBarcodeObject bc;
    EXPECT_EQ(bc.Symbology, 1);
    EXPECT_EQ(bc.Density, 3);
    EXPECT_EQ(bc.Height, 150);
    EXPECT_FLOAT_EQ(bc.WideToNarrow, 3.0f);
    EXPECT_EQ(bc.Data().GetText(), QStringLiteral("12345"));
    EXPECT_EQ(bc.Font().GetAlignment(), taCenter);
    EXPECT_EQ(bc.HRPosition, 1);
    EXPECT_EQ(bc.I25CheckDigitType, 1);
}

} // namespace
} // namespace zp

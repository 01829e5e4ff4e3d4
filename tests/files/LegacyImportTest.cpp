// SPDX-License-Identifier: MIT
#include "files/LegacyImport.h"

#include "barcode/BarcodeObject.h"
#include "files/FileTestSupport.h"
#include "files/LabelFile.h"
#include "model/ModelTestSupport.h"
#include "model/base/Errors.h"
#include "model/base/LabelDpi.h"
#include "model/base/Rounding.h"
#include "model/data/ZpData.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "settings/AppOptions.h"

#include <QBuffer>
#include <random>
#include <gtest/gtest.h>

namespace zp {
namespace {

/// Writes 2.x labels field by field at the offsets of their blocks.
class TLegacyBuilder {
public:
    TLegacyBuilder() {
        Put(FFile, 0, QByteArray("Zentaprint 2.0 DATA"));
        FFile.resize(1368 + 95 + 24 + 64, '\0');
        FLayout = 1368;
    }
    static void Put(QByteArray& b, int at, const QByteArray& bytes) {
        if (b.size() < at + bytes.size())
            b.resize(at + bytes.size(), '\0');
        b.replace(at, bytes.size(), bytes);
    }
    static QByteArray I32(int32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); }
    static QByteArray I16(int16_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); }
    static QByteArray B(uint8_t v) { return QByteArray(1, char(v)); }
    void Header(int at, const QByteArray& bytes) { Put(FFile, at, bytes); }
    void Layout(int at, const QByteArray& bytes) { Put(FFile, FLayout + at, bytes); }

    QByteArray Guides;           ///< pairs of int32
    QByteArray Merge;            ///< empty: no merge block
    QByteArray Printer{154, '\0'};
    QByteArray Records;

    [[nodiscard]] QByteArray Bytes() const {
        QByteArray out = FFile;
        out += I16(int16_t(Guides.size() / 8)) + Guides + QByteArray(4, '\0');
        out += B(Merge.isEmpty() ? 0 : 1);
        if (!Merge.isEmpty())
            out += Merge + QByteArray(32, '\0');
        out += Printer + QByteArray(12 + 12, '\0');
        return out + Records;
    }

private:
    QByteArray FFile;
    int FLayout;
};

QByteArray Record(int size, uint8_t type, int32_t number, TRect r) {
    QByteArray b(size, '\0');
    TLegacyBuilder::Put(b, 0, TLegacyBuilder::B(type));
    TLegacyBuilder::Put(b, 1, TLegacyBuilder::I32(number));
    TLegacyBuilder::Put(b, 5, TLegacyBuilder::I32(r.Left) + TLegacyBuilder::I32(r.Top) +
                                  TLegacyBuilder::I32(r.Right) + TLegacyBuilder::I32(r.Bottom));
    return b;
}

struct TImported {
    TZpObjectList Objects;
    TZpIDEProperties Ide;
    TLabelProperties Layout;
};

class LegacyImportTest : public ::testing::Test {
protected:
    void SetUp() override { AppOptions().AssignTo(FOptions); }
    void TearDown() override { FOptions.AssignTo(AppOptions()); }

    // Imports through the native loader's hand-over.
    QString Import(const QByteArray& bytes, TImported& label, bool open = false) {
        InstallLegacyImporter();
        struct TUninstall {
            ~TUninstall() { SetLegacyImporter(nullptr); }
        } uninstall;
        QByteArray data = bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        try {
            LoadLabelFromDevice(buffer, label.Objects, label.Ide, label.Layout, open);
        } catch (const EZpError& e) {
            return e.Message();
        }
        return {};
    }
    static int32_t Px(int32_t twips) { return Round(double(twips) * LabelDPI() / 1440); }

    TZpAppOptions FOptions;
    test::TLabelDpiGuard FDpi{LabelDPI()};
    TZpScriptedDialogsGuard FDialogs;
};

TEST_F(LegacyImportTest, HeaderLayoutAndGuides) {
    using B = TLegacyBuilder;
    B f;
    f.Header(60, B::I16(2));
    f.Header(62, B::I16(1) + B::I16(0) + B::I16(1));
    f.Header(70, B::I16(4));
    f.Layout(0, B::I32(12240) + B::I32(15840));
    f.Layout(9, B::I32(360));
    f.Layout(17, B::I32(0));
    f.Layout(26, B::I32(2880) + B::I32(1440) + B::I32(180) + B::I32(0) + B::B(1) + B::I32(3) + B::I32(10));
    f.Layout(59, B::I32(180) + B::I32(0));
    f.Layout(77, QByteArray("5160"));
    f.Guides = B::I32(0) + B::I32(500) + B::I32(720) + B::I32(0);
    TImported label;
    ASSERT_EQ(Import(f.Bytes(), label), QString());
    EXPECT_EQ(label.Ide.RulerUnits(), ruCentimeters);
    EXPECT_TRUE(label.Ide.ShowGuides);
    EXPECT_FALSE(label.Ide.SnapToGuides);
    EXPECT_TRUE(label.Ide.LockGuides);
    EXPECT_EQ(label.Ide.Scale(), 200);
    EXPECT_FLOAT_EQ(label.Layout.PageWidth, 8.5f);
    EXPECT_FLOAT_EQ(label.Layout.LeftMargin, 0.3125f);
    EXPECT_FLOAT_EQ(label.Layout.TopMargin, 0.0f);
    EXPECT_FLOAT_EQ(label.Layout.Width, 2.0f);
    EXPECT_FLOAT_EQ(label.Layout.HorizontalPitch, 2.125f);
    EXPECT_EQ(label.Layout.LabelShape, lsRectangle);
    EXPECT_EQ(label.Layout.Columns, 3);
    EXPECT_EQ(label.Layout.Rows, 10);
    EXPECT_EQ(label.Layout.Product, QStringLiteral("5160"));
    EXPECT_EQ(label.Ide.FGuidesX, QList<int32_t>{Px(720)});
    EXPECT_EQ(label.Ide.FGuidesY, QList<int32_t>{Px(500)});
    EXPECT_EQ(label.Ide.DPI(), LabelDPI());
    EXPECT_TRUE(label.Objects.empty());
}

TEST_F(LegacyImportTest, ShapesAndPictures) {
    using B = TLegacyBuilder;
    B f;
    QByteArray rect = Record(54, 2, 0, {0, 0, 1440, 720});
    B::Put(rect, 25, B::I16(20));
    B::Put(rect, 27, B::B(psDash));
    B::Put(rect, 29, B::B(0x80 | 3));
    B::Put(rect, 46, B::I32(0x0000FF) + B::I32(0x00FF00));
    QByteArray picture = Record(127, 9, 4, {0, 0, 720, 720});
    B::Put(picture, 108, QByteArray("Logo"));
    const QByteArray bitmap = test::SmallBitmap();
    f.Records = rect + QByteArray(32, '\0') + Record(54, 5, 0, {0, 0, 1440, 0}) + QByteArray(32, '\0') + picture +
                B::I32(int32_t(bitmap.size() + 5)) + bitmap + QByteArray(5, 'x') + QByteArray(32, '\0');
    TImported label;
    ASSERT_EQ(Import(f.Bytes(), label), QString());
    ASSERT_EQ(label.Objects.size(), 3u);
    auto* fill = Supports<IZpFillStyle>(label.Objects[0]);
    auto* line = Supports<IZpLineStyle>(label.Objects[0]);
    ASSERT_TRUE(fill && line);
    EXPECT_TRUE(fill->GetTransparent());
    EXPECT_EQ(fill->GetStyle(), 3);
    EXPECT_EQ(fill->GetColor(), TColor(0x0000FF));
    EXPECT_EQ(line->GetStyle(), psDash);
    EXPECT_EQ(line->GetColor(), TColor(0x00FF00));
    EXPECT_EQ(Supports<IZpObject>(label.Objects[0])->GetBounds().Right, Px(1440));
    EXPECT_EQ(label.Objects[1]->GetClassName(), QStringLiteral("TZpLineObject"));
    auto* pic = dynamic_cast<TZpPictureObject*>(label.Objects[2].get());
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->Data().GetName(), QStringLiteral("Logo"));
    EXPECT_TRUE(pic->GetStretch());
}

QByteArray TextRecord(int32_t number, const QByteArray& name, uint8_t kind) {
    using B = TLegacyBuilder;
    QByteArray t = Record(253, 1, number, {0, 0, 2880, 1440});
    B::Put(t, 33, B::B(kind) + B::B(1));
    B::Put(t, 43, B::I16(288) + B::I16(240));
    B::Put(t, 53, B::I16(700));
    B::Put(t, 63, QByteArray("Arial"));
    B::Put(t, 234, name);
    return t;
}

TEST_F(LegacyImportTest, TextWithControlCodesSplitsWhereSpacingChanges) {
    using B = TLegacyBuilder;
    B f;
    QByteArray t = TextRecord(1, "Title", 0);
    B::Put(t, 250, B::B(0));
    QByteArray line1 = QByteArray("AB\x01iC", 5);
    QByteArray line2 = QByteArray("\x01S\xF0\x00Next", 8);
    QByteArray content = B::I16(int16_t(line1.size())) + B::I16(0) + B::I16(240) + B::B(13) + QByteArray(3, '\0') +
                         line1 + B::I16(int16_t(line2.size())) + B::I16(0) + B::I16(360) + B::B(13) +
                         QByteArray(3, '\0') + line2;
    f.Records = t + QByteArray(32, '\0') + QByteArray(4, '\0') + B::I16(int16_t(content.size())) +
                QByteArray(16, '\0') + content;
    TImported label;
    TZpScriptedDialogs& dialogs = *FDialogs;
    dialogs.Queue(TZpAnswer::Ok);
    ASSERT_EQ(Import(f.Bytes(), label, true), QString());
    ASSERT_EQ(label.Objects.size(), 2u);
    auto* first = dynamic_cast<TZpTextObject*>(label.Objects[0].get());
    auto* second = dynamic_cast<TZpTextObject*>(label.Objects[1].get());
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetBounds(), (TRect{0, 0, Px(2880), Px(240)}));
    EXPECT_EQ(second->GetBounds(), (TRect{0, Px(240), Px(2880), Px(1440)}));
    EXPECT_EQ(first->Data().GetText(), QStringLiteral("ABC"));
    EXPECT_EQ(second->Data().GetText(), QStringLiteral("Next"));
    EXPECT_EQ(first->GetCustomLeadingSize(), 144);
    EXPECT_EQ(second->GetCustomLeadingSize(), 180);
    EXPECT_EQ(first->Font().GetSize(), 12);
    EXPECT_TRUE(first->Font().GetStyle() & fsBold);
    EXPECT_EQ(first->Font().GetAlignment(), taLeft);
    const auto& runs = first->RVData().Paragraphs().front().Runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].Text, QStringLiteral("C"));
    EXPECT_FALSE(first->RVData().TextStyles()[size_t(runs[1].Style)].Style & fsItalic);
    EXPECT_EQ(dialogs.Messages().size(), 1);
    EXPECT_TRUE(dialogs.Messages().value(0).contains(QStringLiteral("Windows 3.1")));
}

TEST_F(LegacyImportTest, BarcodeSettingsDataAndLinks) {
    using B = TLegacyBuilder;
    B f;
    f.Printer.replace(150, 2, B::I16(300));
    QByteArray bc = Record(329, 8, 2, {0, 0, 2880, 1440});
    B::Put(bc, 33, B::B(4));
    B::Put(bc, 126, QByteArray("Code"));
    B::Put(bc, 143, QByteArray("1\x09\xC8\x81", 4));
    B::Put(bc, 204, B::B(8) + B::B(2) + B::B(0) + B::B(0));
    B::Put(bc, 212, B::B(1) + B::B(2) + B::B(1) + B::B(1));
    B::Put(bc, 252, QByteArray("ABC000000123"));
    QByteArray link = TextRecord(3, "Copy", 1);
    B::Put(link, 27, B::I32(2));
    B::Put(link, 250, B::B(1));
    f.Records = bc + QByteArray(32, '\0') + link + QByteArray(32, '\0');
    AppOptions().ImportITF14 = true;
    TImported label;
    ASSERT_EQ(Import(f.Bytes(), label), QString());
    ASSERT_EQ(label.Objects.size(), 2u);
    auto* code = dynamic_cast<TZpBarcodeObject*>(label.Objects[0].get());
    ASSERT_TRUE(code);
    EXPECT_EQ(code->GetSymbology(), 19);
    EXPECT_FLOAT_EQ(code->GetWideToNarrow(), 2.5f);
    EXPECT_TRUE(code->GetCheckDigit());
    EXPECT_EQ(code->GetI25CheckDigitType(), 1);
    EXPECT_TRUE(code->GetShowCheckDigit());
    EXPECT_TRUE(code->GetGuardBars());
    EXPECT_EQ(code->Data().GetKind(), dkSerialNumber);
    EXPECT_EQ(code->Data().GetSerialPrefix(), QStringLiteral("ABC"));
    EXPECT_EQ(code->Data().GetSerialStart(), 123);
    EXPECT_EQ(code->Data().GetPadWidth(), 9);
    auto* copy = Supports<IZpData>(label.Objects[1]);
    EXPECT_EQ(copy->GetKind(), dkLink);
    EXPECT_EQ(copy->GetLinkName(), QStringLiteral("Code"));
}

TEST_F(LegacyImportTest, BadRecordsStopWithTheirMessages) {
    using B = TLegacyBuilder;
    struct TCase {
        QByteArray Records;
        QString Message;
    } cases[] = {
        {Record(54, 7, 0, {}), QStringLiteral("STRING_TYPE")},
        {Record(54, 11, 0, {}), QStringLiteral("unknown type 11")},
        {[] { QByteArray t = TextRecord(1, "N", 4); B::Put(t, 172, QByteArray("12x")); B::Put(t, 250, B::B(1));
              return t + QByteArray(32, '\0'); }(),
         QStringLiteral("'12x' is not a valid integer value")},
        {[] { QByteArray t = TextRecord(1, "N", 1); B::Put(t, 27, B::I32(9)); B::Put(t, 250, B::B(1));
              return t + QByteArray(32, '\0'); }(),
         QStringLiteral("List index out of bounds (9)")},
    };
    for (const TCase& c : cases) {
        B f;
        f.Records = c.Records;
        TImported label;
        const QString message = Import(f.Bytes(), label);
        EXPECT_TRUE(message.contains(c.Message)) << message.toStdString() ;
    }
}

TEST_F(LegacyImportTest, EveryTruncationEndsInAMessage) {
    using B = TLegacyBuilder;
    B f;
    f.Merge = QByteArray(135, '\0');
    QByteArray t = TextRecord(1, "T", 0);
    B::Put(t, 250, B::B(0));
    const QByteArray content = B::I16(3) + QByteArray(8, '\0') + QByteArray("abc");
    f.Records = t + QByteArray(32, '\0') + QByteArray(4, '\0') + B::I16(int16_t(content.size())) +
                QByteArray(16, '\0') + content + Record(329, 8, 2, {}) + QByteArray(32, '\0');
    const QByteArray whole = f.Bytes();
    TImported full;
    ASSERT_EQ(Import(whole, full), QString());
    for (qsizetype n = 89; n < whole.size(); ++n) {
        TImported label;
        const QString message = Import(whole.left(n), label);
        // Cut between records the objects before it are kept.
        if (!message.isEmpty())
            EXPECT_TRUE(message.startsWith(QStringLiteral("The 2.x label is incomplete"))) << n;
    }
    // Random damage after the signature: a message or a label, never a crash.
    std::mt19937 random(18);
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = whole;
        for (int i = 0; i < 8; ++i)
            damaged[40 + qsizetype(random() % uint32_t(whole.size() - 40))] = char(random());
        TImported label;
        (void)Import(damaged, label);
    }
}

} // namespace
} // namespace zp

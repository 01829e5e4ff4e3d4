// SPDX-License-Identifier: MIT
// 2.x labels written by the builder from their byte layout, imported through
// the native loader's hand-over and checked field by field.
#include "legacy/LegacyImport.h"

#include "barcode/BarcodeObject.h"
#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "files/FileTestSupport.h"
#include "files/LabelFile.h"
#include "files/LegacyBuilder.h"
#include "model/ModelTestSupport.h"
#include "model/data/ZpData.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/printing/Printer.h"
#include "print/FakeBackend.h"
#include "settings/AppOptions.h"

#include <QBuffer>
#include <functional>
#include <gtest/gtest.h>

namespace zp {
namespace {

using test::TLegacyBuilder;
using B = TLegacyBuilder;
using test::BarcodeRecord;
using test::Formatted;
using test::Record;
using test::TextRecord;
using test::Trailer;

struct TImported {
    TZpObjectList Objects;
    TZpIDEProperties Ide;
    TLabelProperties Layout;
};

int32_t Px(int32_t twips) {
    return Round(double(twips) * LabelDPI() / 1440);
}

template <class T> T* Object(const TImported& label, size_t index) {
    return index < label.Objects.size() ? dynamic_cast<T*>(label.Objects[index].get()) : nullptr;
}

class LegacyImportTest : public ::testing::Test {
protected:
    void SetUp() override { AppOptions().AssignTo(FOptions); }
    void TearDown() override { FOptions.AssignTo(AppOptions()); }

    // Imports through the native loader's hand-over and applies what the label
    // asks, as opening it does; the error message, or empty when it loaded.
    static QString Import(const QByteArray& bytes, TImported& label, bool open = false) {
        InstallLegacyImporter();
        struct TUninstall {
            ~TUninstall() { SetLegacyImporter(nullptr); }
        } uninstall;
        QByteArray data = bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        try {
            ApplyLabelFileSettings(LoadLabelFromDevice(buffer, label.Objects, label.Ide, label.Layout, open),
                                   label.Ide, label.Layout);
            RescaleLabel(LabelDPI(), label.Ide, label.Objects);
        } catch (const EZpError& e) {
            return e.Message();
        }
        return {};
    }

    // A label of only these records, imported without an error.
    static std::unique_ptr<TImported> ImportRecords(const QByteArray& records) {
        B f;
        f.Records = records;
        auto label = std::make_unique<TImported>();
        EXPECT_EQ(Import(f.Bytes(), *label), QString());
        return label;
    }

    TZpAppOptions FOptions;
    test::TLabelDpiGuard FDpi{300};
    TZpScriptedDialogsGuard FDialogs;
};

TEST_F(LegacyImportTest, HeaderLayoutAndGuides) {
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
    // At 300 per inch: 720 twips are 150 label pixels, 500 are 104.
    EXPECT_EQ(label.Ide.FGuidesX, QList<int32_t>{Px(720)});
    EXPECT_EQ(label.Ide.FGuidesY, QList<int32_t>{Px(500)});
    EXPECT_EQ(label.Ide.DPI(), LabelDPI());
    EXPECT_TRUE(label.Objects.empty());
}

TEST_F(LegacyImportTest, ZoomAndRulerCodes) {
    struct TCase {
        int16_t Zoom, Ruler;
        int32_t Scale;
        TZpRulerUnits Units;
    } cases[] = {{0, 1, 25, ruDecimalInches},
                 {5, 3, 400, ruInches},
                 {6, 0, 100, ruInches},
                 {-1, 2, 100, ruCentimeters}};
    for (const TCase& c : cases) {
        B f;
        f.Header(60, B::I16(c.Ruler));
        f.Header(70, B::I16(c.Zoom));
        TImported label;
        ASSERT_EQ(Import(f.Bytes(), label), QString());
        EXPECT_EQ(label.Ide.Scale(), c.Scale) << c.Zoom;
        EXPECT_EQ(label.Ide.RulerUnits(), c.Units) << c.Ruler;
    }
}

TEST_F(LegacyImportTest, PrinterByTheBeginningOfItsNameWithItsOffsetInRelativeMargins) {
    auto backend = std::make_unique<test::TFakeBackend>(
        test::TFakeBackend::WithQueues({"Office Laser A", "Label Writer 300", "Label Writer 300 (copy)"}));
    backend->LowResolution = {QStringLiteral("Label Writer 300")};
    ZpPrinter().SetBackend(std::move(backend));
    struct TRestore {
        ~TRestore() { ZpPrinter().SetBackend(nullptr); }
    } restore;
    // The fake printers' printable area starts a quarter inch in and a sixth of an inch down.
    struct TCase {
        const char* Stored;
        uint8_t Absolute;
        const char* Selected;
        float Left, Top;
        int32_t Dpi;
    } cases[] = {
        {"Label Writer", 0, "Label Writer 300", 0.3125f + 0.25f, 1.0f / 6, 300},
        {"Label Writer", 1, "Label Writer 300", 0.25f, 0.0f, 300},
        {"", 0, "Office Laser A", 0.3125f, 0.0f, 600},
        {"Label Writer 300 (copy) 2", 0, "Office Laser A", 0.3125f, 0.0f, 600},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Stored);
        B f;
        f.Layout(9, B::I32(360));
        f.Layout(25, B::B(c.Absolute));
        f.Layout(34, B::I32(180));
        f.Printer.replace(0, int(qstrlen(c.Stored)), QByteArray(c.Stored));
        f.Records = TextRecord(1, "T", 0) + Trailer();
        TImported label;
        ASSERT_EQ(Import(f.Bytes(), label), QString());
        EXPECT_EQ(ZpPrinter().PrinterName(), QString::fromLatin1(c.Selected));
        EXPECT_FLOAT_EQ(label.Layout.LeftMargin, c.Left);
        EXPECT_FLOAT_EQ(label.Layout.TopMargin, c.Top);
        // The label is expressed in the selected printer's resolution.
        EXPECT_EQ(LabelDPI(), c.Dpi);
        EXPECT_EQ(Supports<IZpObject>(label.Objects.at(0))->GetBounds().Right, 2 * c.Dpi);
    }
}

QByteArray Shape(uint8_t type, uint8_t fill) {
    QByteArray s = Record(54, type, 0, {144, 288, 1584, 1008});
    B::Put(s, 25, B::I16(20));
    B::Put(s, 27, B::B(psDash));
    B::Put(s, 29, B::B(fill));
    B::Put(s, 46, B::I32(0x0000FF) + B::I32(0x00FF00));
    return s + Trailer();
}

TEST_F(LegacyImportTest, EveryShapeKind) {
    struct TCase {
        uint8_t Type;
        const char* Class;
        uint8_t Fill;
        int32_t Style; ///< expected fill style; -1 the new object's
    } cases[] = {
        {2, "TZpRectangleObject", 0x80 | 3, 3}, {3, "TZpRoundRectObject", 1, bsSolid},
        {4, "TZpCircleObject", 8, bsClear},     {5, "TZpLineObject", 0, 0},
        {6, "TZpLineConstraint", 0, 0},         {10, "TZpRectangleObject", 0x09, -1},
    };
    TZpRectangleObject fresh;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Class);
        const auto label = ImportRecords(Shape(c.Type, c.Fill));
        ASSERT_EQ(label->Objects.size(), 1u);
        const TZpObjectPtr& obj = label->Objects[0];
        EXPECT_EQ(obj->GetClassName(), QString::fromLatin1(c.Class));
        auto* line = Supports<IZpLineStyle>(obj);
        ASSERT_TRUE(line);
        EXPECT_EQ(line->GetStyle(), psDash);
        EXPECT_EQ(line->GetWidth(), Px(20));
        EXPECT_EQ(line->GetColor(), TColor(0x00FF00));
        if (auto* fill = Supports<IZpFillStyle>(obj)) {
            EXPECT_EQ(fill->GetColor(), TColor(0x0000FF));
            // Bit 7 makes it transparent; without it the new object's setting stays.
            EXPECT_EQ(fill->GetTransparent(), (c.Fill & 0x80) ? true : fresh.FillStyle().GetTransparent());
            EXPECT_EQ(fill->GetStyle(), c.Style >= 0 ? c.Style : fresh.FillStyle().GetStyle());
        }
        const TRect r = Supports<IZpObject>(obj)->GetBounds();
        if (c.Type == 6) {
            // A constrained line runs across, down or at 45 degrees from where it starts.
            const int32_t w = std::abs(r.Right - r.Left), h = std::abs(r.Bottom - r.Top);
            EXPECT_TRUE(w == 0 || h == 0 || w == h)
                << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
            EXPECT_EQ(r.Left, Px(144));
            EXPECT_EQ(r.Top, Px(288));
        } else {
            EXPECT_EQ(r, (TRect{Px(144), Px(288), Px(1584), Px(1008)}));
        }
    }
}

TEST_F(LegacyImportTest, PicturesEmbeddedLinkedAndMerged) {
    const QByteArray bitmap = test::SmallBitmap();
    QByteArray embedded = Record(127, 9, 4, {0, 0, 720, 720});
    B::Put(embedded, 39, B::B(1));
    B::Put(embedded, 108, QByteArray("Logo"));
    QByteArray linked = Record(127, 9, 5, {720, 0, 1440, 720});
    B::Put(linked, 27, B::I32(4));
    B::Put(linked, 33, B::B(1) + QByteArray(4, '\0') + B::B(1));
    QByteArray merged = Record(127, 9, 6, {0, 720, 720, 1440});
    B::Put(merged, 27, B::I32(1));
    B::Put(merged, 33, B::B(2));
    B f;
    // The stored bitmap is longer than its own header says; the rest is not part of it.
    f.Records = embedded + B::I32(int32_t(bitmap.size() + 5)) + bitmap + QByteArray(5, 'x') + Trailer() +
                linked + Trailer() + merged + Trailer();
    TImported label;
    ASSERT_EQ(Import(f.Bytes(), label), QString());
    ASSERT_EQ(label.Objects.size(), 3u);
    auto* logo = Object<TZpPictureObject>(label, 0);
    auto* link = Object<TZpPictureObject>(label, 1);
    auto* merge = Object<TZpPictureObject>(label, 2);
    ASSERT_TRUE(logo && link && merge);
    EXPECT_EQ(logo->Data().GetName(), QStringLiteral("Logo"));
    EXPECT_TRUE(logo->GetStretch());
    EXPECT_EQ(logo->GetRotation(), 90);
    EXPECT_EQ(logo->ImageWidth(), 2);
    EXPECT_EQ(logo->ImageHeight(), 2);
    EXPECT_EQ(logo->GetBounds(), (TRect{0, 0, Px(720), Px(720)}));
    EXPECT_FALSE(link->GetStretch());
    EXPECT_EQ(link->Data().GetKind(), dkLink);
    EXPECT_EQ(link->Data().GetLinkName(), QStringLiteral("Logo"));
    // Without a merge file a merged picture keeps the new object's source.
    EXPECT_EQ(merge->Data().GetKind(), dkStaticText);
    EXPECT_EQ(merge->Data().GetFieldCount(), 0);
}

TEST_F(LegacyImportTest, TextWithControlCodesSplitsWhereSpacingChanges) {
    B f;
    QByteArray t = TextRecord(1, "Title", 0);
    B::Put(t, 250, B::B(0));
    f.Records = t + Formatted({{QByteArray("A\x01IB\x01iC\x01Q", 10), 240},
                               {QByteArray("\x01S\xF0\x00\x01"
                                           "FxxxCourier New",
                                           20) +
                                    QByteArray(21, '\0') +
                                    QByteArray("\x01"
                                               "BN\x01L..ext\x01",
                                               11),
                                360}});
    TImported label;
    TZpScriptedDialogs& dialogs = *FDialogs;
    ASSERT_EQ(Import(f.Bytes(), label, true), QString());
    ASSERT_EQ(label.Objects.size(), 2u);
    auto* first = Object<TZpTextObject>(label, 0);
    auto* second = Object<TZpTextObject>(label, 1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetBounds(), (TRect{0, 0, Px(2880), Px(240)}));
    EXPECT_EQ(second->GetBounds(), (TRect{0, Px(240), Px(2880), Px(1440)}));
    // An unknown code is dropped and the byte after it read as text; 'L' and its two bytes have no effect.
    EXPECT_EQ(first->Data().GetText(), QStringLiteral("ABCQ"));
    EXPECT_EQ(second->Data().GetText(), QStringLiteral("Next"));
    EXPECT_EQ(first->GetCustomLeadingSize(), 144);
    EXPECT_EQ(second->GetCustomLeadingSize(), 180);
    EXPECT_TRUE(first->GetSkipFirstLeading());
    EXPECT_EQ(first->Font().GetSize(), 12);
    EXPECT_EQ(first->Font().GetName(), QStringLiteral("Arial"));
    EXPECT_TRUE(first->Font().GetStyle() & fsBold);
    EXPECT_EQ(first->Font().GetAlignment(), taLeft);
    const auto& runs = first->RVData().Paragraphs().front().Runs;
    ASSERT_GE(runs.size(), 3u);
    EXPECT_EQ(runs[0].Text, QStringLiteral("A"));
    EXPECT_EQ(runs[1].Text, QStringLiteral("B"));
    EXPECT_TRUE(first->RVData().TextStyles()[size_t(runs[1].Style)].Style & fsItalic);
    EXPECT_FALSE(first->RVData().TextStyles()[size_t(runs.back().Style)].Style & fsItalic);
    // The second piece: 12 point from 240 twips, the face from the 'F' code, bold on.
    const auto& rest = second->RVData().Paragraphs().front().Runs;
    ASSERT_FALSE(rest.empty());
    const TZpTextStyle& style = second->RVData().TextStyles()[size_t(rest.back().Style)];
    EXPECT_EQ(style.Size, 12);
    EXPECT_EQ(style.FontName, QStringLiteral("Courier New"));
    EXPECT_TRUE(style.Style & fsBold);
    EXPECT_EQ(dialogs.Messages(),
              QStringList{QStringLiteral("Due to changes in the text control from Windows 3.1 "
                                         "to Win32, some text objects may need to be adjusted "
                                         "slightly.")});
}

TEST_F(LegacyImportTest, TextIsInTheOldWesternCodePage) {
    QByteArray t = TextRecord(1, "Caf\xE9 \x80", 0);
    B::Put(t, 63,
           QByteArray("Fa\xE7"
                      "ade"));
    B::Put(t, 250, B::B(0));
    const auto label = ImportRecords(t + Formatted({{"\x93Hi\x94 \x80\xE9"}}));
    auto* text = Object<TZpTextObject>(*label, 0);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Data().GetName(), QString::fromUtf8("Caf\u00e9 \u20ac"));
    EXPECT_EQ(text->Font().GetName(), QString::fromUtf8("Fa\u00e7ade"));
    EXPECT_EQ(text->Data().GetText(), QString::fromUtf8("\u201cHi\u201d \u20ac\u00e9"));
}

TEST_F(LegacyImportTest, SplitBandsFollowTheRotation) {
    struct TCase {
        uint8_t Turns;
        TRect First, Second; // twips
    } cases[] = {
        {0, {0, 0, 2880, 240}, {0, 240, 2880, 1440}},
        {1, {0, 0, 240, 1440}, {240, 0, 2880, 1440}},
        {2, {0, 1200, 2880, 1440}, {0, 0, 2880, 1200}},
        {3, {2640, 0, 2880, 1440}, {0, 0, 2640, 1440}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Turns * 90);
        B f;
        QByteArray t = TextRecord(1, "T", 0);
        B::Put(t, 103, B::B(c.Turns));
        B::Put(t, 250, B::B(0));
        f.Records = t + Formatted({{"one", 240}, {"two", 360}});
        TImported label;
        ASSERT_EQ(Import(f.Bytes(), label), QString());
        ASSERT_EQ(label.Objects.size(), 2u);
        const TRect first = Supports<IZpObject>(label.Objects[0])->GetBounds();
        const TRect second = Supports<IZpObject>(label.Objects[1])->GetBounds();
        EXPECT_EQ(first, (TRect{Px(c.First.Left), Px(c.First.Top), Px(c.First.Right), Px(c.First.Bottom)}));
        EXPECT_EQ(second,
                  (TRect{Px(c.Second.Left), Px(c.Second.Top), Px(c.Second.Right), Px(c.Second.Bottom)}));
    }
}

TEST_F(LegacyImportTest, TextDataKinds) {
    QByteArray target = TextRecord(7, "Target", 0);
    QByteArray link = TextRecord(8, "Copy", 1);
    B::Put(link, 27, B::I32(7));
    QByteArray merge = TextRecord(9, "Merged", 2);
    B::Put(merge, 27, B::I32(1));
    QByteArray prompt = TextRecord(10, "Your name", 3);
    QByteArray serial = TextRecord(11, "Number", 4);
    B::Put(serial, 159,
           B::B(5) + B::B(1) + QByteArray("No.").leftJustified(11, '\0') +
               QByteArray("42").leftJustified(27, '\0') + QByteArray("/A"));
    B::Put(serial, 210, B::I16(3) + B::I16(2));
    // A serial's formatted text is read past and not used.
    B::Put(serial, 250, B::B(0));
    QByteArray slide = TextRecord(12, "Slide", 9);
    B::Put(slide, 222, B::B(1));
    B f;
    f.Records = target + Trailer() + link + Trailer() + merge + Trailer() + prompt + Trailer() + serial +
                Formatted({{"ignored"}}) + slide + Trailer();
    TImported label;
    TZpScriptedDialogs& dialogs = *FDialogs;
    ASSERT_EQ(Import(f.Bytes(), label, true), QString());
    ASSERT_EQ(label.Objects.size(), 6u);
    const auto data = [&](size_t i) -> TZpData& { return Object<TZpTextObject>(label, i)->Data(); };
    EXPECT_EQ(data(0).GetKind(), dkStaticText);
    EXPECT_EQ(data(1).GetKind(), dkLink);
    EXPECT_EQ(data(1).GetLinkName(), QStringLiteral("Target"));
    // No merge file: the field shows a fixed text.
    EXPECT_EQ(data(2).GetKind(), dkStaticText);
    EXPECT_EQ(data(2).GetText(), QStringLiteral("MERGE"));
    EXPECT_EQ(data(3).GetKind(), dkPrompt);
    EXPECT_EQ(data(3).GetPromptCaption(), QStringLiteral("Your name"));
    EXPECT_EQ(data(3).GetName(), QStringLiteral("Your name"));
    TZpData& number = data(4);
    EXPECT_EQ(number.GetKind(), dkSerialNumber);
    EXPECT_EQ(number.GetSerialPrefix(), QStringLiteral("No."));
    EXPECT_EQ(number.GetSerialSuffix(), QStringLiteral("/A"));
    EXPECT_EQ(number.GetPadWidth(), 5);
    EXPECT_EQ(number.GetPadChar(), QStringLiteral("0"));
    EXPECT_EQ(number.GetRepeatCount(), 3);
    EXPECT_EQ(number.GetSerialIncrement(), 2);
    EXPECT_EQ(number.GetSerialStart(), 42);
    EXPECT_EQ(number.GetSerialValue(), 42);
    EXPECT_EQ(number.GetText(), QStringLiteral("No.00042/A"));
    // An unknown kind keeps the default; a slide byte brings its warning after the text one.
    EXPECT_EQ(data(5).GetKind(), dkStaticText);
    ASSERT_EQ(dialogs.Messages().size(), 2);
    EXPECT_TRUE(dialogs.Messages()[1].contains(QStringLiteral("\"slide\" feature")));
}

TEST_F(LegacyImportTest, TextBackgroundFollowsTheImportOption) {
    for (const bool clear : {true, false}) {
        AppOptions().Import2xTextClear = clear;
        QByteArray t = TextRecord(1, "T", 0);
        B::Put(t, 108, B::I32(0x00C0FFEE));
        const auto label = ImportRecords(t + Trailer());
        auto* text = Object<TZpTextObject>(*label, 0);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->FillStyle().GetColor(), TColor(0x00C0FFEE));
        EXPECT_EQ(text->FillStyle().GetStyle(), clear ? bsClear : bsSolid);
        EXPECT_EQ(text->FillStyle().GetTransparent(), clear);
    }
}

TEST_F(LegacyImportTest, TextFontFromTheRecord) {
    struct TCase {
        int16_t Weight, Size;
        uint8_t Italic, Underline, Strike, Align;
        uint8_t Style, Alignment;
        int32_t Points;
    } cases[] = {
        {699, 240, 1, 0, 0, 0, fsItalic, taCenter, 12},
        {700, 250, 0, 1, 1, 2, fsBold | fsUnderline | fsStrikeOut, taRight,
         13}, // 12.5 points: halves away from zero
        {400, 230, 0, 0, 0, 3, 0, taJustify, 12},
    };
    for (const TCase& c : cases) {
        QByteArray t = TextRecord(1, "T", 0);
        B::Put(t, 34, B::B(c.Align));
        B::Put(t, 45, B::I16(c.Size));
        B::Put(t, 53, B::I16(c.Weight) + B::B(c.Italic) + B::B(c.Underline) + B::B(c.Strike));
        B::Put(t, 104, B::I32(0x00123456));
        const auto label = ImportRecords(t + Trailer());
        auto* text = Object<TZpTextObject>(*label, 0);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->Font().GetStyle(), c.Style) << c.Weight;
        EXPECT_EQ(text->Font().GetAlignment(), c.Alignment);
        EXPECT_EQ(text->Font().GetSize(), c.Points) << c.Size;
        EXPECT_EQ(text->Font().GetColor(), TColor(0x00123456));
        EXPECT_EQ(text->RVData().TextStyles().front().Size, c.Points);
    }
}

TEST_F(LegacyImportTest, BarcodeSettingsDataAndLinks) {
    B f;
    f.Printer.replace(150, 2, B::I16(300));
    QByteArray bc = BarcodeRecord(2, "Code", 4, 8, QByteArray("1\x09\xC8\x81\x80", 5));
    B::Put(bc, 53, B::I16(700));
    B::Put(bc, 103, B::B(2));
    B::Put(bc, 142, B::B(2));
    B::Put(bc, 205, B::B(2) + B::B(1) + B::B(1));
    B::Put(bc, 212, B::B(1) + B::B(2) + B::B(1) + B::B(1));
    B::Put(bc, 222, B::I16(3) + B::I16(-2));
    B::Put(bc, 252, QByteArray("ABC000000123"));
    B::Put(bc, 290, B::I16(2) + B::I16(5));
    B::Put(bc, 306, QByteArray("<").leftJustified(11, '\0') + QByteArray(">"));
    QByteArray link = TextRecord(3, "Copy", 1);
    B::Put(link, 27, B::I32(2));
    QByteArray code39 = BarcodeRecord(4, "Plain", 0, 0, QByteArray("AB-12"));
    f.Records = bc + Trailer() + link + Trailer() + code39 + Trailer();
    AppOptions().ImportITF14 = true;
    TImported label;
    ASSERT_EQ(Import(f.Bytes(), label), QString());
    ASSERT_EQ(label.Objects.size(), 3u);
    auto* code = Object<TZpBarcodeObject>(label, 0);
    ASSERT_TRUE(code);
    EXPECT_EQ(code->GetSymbology(), 19);
    EXPECT_FLOAT_EQ(code->GetWideToNarrow(), 2.5f);
    EXPECT_TRUE(code->GetCheckDigit());
    EXPECT_EQ(code->GetI25CheckDigitType(), 1);
    EXPECT_TRUE(code->GetShowCheckDigit());
    EXPECT_TRUE(code->GetGuardBars());
    EXPECT_TRUE(code->GetShowHumanReadable());
    EXPECT_EQ(code->GetHRPosition(), 0);
    EXPECT_EQ(code->GetRotation(), 180);
    EXPECT_EQ(code->GetPreamble(), QStringLiteral("<"));
    EXPECT_EQ(code->GetPostamble(), QStringLiteral(">"));
    // The adjustments are printer dots and keep their values.
    EXPECT_EQ(code->GetBarAdjust(), 3);
    EXPECT_EQ(code->GetSpaceAdjust(), -2);
    EXPECT_EQ(code->GetHRSpacing(), Px(20));
    EXPECT_EQ(code->GetHeight(), Px(720));
    // Two dots at 300 per inch are 9.6 twips, stored as 10.
    EXPECT_EQ(code->GetDensity(), Px(10));
    EXPECT_EQ(code->Font().GetAlignment(), taRight);
    EXPECT_TRUE(code->Font().GetStyle() & fsBold);
    EXPECT_EQ(code->Font().GetSize(), 10);
    TZpData& serial = code->Data();
    EXPECT_EQ(serial.GetKind(), dkSerialNumber);
    EXPECT_EQ(serial.GetSerialPrefix(), QStringLiteral("ABC"));
    EXPECT_EQ(serial.GetSerialStart(), 123);
    EXPECT_EQ(serial.GetSerialValue(), 123);
    EXPECT_EQ(serial.GetPadWidth(), 9);
    EXPECT_EQ(serial.GetPadChar(), QStringLiteral("0"));
    EXPECT_EQ(serial.GetRepeatCount(), 2);
    EXPECT_EQ(serial.GetSerialIncrement(), 5);
    EXPECT_EQ(serial.GetText(), QStringLiteral("ABC000000123"));
    auto* copy = Supports<IZpData>(label.Objects[1]);
    EXPECT_EQ(copy->GetKind(), dkLink);
    EXPECT_EQ(copy->GetLinkName(), QStringLiteral("Code"));
    auto* plain = Object<TZpBarcodeObject>(label, 2);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->Data().GetText(), QStringLiteral("AB-12"));
    EXPECT_EQ(plain->GetSymbology(), 0);
}

TEST_F(LegacyImportTest, BarcodeDataBytesBecomeEngineEscapes) {
    QByteArray bc = BarcodeRecord(1, "B", 0, 9, QByteArray("A\x09\xC8\x81\x84\x80\x7F", 7));
    const auto label = ImportRecords(bc + Trailer());
    auto* code = Object<TZpBarcodeObject>(*label, 0);
    ASSERT_TRUE(code);
    EXPECT_EQ(code->Data().GetText(), QStringLiteral("A\\009\\200\\F1\\F4\\000\x7F"));
}

// The options of each 2.x symbology code; O1..O5 as written, the type and the
// settings that the code's row gives them.
TEST_F(LegacyImportTest, BarcodeSymbologies) {
    using TCheck = std::function<void(const TZpBarcodeObject&)>;
    struct TCase {
        uint8_t Code;
        QByteArray Options;
        uint8_t Type;
        TCheck Check;
    };
    const std::vector<TCase> cases = {
        {0, QByteArray("\x02\x01\x01\x01", 4), 0,
         [](const TZpBarcodeObject& b) {
             EXPECT_FLOAT_EQ(b.GetWideToNarrow(), 3.0f);
             EXPECT_TRUE(b.GetCheckDigit() && b.GetShowCheckDigit() && b.GetShowStartStop());
         }},
        {1, QByteArray("\x00\x00\x00\x00", 4), 1,
         [](const TZpBarcodeObject& b) {
             EXPECT_FLOAT_EQ(b.GetWideToNarrow(), 2.0f);
             EXPECT_FALSE(b.GetCheckDigit());
         }},
        {2, QByteArray("\x01\x01\x01\x01\x01", 5), 4,
         [](const TZpBarcodeObject& b) {
             EXPECT_TRUE(b.GetDescenders() && b.GetShowNumberSystem() && b.GetShowCheckDigit() &&
                         b.GetExtendSupplement() && b.GetShowMfrProdSpace());
         }},
        {3, QByteArray("\x00\x00\x00\x00\x00", 5), 5,
         [](const TZpBarcodeObject& b) { EXPECT_FALSE(b.GetDescenders()); }},
        {4, QByteArray("\x01", 1), 6, [](const TZpBarcodeObject& b) { EXPECT_TRUE(b.GetDescenders()); }},
        {5, QByteArray("\x01\x01", 2), 7,
         [](const TZpBarcodeObject& b) { EXPECT_TRUE(b.GetDescenders() && b.GetExtendSupplement()); }},
        {6, QByteArray("\x00\x01", 2), 8,
         [](const TZpBarcodeObject& b) { EXPECT_TRUE(!b.GetDescenders() && b.GetExtendSupplement()); }},
        {7, QByteArray("\x01\x00\x01", 3), 9,
         [](const TZpBarcodeObject& b) {
             EXPECT_TRUE(b.GetShowISBN() && !b.GetExtendSupplement() && b.GetAppendGreaterThan());
         }},
        {8, QByteArray("\x00\x01\x00\x00", 4), 10,
         [](const TZpBarcodeObject& b) {
             EXPECT_EQ(b.GetI25CheckDigitType(), 0);
             EXPECT_TRUE(b.GetCheckDigit());
             EXPECT_FALSE(b.GetGuardBars());
         }},
        {8, QByteArray("\x00\x03", 2), 10,
         [](const TZpBarcodeObject& b) { EXPECT_FALSE(b.GetCheckDigit()); }},
        {9, {}, 2, {}},
        {10, QByteArray("\x01", 1), 3, [](const TZpBarcodeObject& b) { EXPECT_TRUE(b.GetCheckDigit()); }},
        {11, QByteArray("\x02\x01\x02\x03", 4), 11,
         [](const TZpBarcodeObject& b) {
             EXPECT_FLOAT_EQ(b.GetWideToNarrow(), 3.0f);
             EXPECT_TRUE(b.GetShowStartStop());
             EXPECT_EQ(b.GetCodabarStart(), 2);
             EXPECT_EQ(b.GetCodabarStop(), 3);
         }},
        {12, QByteArray("\x00", 1), 12,
         [](const TZpBarcodeObject& b) { EXPECT_FLOAT_EQ(b.GetWideToNarrow(), 2.0f); }},
        {13, QByteArray("\x01\x01\x03", 3), 13,
         [](const TZpBarcodeObject& b) {
             EXPECT_TRUE(b.GetCheckDigit() && b.GetFirstCheckMod11() && b.GetShowCheckDigit() &&
                         b.GetShowCheckDigit2());
         }},
        {13, QByteArray("\x02\x00\x02", 3), 13,
         [](const TZpBarcodeObject& b) {
             EXPECT_TRUE(!b.GetCheckDigit() && !b.GetShowCheckDigit() && b.GetShowCheckDigit2());
         }},
        {14, QByteArray("\x01", 1), 14,
         [](const TZpBarcodeObject& b) { EXPECT_TRUE(b.GetShowCheckDigit()); }},
        {15, {}, 15, {}},
        {16, QByteArray("\x01\x01", 2), 16,
         [](const TZpBarcodeObject& b) { EXPECT_TRUE(b.GetCheckDigit() && b.GetShowCheckDigit()); }},
        {17, {}, 17, {}},
        {18, QByteArray("\x02", 1), 18,
         [](const TZpBarcodeObject& b) { EXPECT_EQ(b.Data().GetText(), "C"); }},
        {18, QByteArray("\x07", 1), 18,
         [](const TZpBarcodeObject& b) { EXPECT_EQ(b.Data().GetText(), "12345"); }},
    };
    const uint8_t defaultType = TZpBarcodeObject().GetSymbology();
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.Code));
        QByteArray bc = BarcodeRecord(1, "B", 0, c.Code, "12345");
        B::Put(bc, 212, c.Options.leftJustified(5, '\0'));
        const auto label = ImportRecords(bc + Trailer());
        auto* code = Object<TZpBarcodeObject>(*label, 0);
        ASSERT_TRUE(code);
        EXPECT_EQ(code->GetSymbology(), c.Type);
        if (c.Check)
            c.Check(*code);
    }
    // An unknown code leaves the new object's symbology.
    const auto label = ImportRecords(BarcodeRecord(1, "B", 0, 40, "12345") + Trailer());
    ASSERT_TRUE(Object<TZpBarcodeObject>(*label, 0));
    EXPECT_EQ(Object<TZpBarcodeObject>(*label, 0)->GetSymbology(), defaultType);
}

TEST_F(LegacyImportTest, BadRecordsStopWithTheirMessages) {
    struct TCase {
        QByteArray Records;
        QString Message;
    } cases[] = {
        {Record(54, 7, 0, {}), QStringLiteral("STRING_TYPE")},
        {Record(54, 11, 0, {}), QStringLiteral("unknown type 11")},
        {[] {
             QByteArray t = TextRecord(1, "N", 4);
             B::Put(t, 172, QByteArray("12x"));
             return t + Trailer();
         }(),
         QStringLiteral("'12x' is not a valid integer value")},
        {[] {
             QByteArray t = BarcodeRecord(1, "N", 4, 9, "1");
             B::Put(t, 252, QByteArray("1234567890x"));
             return t + Trailer();
         }(),
         QStringLiteral("'34567890x' is not a valid integer value")},
        {[] {
             QByteArray t = TextRecord(1, "N", 1);
             B::Put(t, 27, B::I32(9));
             return t + Trailer();
         }(),
         QStringLiteral("List index out of bounds (9)")},
    };
    for (const TCase& c : cases) {
        B f;
        f.Records = c.Records;
        TImported label;
        const QString message = Import(f.Bytes(), label);
        EXPECT_TRUE(message.contains(c.Message)) << message.toStdString();
    }
}

TEST_F(LegacyImportTest, ObjectLoopEndsAtTheEndCodeOrAZeroByte) {
    for (const uint8_t end : {uint8_t(0), uint8_t(0xFF)}) {
        B f;
        f.Header(40, B::B(0xFF));
        // What follows the end is not read, however damaged.
        f.Records = Shape(2, 1) + B::B(end) + QByteArray("junk");
        TImported label;
        ASSERT_EQ(Import(f.Bytes(), label), QString()) << int(end);
        EXPECT_EQ(label.Objects.size(), 1u);
    }
}

TEST_F(LegacyImportTest, PreviewShowsNoMessages) {
    B f;
    f.MergeFile(QStringLiteral("/no/such/folder/DATA.DBF"), 0);
    QByteArray t = TextRecord(1, "T", 2);
    B::Put(t, 221, B::B(1));
    f.Records = t + Trailer();
    TImported label;
    TZpScriptedDialogs& dialogs = *FDialogs;
    ASSERT_EQ(Import(f.Bytes(), label, false), QString());
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(label.Ide.Connections().ConnectionCount(), 0);
}

} // namespace
} // namespace zp

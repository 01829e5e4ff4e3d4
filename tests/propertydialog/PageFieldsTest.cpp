// SPDX-License-Identifier: MIT
// Each page's fields: loaded from the copy, written back on OK, left alone
// on Cancel, and followed at once by the preview.
#include "SheetFixture.h"
#include "data/DataConnections.h"
#include "design/dialogs/DataPage.h"
#include "model/script/ZpScript.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>

namespace zp::test {
namespace {

using TAction = std::function<void(TfrmPropertyObject&, QWidget* page)>;
using TCheck = std::function<void(TZpObject&)>;

struct TFieldCase {
    const char* Name;
    std::function<TZpObjectPtr()> Make;
    const char* Page;
    TAction Edit;
    TCheck Expect;
    bool PreviewChanges = true;
};

TZpObjectPtr Text() {
    return std::make_shared<TZpTextObject>();
}
// A text that shows a produced value (a serial number), which the script
// transforms.
TZpObjectPtr SerialText() {
    auto t = std::make_shared<TZpTextObject>();
    Supports<IZpData>(t)->SetKind(dkSerialNumber);
    Supports<IZpData>(t)->SetSerialPrefix(QStringLiteral("a-"));
    Supports<IZpData>(t)->Update();
    return t;
}
TZpObjectPtr Barcode() {
    return std::make_shared<TZpBarcodeObject>();
}
TZpObjectPtr UpcData() {
    auto b = std::make_shared<TZpBarcodeObject>();
    b->Data().SetText(QStringLiteral("01234567890"));
    return b;
}
TZpObjectPtr Rect() {
    return std::make_shared<TZpRectangleObject>();
}
TZpObjectPtr RoundRect() {
    return std::make_shared<TZpRoundRectObject>();
}
// A picture whose image is not symmetric, so that flips show.
TZpObjectPtr Picture() {
    auto p = std::make_shared<TZpPictureObject>();
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    p->AssignBitmap(image);
    p->SetBounds({0, 0, 400, 200});
    return p;
}

IZpData& Data(TZpObject& o) {
    return *Supports<IZpData>(o);
}

QString Name(const TFieldCase& c) {
    return QString::fromLatin1(c.Name);
}

const TFieldCase kCases[] = {
    // Properties
    {"PrintObject", Rect, "Properties",
     [](auto&, QWidget* p) { Find<QCheckBox>(p, QStringLiteral("Print object"))->click(); },
     [](TZpObject& o) { EXPECT_FALSE(o.GetPrintObject()); }, false},
    {"FillColor", Rect, "Properties",
     [](auto&, QWidget* p) {
         Choose(Find<QComboBox>(p, QStringLiteral("Fill style")), QStringLiteral("Solid"));
         Find<QPushButton>(p, QStringLiteral("Fill color"))->click();
     },
     [](TZpObject& o) {
         EXPECT_EQ(Supports<IZpFillStyle>(o)->GetColor(), clRed);
         EXPECT_EQ(Supports<IZpFillStyle>(o)->GetStyle(), bsSolid);
     }},
    {"FillStyleAndTransparency", Rect, "Properties",
     [](auto&, QWidget* p) {
         Find<QPushButton>(p, QStringLiteral("Fill color"))->click();
         auto* transparency = Find<QComboBox>(p, QStringLiteral("Transparency"));
         Choose(Find<QComboBox>(p, QStringLiteral("Fill style")), QStringLiteral("Solid"));
         EXPECT_FALSE(transparency->isEnabled());
         Choose(Find<QComboBox>(p, QStringLiteral("Fill style")), QStringLiteral("Cross"));
         EXPECT_TRUE(transparency->isEnabled());
         Choose(transparency, QStringLiteral("Opaque"));
     },
     [](TZpObject& o) {
         EXPECT_EQ(Supports<IZpFillStyle>(o)->GetStyle(), bsCross);
         EXPECT_FALSE(Supports<IZpFillStyle>(o)->GetTransparent());
     }},
    {"LineWidthInPoints", Rect, "Properties",
     [](auto&, QWidget* p) { Type(Find<QLineEdit>(p, QStringLiteral("Line width")), QStringLiteral("6")); },
     [](TZpObject& o) { EXPECT_EQ(Supports<IZpLineStyle>(o)->GetWidth(), 25); }}, // 6 / 72 x 300
    {"DashedLineIsOnePixelAndWidthMakesItSolid", Rect, "Properties",
     [](auto&, QWidget* p) {
         auto* width = Find<QLineEdit>(p, QStringLiteral("Line width"));
         Choose(Find<QComboBox>(p, QStringLiteral("Line style")), QStringLiteral("Dash"));
         EXPECT_EQ(width->text(), QStringLiteral("0.24"));
         Type(width, QStringLiteral("1"));
         EXPECT_EQ(Find<QComboBox>(p, QStringLiteral("Line style"))->currentIndex(), psSolid);
         Choose(Find<QComboBox>(p, QStringLiteral("Line style")), QStringLiteral("Dot"));
     },
     [](TZpObject& o) {
         EXPECT_EQ(Supports<IZpLineStyle>(o)->GetStyle(), psDot);
         EXPECT_EQ(Supports<IZpLineStyle>(o)->GetWidth(), 1);
     }},
    {"EllipseHeight", RoundRect, "Properties",
     [](auto&, QWidget* p) {
         Type(Find<QLineEdit>(p, QStringLiteral("Ellipse height")), QStringLiteral("0.5"));
     },
     [](TZpObject& o) { EXPECT_FLOAT_EQ(Supports<IZpEllipse>(o)->GetEllipseSize(), 0.5f); }},
    {"Rotation", Text, "Properties",
     [](auto&, QWidget* p) { Choose(Find<QComboBox>(p, QStringLiteral("Rotation")), QStringLiteral("90")); },
     [](TZpObject& o) {
         EXPECT_EQ(Supports<IZpRotation>(o)->GetRotation(), 90);
         EXPECT_EQ(o.GetBounds(), (TRect{0, 0, 150, 300}));
     }},
    {"Sizing", Picture, "Properties",
     [](auto&, QWidget* p) {
         Choose(Find<QComboBox>(p, QStringLiteral("Sizing")), QStringLiteral("Unrestricted"));
     },
     [](TZpObject& o) { EXPECT_EQ(o.GetSizing(), szUnrestricted); }, false},
    // Font
    {"FontSize", Text, "Font",
     [](auto&, QWidget* p) { Type(Find<QLineEdit>(p, QStringLiteral("Size")), QStringLiteral("20")); },
     [](TZpObject& o) {
         EXPECT_EQ(Supports<IZpFont>(o)->GetSize(), 20);
         EXPECT_EQ(Supports<IZpRVData>(o)->GetCustomLeadingSize(), 200); // follows the size
     }},
    {"BoldAndColor", Text, "Font",
     [](auto&, QWidget* p) {
         Find<QCheckBox>(p, QStringLiteral("Bold"))->click();
         Find<QPushButton>(p, QStringLiteral("Color"))->click();
     },
     [](TZpObject& o) {
         EXPECT_TRUE(Supports<IZpFont>(o)->GetStyle() & fsBold);
         EXPECT_TRUE(Supports<IZpFont>(o)->IsBoldUniform());
         EXPECT_EQ(Supports<IZpFont>(o)->GetColor(), clRed);
     }},
    {"CustomLeading", Text, "Font",
     [](auto&, QWidget* p) {
         auto* leading = Find<QLineEdit>(p, QStringLiteral("Leading size"));
         EXPECT_FALSE(leading->isEnabled());
         EXPECT_EQ(leading->text(), QStringLiteral("12.0")); // 10 points x 1.2
         Find<QCheckBox>(p, QStringLiteral("Use custom leading value"))->click();
         EXPECT_TRUE(leading->isEnabled());
         Type(leading, QStringLiteral("30.5"));
         Find<QCheckBox>(p, QStringLiteral("Strip leading from first line of text"))->click();
     },
     [](TZpObject& o) {
         auto* rv = Supports<IZpRVData>(o);
         EXPECT_TRUE(rv->GetCustomLeading());
         EXPECT_EQ(rv->GetCustomLeadingSize(), 305);
         EXPECT_FALSE(rv->GetSkipFirstLeading());
     }},
    {"BarcodeFontSize", Barcode, "Font",
     [](auto&, QWidget* p) { Type(Find<QLineEdit>(p, QStringLiteral("Size")), QStringLiteral("16")); },
     [](TZpObject& o) { EXPECT_EQ(Supports<IZpFont>(o)->GetSize(), 16); }},
    // Bar Code
    {"Symbology", Barcode, "Bar Code",
     [](auto&, QWidget* p) {
         Choose(Find<QComboBox>(p, QStringLiteral("Symbology")), QStringLiteral("Code 128"));
     },
     [](TZpObject& o) { EXPECT_EQ(Supports<IZpBarcode>(o)->GetSymbology(), bcCode128); }},
    {"HeightInInches", Barcode, "Bar Code",
     [](auto&, QWidget* p) { Type(Find<QLineEdit>(p, QStringLiteral("Height")), QStringLiteral("1")); },
     [](TZpObject& o) { EXPECT_EQ(Supports<IZpBarcode>(o)->GetHeight(), 300); }},
    {"DensityAndItsFigures", Barcode, "Bar Code",
     [](auto&, QWidget* p) {
         Type(Find<QLineEdit>(p, QStringLiteral("Density")), QStringLiteral("4"));
         EXPECT_TRUE(Find<QLineEdit>(p, QStringLiteral("Density figures"))
                         ->text()
                         .startsWith(QStringLiteral("4 Dots/")));
     },
     [](TZpObject& o) { EXPECT_EQ(Supports<IZpBarcode>(o)->GetDensity(), 4); }},
    {"HumanReadableOff", Barcode, "Bar Code",
     [](auto&, QWidget* p) {
         Find<QCheckBox>(p, QStringLiteral("Show human-readable text"))->click();
         EXPECT_FALSE(Find<QLineEdit>(p, QStringLiteral("Spacing"))->isEnabled());
     },
     [](TZpObject& o) { EXPECT_FALSE(Supports<IZpBarcode>(o)->GetShowHumanReadable()); }},
    {"Code39CheckDigitShown", Barcode, "Bar Code",
     [](auto&, QWidget* p) {
         Choose(Find<QComboBox>(p, QStringLiteral("Symbology")), QStringLiteral("Code 39"));
         auto* print = Find<QCheckBox>(p, QStringLiteral("Print check digit in human-readable text"));
         EXPECT_FALSE(print->isEnabled());
         Find<QCheckBox>(p, QStringLiteral("Check digit (MOD 43)"))->click();
         EXPECT_TRUE(print->isEnabled());
         print->click();
     },
     [](TZpObject& o) {
         auto* b = Supports<IZpBarcode>(o);
         EXPECT_TRUE(b->GetCheckDigit());
         EXPECT_TRUE(b->GetShowCheckDigit());
         EXPECT_FLOAT_EQ(b->GetWideToNarrow(), 2.0f);
     }},
    {"UpcATakesItsFaceAndDensity", UpcData, "Bar Code",
     [](auto&, QWidget* p) {
         Choose(Find<QComboBox>(p, QStringLiteral("Symbology")), QStringLiteral("UPC-A"));
     },
     [](TZpObject& o) {
         EXPECT_EQ(Supports<IZpBarcode>(o)->GetSymbology(), bcUPCA);
         EXPECT_EQ(Supports<IZpBarcode>(o)->GetDensity(), 4); // 0.013 inch at 300
         EXPECT_EQ(Supports<IZpFont>(o)->GetName(), QStringLiteral("OCR-B - Zentaprint"));
     }},
    {"PostnetHasNoCommonSettings", Barcode, "Bar Code",
     [](auto&, QWidget* p) {
         Type(Find<QLineEdit>(p, QStringLiteral("Height")), QStringLiteral("2"));
         Choose(Find<QComboBox>(p, QStringLiteral("Symbology")), QStringLiteral("Postnet"));
         EXPECT_FALSE(Find<QLineEdit>(p, QStringLiteral("Height"))->isVisibleTo(p));
     },
     [](TZpObject& o) {
         EXPECT_EQ(Supports<IZpBarcode>(o)->GetSymbology(), bcPostnet);
         EXPECT_EQ(Supports<IZpBarcode>(o)->GetHeight(), 150);
     }},
    {"AdjustmentsFromAdvanced", Barcode, "Bar Code",
     [](auto&, QWidget* p) {
         QTimer::singleShot(0, [] {
             auto* adjust = qobject_cast<QDialog*>(QApplication::activeModalWidget());
             ASSERT_NE(adjust, nullptr);
             EXPECT_EQ(adjust->windowTitle(), QStringLiteral("Bar Code Adjustments"));
             auto sliders = adjust->findChildren<QSlider*>();
             ASSERT_EQ(sliders.size(), 2);
             EXPECT_EQ(sliders[0]->minimum(), 1 - 3); // 1 - density
             sliders[0]->setValue(2);
             sliders[1]->setValue(-1);
             adjust->accept();
         });
         Find<QPushButton>(p, QStringLiteral("Advanced"))->click();
     },
     [](TZpObject& o) {
         EXPECT_EQ(Supports<IZpBarcode>(o)->GetBarAdjust(), 2);
         EXPECT_EQ(Supports<IZpBarcode>(o)->GetSpaceAdjust(), -1);
     }},
    {"PrefixAndSuffix", Barcode, "Bar Code",
     [](auto&, QWidget* p) {
         Type(Find<QLineEdit>(p, QStringLiteral("Prefix")), QStringLiteral("9"));
         Type(Find<QLineEdit>(p, QStringLiteral("Suffix")), QStringLiteral("8"));
     },
     [](TZpObject& o) {
         EXPECT_EQ(Supports<IZpBarcode>(o)->GetPreamble(), QStringLiteral("9"));
         EXPECT_EQ(Supports<IZpBarcode>(o)->GetPostamble(), QStringLiteral("8"));
     }},
    // Data
    {"StaticTextAndName", Text, "Data",
     [](auto&, QWidget* p) {
         Type(Find<QLineEdit>(p, QStringLiteral("Object name")), QStringLiteral("Title"));
         Find<QPlainTextEdit>(p, QStringLiteral("Static text"))->setPlainText(QStringLiteral("Hello"));
     },
     [](TZpObject& o) {
         EXPECT_EQ(Data(o).GetName(), QStringLiteral("Title"));
         EXPECT_EQ(Data(o).GetText(), QStringLiteral("Hello"));
     }},
    {"SerialNumber", Text, "Data",
     [](auto&, QWidget* p) {
         Choose(Find<QComboBox>(p, QStringLiteral("Data source")), QStringLiteral("Serial Number"));
         Type(Find<QLineEdit>(p, QStringLiteral("Prefix")), QStringLiteral("A-"));
         Type(Find<QLineEdit>(p, QStringLiteral("Current value")), QStringLiteral("7"));
         Type(Find<QLineEdit>(p, QStringLiteral("Pad width")), QStringLiteral("4"));
         Type(Find<QLineEdit>(p, QStringLiteral("Pad character")), QStringLiteral("0"));
         Type(Find<QLineEdit>(p, QStringLiteral("Increment")), QStringLiteral("-2"));
         Type(Find<QLineEdit>(p, QStringLiteral("Repeat count")), QStringLiteral("3"));
     },
     [](TZpObject& o) {
         EXPECT_EQ(Data(o).GetKind(), dkSerialNumber);
         EXPECT_EQ(Data(o).GetText(), QStringLiteral("A-0007"));
         EXPECT_EQ(Data(o).GetSerialStart(), 7);
         EXPECT_EQ(Data(o).GetSerialIncrement(), -2);
         EXPECT_EQ(Data(o).GetRepeatCount(), 3);
     }},
    {"DateStamp", Text, "Data",
     [](auto&, QWidget* p) {
         Choose(Find<QComboBox>(p, QStringLiteral("Data source")), QStringLiteral("Date/Time Stamp"));
         Find<QComboBox>(p, QStringLiteral("Date format"))->setEditText(QStringLiteral("yyyy"));
         Type(Find<QLineEdit>(p, QStringLiteral("Adjust by")), QStringLiteral("1"));
         Choose(Find<QComboBox>(p, QStringLiteral("Unit")), QStringLiteral("Years"));
     },
     [](TZpObject& o) {
         EXPECT_EQ(Data(o).GetKind(), dkDateTime);
         EXPECT_EQ(Data(o).GetDateFormat(), QStringLiteral("yyyy"));
         EXPECT_EQ(Data(o).GetDateAdjustUnit(), duYears);
         EXPECT_EQ(Data(o).GetText(), QString::number(QDate::currentDate().year() + 1));
     }},
    {"PromptCaption", Text, "Data",
     [](auto&, QWidget* p) {
         Choose(Find<QComboBox>(p, QStringLiteral("Data source")), QStringLiteral("Prompt"));
         Type(Find<QLineEdit>(p, QStringLiteral("Prompt caption")), QStringLiteral("How many?"));
     },
     [](TZpObject& o) {
         EXPECT_EQ(Data(o).GetKind(), dkPrompt);
         EXPECT_EQ(Data(o).GetPromptCaption(), QStringLiteral("How many?"));
         EXPECT_EQ(Data(o).GetText(), QStringLiteral("PROMPT"));
     }},
    // Scripting: leaving the page shows the script's result in the preview.
    {"JScriptEnabled", SerialText, "Scripting",
     [](TfrmPropertyObject& d, QWidget* p) {
         Find<QCheckBox>(p, QStringLiteral("Enable scripting"))->click();
         Choose(Find<QComboBox>(p, QStringLiteral("Language")), QStringLiteral("JScript"));
         Find<QPlainTextEdit>(p, QStringLiteral("Script"))
             ->setPlainText(QStringLiteral("function DataUpdated(d) { return d.toUpperCase(); }"));
         d.Pages()->setCurrentIndex(0);
     },
     [](TZpObject& o) {
         auto* s = Supports<IZpScript>(o);
         EXPECT_TRUE(s->GetEnabled());
         EXPECT_EQ(s->GetLanguage(), QStringLiteral("JScript"));
         EXPECT_EQ(Data(o).GetText(), QStringLiteral("A-1"));
     }},
    // Picture
    {"FlipVertical", Picture, "Picture",
     [](auto&, QWidget* p) { Find<QPushButton>(p, QStringLiteral("Flip Vertical"))->click(); },
     [](TZpObject& o) {
         const QImage& image = static_cast<TZpPictureObject&>(o).Image();
         EXPECT_EQ(image.pixel(0, 19), qRgb(0, 0, 0));
         EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
     }},
    {"StretchAndAlternate", Picture, "Picture",
     [](auto&, QWidget* p) {
         Find<QCheckBox>(p, QStringLiteral("Stretch image to fit area"))->click();
         Find<QCheckBox>(p,
                         QStringLiteral("Use alternate display/print method (recommended for large images)"))
             ->click();
     },
     [](TZpObject& o) {
         EXPECT_FALSE(Supports<IZpGraphic>(o)->GetStretch());
         EXPECT_TRUE(Supports<IZpGraphic>(o)->GetAlternatePrint());
     }},
};

class PageFields : public SheetTest, public ::testing::WithParamInterface<TFieldCase> {};

TEST_P(PageFields, CancelLeavesTheRecordAndOkWritesTheField) {
    const TFieldCase& c = GetParam();
    TZpObjectPtr subject = c.Make();
    const QByteArray before = Record(*subject);
    {
        auto dialog = Open(*subject);
        QWidget* page = ShowPage(*dialog, QString::fromLatin1(c.Page));
        ASSERT_NE(page, nullptr);
        dialog->Pages()->setCurrentIndex(0);
        const QImage shown = dialog->Preview()->Render();
        dialog->Pages()->setCurrentWidget(page);
        c.Edit(*dialog, page);
        if (c.PreviewChanges) {
            dialog->Pages()->setCurrentIndex(0);
            EXPECT_NE(dialog->Preview()->Render(), shown) << "the preview did not follow";
        }
        EXPECT_EQ(Record(*subject), before) << "the subject changed before OK";
        dialog->reject();
    }
    EXPECT_EQ(ToHex(Record(*subject)), ToHex(before)) << "Cancel changed the subject";

    auto dialog = Open(*subject);
    QWidget* page = ShowPage(*dialog, QString::fromLatin1(c.Page));
    c.Edit(*dialog, page);
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted)
        << Dialogs->Messages().join(QLatin1Char('\n')).toStdString();
    c.Expect(*subject);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageFields, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return Name(info.param).toStdString(); });

// The fields show the copy's values when the dialog opens.
TEST_F(SheetTest, FieldsAreLoadedFromTheObject) {
    auto rect = std::make_shared<TZpRoundRectObject>();
    Supports<IZpLineStyle>(rect)->SetWidth(50); // 12 points at 300
    rect->SetEllipseSize(0.75f);
    Supports<IZpFillStyle>(rect)->SetStyle(bsVertical);
    auto dialog = Open(*rect);
    QWidget* p = dialog->Page(QStringLiteral("Properties"));
    EXPECT_EQ(Find<QLineEdit>(p, QStringLiteral("Line width"))->text(), QStringLiteral("12.00"));
    EXPECT_EQ(Find<QLineEdit>(p, QStringLiteral("Ellipse height"))->text(), QStringLiteral("0.75"));
    EXPECT_EQ(Find<QComboBox>(p, QStringLiteral("Fill style"))->currentIndex(), bsVertical);
    EXPECT_EQ(dialog->Page(QStringLiteral("Font")), nullptr);
    EXPECT_EQ(dialog->Page(QStringLiteral("Data")), nullptr);

    // Two faces in one text: no face chosen, bold grey, italic as it is.
    auto text = std::make_shared<TZpTextObject>();
    TZpTextStyle plain = text->FontStyle();
    TZpTextStyle other = plain;
    other.FontName = QStringLiteral("DejaVu Serif");
    other.Style = fsBold | fsItalic;
    plain.Style = fsItalic;
    text->Font().SetStyle(fsItalic);
    text->RVData().SetTextStyles({plain, other});
    text->RVData().SetParagraphs(
        {TZpParagraph{0, {TZpRun{QStringLiteral("a"), 0}, TZpRun{QStringLiteral("b"), 1}}}});
    auto td = Open(*text);
    QWidget* f = td->Page(QStringLiteral("Font"));
    EXPECT_EQ(Find<QComboBox>(f, QStringLiteral("Font name"))->currentIndex(), -1);
    EXPECT_EQ(Find<QCheckBox>(f, QStringLiteral("Bold"))->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Find<QCheckBox>(f, QStringLiteral("Italic"))->checkState(), Qt::Checked);
    EXPECT_EQ(Find<QLineEdit>(f, QStringLiteral("Size"))->text(), QStringLiteral("10"));

    auto barcode = std::make_shared<TZpBarcodeObject>();
    barcode->SetSymbology(bcInt2of5);
    barcode->SetCheckDigit(true);
    barcode->SetShowCheckDigit(true);
    barcode->SetI25CheckDigitType(0);
    Supports<IZpData>(barcode)->SetKind(dkSerialNumber);
    Supports<IZpData>(barcode)->SetSerialStart(42);
    auto bd = Open(*barcode);
    QWidget* b = bd->Page(QStringLiteral("Bar Code"));
    EXPECT_EQ(Find<QComboBox>(b, QStringLiteral("Symbology"))->currentText(),
              QStringLiteral("Interleaved 2 of 5"));
    EXPECT_EQ(Find<QComboBox>(b, QStringLiteral("Check digit method"))->currentText(), QStringLiteral("USS"));
    EXPECT_TRUE(Find<QCheckBox>(b, QStringLiteral("Print check digit in human-readable text"))->isChecked());
    EXPECT_EQ(Find<QLineEdit>(b, QStringLiteral("Height"))->text(), QStringLiteral("0.50"));
    QWidget* d = bd->Page(QStringLiteral("Data"));
    EXPECT_EQ(Find<QComboBox>(d, QStringLiteral("Data source"))->currentText(),
              QStringLiteral("Serial Number"));
    EXPECT_EQ(Find<QLineEdit>(d, QStringLiteral("Current value"))->text(), QStringLiteral("42"));
    EXPECT_EQ(bd->Page(QStringLiteral("Picture")), nullptr);
}

// Database fields come from "Select Field"; link targets from the label.
TEST_F(SheetTest, DatabaseFieldsAndLinksUseTheLabelsConnections) {
    TZpDataConnections connections;
    connections.OnGetLinkNames = [](QStringList& names) {
        names = {QStringLiteral("Title"), QStringLiteral("Price")};
    };
    connections.OnGetLinkValue = [](const QString& name, QString& value) {
        value = name + QStringLiteral("!");
    };
    auto text = std::make_shared<TZpTextObject>();
    Supports<IZpData>(text)->SetConnections(&connections);
    const auto savedChooser = TZpDataPageHooks::ChooseField;
    int asked = 0;
    TZpDataPageHooks::ChooseField = [&](TZpDataConnections* c, TZpFieldDef& entry, QWidget*) {
        EXPECT_EQ(c, &connections);
        ++asked;
        entry.Dataset = QStringLiteral("Products");
        entry.Field = asked == 1 ? QStringLiteral("Name") : QStringLiteral("Price");
        entry.AddLineBreak = true;
        return true;
    };
    auto dialog = Open(*text);
    QWidget* p = ShowPage(*dialog, QStringLiteral("Data"));
    Choose(Find<QComboBox>(p, QStringLiteral("Data source")), QStringLiteral("Database Field"));
    Find<QPushButton>(p, QStringLiteral("Add"))->click();
    auto* fields = Find<QTreeWidget>(p, QStringLiteral("Fields"));
    fields->setCurrentItem(fields->topLevelItem(0));
    Find<QPushButton>(p, QStringLiteral("Setup"))->click();
    EXPECT_EQ(fields->topLevelItem(0)->text(0), QStringLiteral("Price"));
    dialog->accept();
    TZpDataPageHooks::ChooseField = savedChooser;
    ASSERT_EQ(Supports<IZpData>(text)->GetFieldCount(), 1);
    EXPECT_EQ(Supports<IZpData>(text)->GetField(0)->Field, QStringLiteral("Price"));
    EXPECT_EQ(Supports<IZpData>(text)->GetKind(), dkDatabaseField);
    EXPECT_EQ(Supports<IZpData>(text)->GetConnections(), &connections) << "OK lost the label's connections";

    auto link = Open(*text);
    QWidget* lp = ShowPage(*link, QStringLiteral("Data"));
    Choose(Find<QComboBox>(lp, QStringLiteral("Data source")), QStringLiteral("Link"));
    Choose(Find<QComboBox>(lp, QStringLiteral("Link to object")), QStringLiteral("Price"));
    link->accept();
    EXPECT_EQ(Supports<IZpData>(text)->GetLinkName(), QStringLiteral("Price"));
    EXPECT_EQ(Supports<IZpData>(text)->GetText(), QStringLiteral("Price!"));
}

} // namespace
} // namespace zp::test

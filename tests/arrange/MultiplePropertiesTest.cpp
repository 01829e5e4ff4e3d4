// SPDX-License-Identifier: MIT
// "Object Properties" on several objects: shared values shown, differing
// values blank, OK writes only what was changed, Cancel nothing.
#include "barcode/BarcodeOptions.h"
#include "barcode/EanUpcFont.h"
#include "base/LabelDpi.h"
#include "base/ValueStream.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/MultiplePropertySheet.h"
#include "design/edit/Arrange.h"
#include "model/objects/ObjectClasses.h"
#include "model/objects/TextInterfaces.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace zp {
namespace {

/// A control of the dialog by its name; fails the test when it is missing.
template <class W> W* Find(QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// What a user does to a control: type into it, pick an item.
void Type(QLineEdit* field, const char* text) {
    field->setText(QString::fromLatin1(text));
    Q_EMIT field->textEdited(field->text());
}

void Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

/// A control of the bar code option panel on show, by its caption.
template <class W> W* Option(QWidget& dialog, const char* caption) {
    auto* stack = Find<QStackedWidget>(dialog, "stkOptions");
    for (W* w : stack->currentWidget()->findChildren<W*>())
        if (w->accessibleName() == QString::fromLatin1(caption).remove(QLatin1Char('&')))
            return w;
    // Thrown, not returned: the caller would use it at once.
    throw std::runtime_error(std::string("no option control ") + caption);
}

class MultiplePropertiesTest : public ::testing::Test {
protected:
    TZpObjectPtr Make(const char* className, TRect bounds = {0, 0, 300, 150}) {
        TZpObjectPtr o = CreateObject(QString::fromLatin1(className));
        o->SetBounds(bounds);
        return o;
    }
    test::TLabelDpiGuard FDpi{300};
};

TEST_F(MultiplePropertiesTest, OffersOnlyWhatEveryObjectHas) {
    TZpObjectPtr text = Make("TZpTextObject");
    TZpObjectPtr line = Make("TZpLineObject");
    TfrmPropertyMultipleObject dialog;
    dialog.LoadFromObjects({text, line});
    EXPECT_NE(dialog.Page(QStringLiteral("Properties")), nullptr);
    EXPECT_EQ(dialog.Page(QStringLiteral("Font")), nullptr);
    EXPECT_EQ(dialog.Page(QStringLiteral("Picture")), nullptr);
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        EXPECT_TRUE(box->isHidden()) << box->title().toStdString();
    EXPECT_TRUE(Find<QComboBox>(dialog, "cmbSizing")->isHidden());
    EXPECT_TRUE(Find<QComboBox>(dialog, "cmbRotation")->isHidden());
    EXPECT_FALSE(Find<QCheckBox>(dialog, "cbPrintObject")->isHidden());
}

TEST_F(MultiplePropertiesTest, DifferingValuesAreBlankAndUntouchedOnesStay) {
    TZpObjectPtr a = Make("TZpRectangleObject");
    TZpObjectPtr b = Make("TZpRectangleObject");
    Supports<IZpLineStyle>(a)->SetWidth(4);
    Supports<IZpLineStyle>(b)->SetWidth(9);
    Supports<IZpFillStyle>(a)->SetColor(0x0000ff);
    Supports<IZpFillStyle>(b)->SetColor(0x0000ff);
    const QByteArray recordA = test::ObjectRecord(*a), recordB = test::ObjectRecord(*b);
    TfrmPropertyMultipleObject dialog;
    dialog.LoadFromObjects({a, b});
    auto* width = Find<TZpNumberField>(dialog, "spnLineWidth");
    ASSERT_NE(width, nullptr);
    EXPECT_TRUE(width->text().isEmpty());
    EXPECT_EQ(Find<TZpPropertyColorButton>(dialog, "edtFillColor")->Color(), 0x0000ffu);
    dialog.accept();
    EXPECT_EQ(test::ObjectRecord(*a), recordA);
    EXPECT_EQ(test::ObjectRecord(*b), recordB);
}

TEST_F(MultiplePropertiesTest, OkWritesOnlyTheChangedControlToEveryObject) {
    TZpObjectPtr a = Make("TZpTextObject");
    TZpObjectPtr b = Make("TZpTextObject");
    TZpObjectPtr c = Make("TZpTextObject");
    Supports<IZpFont>(a)->SetBold(true);
    Supports<IZpFont>(b)->SetSize(20);
    TfrmPropertyMultipleObject dialog;
    dialog.LoadFromObjects({a, b, c});
    ASSERT_NE(dialog.Page(QStringLiteral("Font")), nullptr);
    auto* bold = Find<QCheckBox>(dialog, "cbBold");
    EXPECT_EQ(bold->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Find<QCheckBox>(dialog, "cbItalic")->checkState(), Qt::Unchecked);
    EXPECT_TRUE(Find<TZpNumberField>(dialog, "spnFontSize")->text().isEmpty());
    bold->click();
    EXPECT_EQ(bold->checkState(), Qt::Checked);
    dialog.accept();
    for (const TZpObjectPtr& o : {a, b, c})
        EXPECT_TRUE(Supports<IZpFont>(o)->GetStyle() & 1);
    // The differing sizes were not touched.
    EXPECT_EQ(Supports<IZpFont>(b)->GetSize(), 20);
    EXPECT_NE(Supports<IZpFont>(a)->GetSize(), 20);
}

TEST_F(MultiplePropertiesTest, CancelLeavesRecordsAsTheyWereAndOkRecordsOneEvent) {
    TZpEditSession session{100};
    TZpObjectPtr a = Make("TZpTextObject");
    TZpObjectPtr b = Make("TZpRectangleObject");
    session.AddObject(a);
    session.AddObject(b);
    session.SelectObject(a);
    session.SelectObject(b);
    const bool printed = a->GetPrintObject();
    const QByteArray recordA = test::ObjectRecord(*a), recordB = test::ObjectRecord(*b);
    const int events = session.UndoStack().UndoCount();
    auto edit = [&](bool ok) {
        return EditSelectedProperties(session, [ok](const TZpObjectList& objects) {
            TfrmPropertyMultipleObject dialog;
            dialog.LoadFromObjects(objects);
            Find<QCheckBox>(dialog, "cbPrintObject")->click();
            if (!ok) {
                dialog.reject();
                return false;
            }
            dialog.accept();
            return true;
        });
    };
    EXPECT_FALSE(edit(false));
    EXPECT_EQ(test::ObjectRecord(*a), recordA);
    EXPECT_EQ(test::ObjectRecord(*b), recordB);
    EXPECT_EQ(session.UndoStack().UndoCount(), events);
    EXPECT_TRUE(edit(true));
    EXPECT_EQ(a->GetPrintObject(), !printed);
    EXPECT_EQ(b->GetPrintObject(), !printed);
    EXPECT_EQ(session.UndoStack().UndoCaption(), QStringLiteral("Object Properties"));
    session.Undo();
    EXPECT_EQ(test::ObjectRecord(*a), recordA);
    EXPECT_EQ(test::ObjectRecord(*b), recordB);
}

// Two bar codes set up, the dialog driven, OK pressed, then each bar code
// checked (index 0 or 1 in the selection).
struct TBarcodeCase {
    const char* Name;
    std::function<void(IZpBarcode&, int)> Setup;
    std::function<void(QWidget&)> Act;
    std::function<void(IZpBarcode&, int)> Expect;
};

IZpFont& FontOf(IZpBarcode& b) {
    return *Supports<IZpFont>(b);
}

const TBarcodeCase kBarcodeCases[] = {
    {"OkUntouchedKeepsWhatDiffers",
     [](IZpBarcode& b, int i) {
         b.SetSymbology(bcCode39);
         b.SetCheckDigit(i == 0);
         b.SetWideToNarrow(i == 0 ? 3.0f : 2.5f);
         b.SetHeight(i == 0 ? 150 : 200);
     },
     [](QWidget& d) {
         EXPECT_EQ(Find<QComboBox>(d, "cmbSymbology")->currentIndex(), bcCode39);
         EXPECT_EQ(Option<QCheckBox>(d, "&Check digit (MOD 43)")->checkState(), Qt::PartiallyChecked);
         EXPECT_EQ(Option<QComboBox>(d, "Wide to narrow ratio")->currentIndex(), -1);
         EXPECT_TRUE(Find<TZpNumberField>(d, "spnBarHeight")->text().isEmpty());
     },
     [](IZpBarcode& b, int i) {
         EXPECT_EQ(b.GetCheckDigit(), i == 0);
         EXPECT_EQ(b.GetWideToNarrow(), i == 0 ? 3.0f : 2.5f);
         EXPECT_EQ(b.GetHeight(), i == 0 ? 150 : 200);
     }},
    {"OneOptionIsWrittenTheOthersStay",
     [](IZpBarcode& b, int i) {
         b.SetSymbology(bcCode39);
         b.SetShowHumanReadable(true);
         b.SetShowStartStop(i == 0);
         b.SetWideToNarrow(i == 0 ? 3.0f : 2.5f);
     },
     [](QWidget& d) { Option<QCheckBox>(d, "&Check digit (MOD 43)")->click(); },
     [](IZpBarcode& b, int i) {
         EXPECT_TRUE(b.GetCheckDigit());
         EXPECT_EQ(b.GetShowStartStop(), i == 0);
         EXPECT_EQ(b.GetWideToNarrow(), i == 0 ? 3.0f : 2.5f);
     }},
    {"ACountOfTwoMakesBothCheckDigits",
     [](IZpBarcode& b, int i) {
         b.SetSymbology(bcMSI);
         b.SetFirstCheckMod11(i == 0);
     },
     [](QWidget& d) {
         EXPECT_FALSE(Option<QCheckBox>(d, "Print &second check digit in human-readable text")->isEnabled());
         Choose(Option<QComboBox>(d, "Number of check digits"), 1);
         EXPECT_TRUE(Option<QCheckBox>(d, "Print &second check digit in human-readable text")->isEnabled());
     },
     [](IZpBarcode& b, int i) {
         EXPECT_TRUE(b.GetCheckDigit());
         EXPECT_EQ(b.GetFirstCheckMod11(), i == 0);
     }},
    {"HeightAndPrefixTypedReachBoth",
     [](IZpBarcode& b, int i) {
         b.SetSymbology(i == 0 ? bcCode128 : bcCode93);
         b.SetHeight(i == 0 ? 150 : 200);
     },
     [](QWidget& d) {
         // Different symbologies: no choice, no option panel.
         EXPECT_EQ(Find<QComboBox>(d, "cmbSymbology")->currentIndex(), -1);
         EXPECT_TRUE(Find<QStackedWidget>(d, "stkOptions")->isHidden());
         Type(Find<TZpNumberField>(d, "spnBarHeight"), "1.00");
         Type(Find<QLineEdit>(d, "edtPrefix"), "N-");
     },
     [](IZpBarcode& b, int i) {
         EXPECT_EQ(b.GetSymbology(), i == 0 ? bcCode128 : bcCode93);
         EXPECT_EQ(b.GetHeight(), 300);
         EXPECT_EQ(b.GetPreamble(), QStringLiteral("N-"));
     }},
    {"ChoosingUpcSetsItsOptionsFaceAndDensityOnEach",
     [](IZpBarcode& b, int i) {
         b.SetSymbology(i == 0 ? bcCode39 : bcCode128);
         b.SetShowHumanReadable(false);
         b.SetHRPosition(0);
     },
     [](QWidget& d) {
         Choose(Find<QComboBox>(d, "cmbSymbology"), bcUPCA);
         // The text of a bar code with descenders has no size of its own.
         EXPECT_FALSE(Find<TZpNumberField>(d, "spnFontSize")->isEnabled());
         EXPECT_EQ(Option<QCheckBox>(d, "&Use descenders")->checkState(), Qt::Checked);
     },
     [](IZpBarcode& b, int) {
         EXPECT_EQ(b.GetSymbology(), bcUPCA);
         EXPECT_TRUE(b.GetShowHumanReadable());
         EXPECT_EQ(b.GetHRPosition(), 1);
         EXPECT_TRUE(b.GetDescenders());
         EXPECT_EQ(b.GetDensity(), 4); // 0.013 inch at 300 dpi
         EXPECT_EQ(FontOf(b).GetName(), QString::fromLatin1(kEanUpcFontName));
     }},
    {"TextClearedBeforeAChoiceIsShownAgain",
     [](IZpBarcode& b, int) {
         b.SetSymbology(bcCode128);
         b.SetShowHumanReadable(true);
     },
     [](QWidget& d) {
         auto* text = Find<QCheckBox>(d, "cbShowText");
         text->click();
         Choose(Find<QComboBox>(d, "cmbSymbology"), bcCode39);
         EXPECT_EQ(text->checkState(), Qt::Checked);
     },
     [](IZpBarcode& b, int) {
         EXPECT_EQ(b.GetSymbology(), bcCode39);
         EXPECT_TRUE(b.GetShowHumanReadable());
         EXPECT_EQ(b.GetHRPosition(), 1);
     }},
    {"TextClearedAfterAChoiceStaysCleared",
     [](IZpBarcode& b, int) {
         b.SetSymbology(bcCode128);
         b.SetShowHumanReadable(true);
     },
     [](QWidget& d) {
         Choose(Find<QComboBox>(d, "cmbSymbology"), bcCode39);
         Find<QCheckBox>(d, "cbShowText")->click();
     },
     [](IZpBarcode& b, int) {
         EXPECT_EQ(b.GetSymbology(), bcCode39);
         EXPECT_FALSE(b.GetShowHumanReadable());
     }},
    {"CodabarChoiceWritesValidStartAndStop",
     [](IZpBarcode& b, int i) {
         b.SetSymbology(bcCode39);
         b.SetCodabarStart(uint8_t(i + 2));
     },
     [](QWidget& d) {
         Choose(Find<QComboBox>(d, "cmbSymbology"), bcCodabar);
         EXPECT_EQ(Option<QComboBox>(d, "Start character")->currentIndex(), 0);
     },
     [](IZpBarcode& b, int) {
         EXPECT_EQ(b.GetSymbology(), bcCodabar);
         EXPECT_EQ(b.GetCodabarStart(), 0);
         EXPECT_EQ(b.GetCodabarStop(), 0);
     }},
};

class MultipleBarcodeTest : public MultiplePropertiesTest,
                            public ::testing::WithParamInterface<TBarcodeCase> {};

TEST_P(MultipleBarcodeTest, OkWritesWhatWasChangedAndCancelNothing) {
    const TBarcodeCase& c = GetParam();
    for (bool ok : {false, true}) {
        TZpObjectList objects = {Make("TZpBarcodeObject"), Make("TZpBarcodeObject")};
        for (int i = 0; i < 2; ++i)
            c.Setup(*Supports<IZpBarcode>(objects[size_t(i)]), i);
        const QByteArray before0 = test::ObjectRecord(*objects[0]), before1 = test::ObjectRecord(*objects[1]);
        TfrmPropertyMultipleObject dialog;
        dialog.LoadFromObjects(objects);
        ASSERT_NE(dialog.Page(QStringLiteral("Bar Code")), nullptr);
        c.Act(dialog);
        if (!ok) {
            dialog.reject();
            EXPECT_EQ(test::ObjectRecord(*objects[0]), before0);
            EXPECT_EQ(test::ObjectRecord(*objects[1]), before1);
            continue;
        }
        dialog.accept();
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(i);
            c.Expect(*Supports<IZpBarcode>(objects[size_t(i)]), i);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MultipleBarcodeTest, ::testing::ValuesIn(kBarcodeCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MultiplePropertiesTest, BarCodePageOnlyWhenEverythingIsABarCode) {
    TfrmPropertyMultipleObject dialog;
    dialog.LoadFromObjects({Make("TZpBarcodeObject"), Make("TZpTextObject")});
    EXPECT_EQ(dialog.Page(QStringLiteral("Bar Code")), nullptr);
    EXPECT_NE(dialog.Page(QStringLiteral("Font")), nullptr);
    EXPECT_TRUE(Find<QGroupBox>(dialog, "grpLeading")->isHidden()) << "a bar code has no leading";
}

TEST_F(MultiplePropertiesTest, LeadingSharedShownDifferingBlankAndWrittenWhenChanged) {
    TZpObjectPtr a = Make("TZpTextObject");
    TZpObjectPtr b = Make("TZpTextObject");
    for (const TZpObjectPtr& o : {a, b})
        Supports<IZpRVData>(o)->SetCustomLeading(true);
    Supports<IZpRVData>(a)->SetCustomLeadingSize(140);
    Supports<IZpRVData>(b)->SetCustomLeadingSize(150);
    Supports<IZpRVData>(a)->SetSkipFirstLeading(false);
    TfrmPropertyMultipleObject dialog;
    dialog.LoadFromObjects({a, b});
    EXPECT_EQ(Find<QCheckBox>(dialog, "cbCustomLeading")->checkState(), Qt::Checked);
    EXPECT_EQ(Find<QCheckBox>(dialog, "cbSkipFirstLeading")->checkState(), Qt::PartiallyChecked);
    auto* size = Find<TZpNumberField>(dialog, "spnLeading");
    EXPECT_TRUE(size->text().isEmpty());
    Type(size, "12.3");
    dialog.accept();
    for (const TZpObjectPtr& o : {a, b}) {
        EXPECT_EQ(Supports<IZpRVData>(o)->GetCustomLeadingSize(), 123);
        EXPECT_TRUE(Supports<IZpRVData>(o)->GetCustomLeading());
    }
    EXPECT_FALSE(Supports<IZpRVData>(a)->GetSkipFirstLeading());
    EXPECT_TRUE(Supports<IZpRVData>(b)->GetSkipFirstLeading());
}

} // namespace
} // namespace zp

// SPDX-License-Identifier: MIT
// The "Bar Code" page of "Object Properties" for several bar codes.
#include "barcode/BarcodeOptions.h"
#include "barcode/BarcodeSymbologyChange.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/MultiplePropertySheet.h"
#include "design/dialogs/MultipleValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

namespace zp {

namespace {

using TGetFlag = std::function<bool(IZpBarcode&)>;
using TGetIndex = std::function<int(IZpBarcode&)>;

/// The height a Postnet symbol takes when it is chosen, in inches.
constexpr double kPostnetHeight = 0.5;

bool HasCommonControls(int symbology) {
    return symbology != bcPostnet && symbology != bcFIM;
}

/// A box's decision, or the object's own value when the box is grey.
bool On(const QCheckBox* box, bool own) {
    return box->checkState() == Qt::PartiallyChecked ? own : box->isChecked();
}

/// A list's choice, or the object's own value when it has none.
int Index(const QComboBox* list, int own) {
    return list->currentIndex() < 0 ? own : list->currentIndex();
}

float Ratio(const QComboBox* list, float own) {
    return list->currentIndex() < 0 ? own : TZpBarcodeOptionPanels::RatioOf(list);
}

} // namespace

void TfrmPropertyMultipleObject::BuildBarcodePage() {
    FBarcodePage = new QWidget;
    auto* column = new QVBoxLayout(FBarcodePage);
    auto* top = new QGridLayout;
    column->addLayout(top);
    QStringList names;
    for (const char* n : BarcodeTypeNames)
        names << QString::fromLatin1(n);
    cmbSymbology = MakeList(FBarcodePage, names);
    AddRow(*top, QStringLiteral("S&ymbology"), cmbSymbology);

    FBarcodeCommon = new QGroupBox(FBarcodePage);
    auto* common = new QGridLayout(FBarcodeCommon);
    spnBarHeight =
        new TZpNumberField(QStringLiteral("&Height"), 0.15, 30, 2, QStringLiteral("inches"), FBarcodeCommon);
    AddRow(*common, QStringLiteral("&Height"), spnBarHeight, QStringLiteral("inches"));
    spnDensity = new TZpNumberField(QStringLiteral("&Density"), 1, 9999, 0, QStringLiteral("label pixels"),
                                    FBarcodeCommon);
    AddRow(*common, QStringLiteral("&Density"), spnDensity, QStringLiteral("dots"));
    edtDensityFigures = new QLineEdit(FBarcodeCommon);
    edtDensityFigures->setReadOnly(true);
    edtDensityFigures->setAccessibleName(QStringLiteral("Density figures"));
    common->addWidget(edtDensityFigures, common->rowCount(), 1, 1, 2);
    cbShowText = AddCheck(*common, QStringLiteral("Sh&ow human-readable text"));
    cmbPosition = MakeList(FBarcodeCommon, {QStringLiteral("Top"), QStringLiteral("Bottom")});
    FPositionLabel = AddRow(*common, QStringLiteral("Position"), cmbPosition);
    spnSpacing =
        new TZpNumberField(QStringLiteral("Sp&acing"), 0, 30, 2, QStringLiteral("inches"), FBarcodeCommon);
    FSpacingLabel = AddRow(*common, QStringLiteral("Sp&acing"), spnSpacing, QStringLiteral("inches"));
    edtPrefix = new QLineEdit(FBarcodeCommon);
    AddRow(*common, QStringLiteral("&Prefix"), edtPrefix);
    edtSuffix = new QLineEdit(FBarcodeCommon);
    AddRow(*common, QStringLiteral("S&uffix"), edtSuffix);
    column->addWidget(FBarcodeCommon);
    btnAdvanced = new QPushButton(QStringLiteral("Ad&vanced"), FBarcodePage);
    btnAdvanced->setAutoDefault(false);
    NameFor(btnAdvanced, btnAdvanced->text());
    column->addWidget(btnAdvanced, 0, Qt::AlignLeft);
    FOptionStack = new QStackedWidget(FBarcodePage);
    FOptions.Build(FOptionStack);
    column->addWidget(FOptionStack);
    column->addStretch();

    cmbSymbology->setObjectName(QStringLiteral("cmbSymbology"));
    spnBarHeight->setObjectName(QStringLiteral("spnBarHeight"));
    spnDensity->setObjectName(QStringLiteral("spnDensity"));
    cbShowText->setObjectName(QStringLiteral("cbShowText"));
    cmbPosition->setObjectName(QStringLiteral("cmbPosition"));
    spnSpacing->setObjectName(QStringLiteral("spnSpacing"));
    edtPrefix->setObjectName(QStringLiteral("edtPrefix"));
    edtSuffix->setObjectName(QStringLiteral("edtSuffix"));
    btnAdvanced->setObjectName(QStringLiteral("btnAdvanced"));
    FOptionStack->setObjectName(QStringLiteral("stkOptions"));

    connect(cmbSymbology, &QComboBox::activated, this, [this](int index) { SymbologyChosen(index); });
    MarkOn(cmbPosition);
    for (TZpNumberField* field : {spnBarHeight, spnSpacing})
        connect(field, &TZpNumberField::ValueEdited, this, [this, field] { Mark(field); });
    connect(spnDensity, &TZpNumberField::ValueEdited, this, [this] { DensityChanged(); });
    for (QLineEdit* edit : {edtPrefix, edtSuffix})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { Mark(edit); });
    connect(btnAdvanced, &QPushButton::clicked, this, [this] { Advanced(); });
    // The option controls are marked one by one, so OK writes only those the
    // user changed; each change also updates what depends on it.
    MarkOn(cbShowText);
    connect(cbShowText, &QCheckBox::clicked, this, [this] { BarcodeControlEvent(); });
    for (QCheckBox* box : FOptionStack->findChildren<QCheckBox*>()) {
        MarkOn(box);
        connect(box, &QCheckBox::clicked, this, [this] { BarcodeControlEvent(); });
    }
    for (QComboBox* list : FOptionStack->findChildren<QComboBox*>()) {
        MarkOn(list);
        connect(list, &QComboBox::activated, this, [this] { BarcodeControlEvent(); });
    }
}

void TfrmPropertyMultipleObject::LoadBarcode(const TZpObjectList& objects) {
    const TZpBarcodeOptionPanels& p = FOptions;
    if (Fresh(cmbSymbology))
        SelectData(cmbSymbology,
                   Common<IZpBarcode>(objects, [](IZpBarcode& b) { return int(b.GetSymbology()); }));
    const double dpi = LabelDPI();
    auto number = [&](TZpNumberField* field, std::function<int32_t(IZpBarcode&)> get, double scale) {
        if (!Fresh(field))
            return;
        if (const auto v = Common<IZpBarcode>(objects, get))
            field->SetValue(*v / scale);
        else
            field->SetBlank();
    };
    number(spnBarHeight, &IZpBarcode::GetHeight, dpi);
    number(spnDensity, &IZpBarcode::GetDensity, 1);
    number(spnSpacing, &IZpBarcode::GetHRSpacing, dpi);
    if (Fresh(spnDensity)) {
        const auto density = Common<IZpBarcode>(objects, [](IZpBarcode& b) { return b.GetDensity(); });
        edtDensityFigures->setText(density ? QStringLiteral("%1 Dots/%2 Mil")
                                                 .arg(*density)
                                                 .arg(QString::number(*density / dpi * 1000, 'f', 2))
                                           : QString());
    }
    if (Fresh(cbShowText))
        SetCheck(cbShowText,
                 Common<IZpBarcode>(objects, [](IZpBarcode& b) { return b.GetShowHumanReadable(); }));
    if (Fresh(cmbPosition))
        SelectData(cmbPosition, Common<IZpBarcode>(objects, [](IZpBarcode& b) {
                       return b.GetHRPosition() < 2 ? int(b.GetHRPosition()) : 1;
                   }));
    auto text = [&](QLineEdit* edit, QString (IZpBarcode::*get)() const) {
        if (Fresh(edit))
            edit->setText(
                Common<IZpBarcode>(objects, [get](IZpBarcode& b) { return (b.*get)(); }).value_or(QString()));
    };
    text(edtPrefix, &IZpBarcode::GetPreamble);
    text(edtSuffix, &IZpBarcode::GetPostamble);
    if (Fresh(btnAdvanced)) {
        const auto adjust = Common<IZpBarcode>(
            objects, [](IZpBarcode& b) { return std::pair(b.GetBarAdjust(), b.GetSpaceAdjust()); });
        FBarAdjust = adjust ? adjust->first : 0;
        FSpaceAdjust = adjust ? adjust->second : 0;
    }

    // The option controls show what they would store, as in the dialog for
    // one object (a check digit printed only when it is computed and the
    // text shown, and so on).
    const std::pair<QCheckBox*, TGetFlag> boxes[] = {
        {p.F39Check, [](IZpBarcode& b) { return b.GetCheckDigit(); }},
        {p.F39PrintCheck,
         [](IZpBarcode& b) {
             return b.GetShowHumanReadable() && b.GetCheckDigit() && b.GetShowCheckDigit();
         }},
        {p.F39StartStop, [](IZpBarcode& b) { return b.GetShowHumanReadable() && b.GetShowStartStop(); }},
        {p.FUccCheck, [](IZpBarcode& b) { return b.GetCheckDigit(); }},
        {p.FUccFormat, [](IZpBarcode& b) { return b.GetUCCFormatting(); }},
        {p.FUpcNumberSystem, [](IZpBarcode& b) { return b.GetShowNumberSystem(); }},
        {p.FUpcPrintCheck, [](IZpBarcode& b) { return b.GetShowCheckDigit(); }},
        {p.FUpcDescenders, [](IZpBarcode& b) { return b.GetDescenders(); }},
        {p.FUpcExtend, [](IZpBarcode& b) { return b.GetExtendSupplement(); }},
        {p.FUpcMfrProd, [](IZpBarcode& b) { return b.GetSymbology() == bcUPCA && b.GetShowMfrProdSpace(); }},
        {p.FEanDescenders, [](IZpBarcode& b) { return b.GetDescenders(); }},
        {p.FEanExtend, [](IZpBarcode& b) { return b.GetExtendSupplement(); }},
        {p.FBookIsbn, [](IZpBarcode& b) { return b.GetShowISBN(); }},
        {p.FBookExtend, [](IZpBarcode& b) { return b.GetExtendSupplement(); }},
        {p.FBookGreater, [](IZpBarcode& b) { return b.GetAppendGreaterThan(); }},
        {p.FI25Check, [](IZpBarcode& b) { return b.GetCheckDigit(); }},
        {p.FI25PrintCheck, [](IZpBarcode& b) { return b.GetCheckDigit() && b.GetShowCheckDigit(); }},
        {p.FI25Guard, [](IZpBarcode& b) { return b.GetGuardBars(); }},
        {p.FCodabarStartStop, [](IZpBarcode& b) { return b.GetShowStartStop(); }},
        {p.FMsiPrintFirst, [](IZpBarcode& b) { return b.GetShowCheckDigit(); }},
        {p.FMsiPrintSecond, [](IZpBarcode& b) { return b.GetCheckDigit() && b.GetShowCheckDigit2(); }},
        {p.FMsiMod11, [](IZpBarcode& b) { return b.GetFirstCheckMod11(); }},
        {p.FMsiIsbnPrint, [](IZpBarcode& b) { return b.GetShowCheckDigit(); }},
        {p.F11PrintFirst, [](IZpBarcode& b) { return b.GetShowCheckDigit(); }},
        {p.F11PrintSecond, [](IZpBarcode& b) { return b.GetShowCheckDigit2(); }},
        {p.FItfPrintCheck, [](IZpBarcode& b) { return b.GetShowCheckDigit(); }},
        {p.FItfGuard, [](IZpBarcode& b) { return b.GetGuardBars(); }},
    };
    for (const auto& [box, get] : boxes)
        if (Fresh(box))
            SetCheck(box, Common<IZpBarcode>(objects, get));
    const TGetIndex checkCount = [](IZpBarcode& b) { return b.GetCheckDigit() ? 1 : 0; };
    const std::pair<QComboBox*, TGetIndex> lists[] = {
        {p.FI25Method,
         [](IZpBarcode& b) { return b.GetI25CheckDigitType() < 2 ? int(b.GetI25CheckDigitType()) : 1; }},
        {p.FCodabarStart,
         [](IZpBarcode& b) { return b.GetCodabarStart() < 4 ? int(b.GetCodabarStart()) : 0; }},
        {p.FCodabarStop, [](IZpBarcode& b) { return b.GetCodabarStop() < 4 ? int(b.GetCodabarStop()) : 0; }},
        {p.FMsiCount, checkCount},
        {p.F11Count, checkCount},
    };
    for (const auto& [list, get] : lists)
        if (Fresh(list))
            SelectData(list, Common<IZpBarcode>(objects, get));
    for (QComboBox* ratio : {p.F39Ratio, p.FI25Ratio, p.FCodabarRatio}) {
        if (!Fresh(ratio))
            continue;
        if (const auto r = Common<IZpBarcode>(objects, [](IZpBarcode& b) { return b.GetWideToNarrow(); }))
            TZpBarcodeOptionPanels::SetRatio(ratio, *r);
        else
            ratio->setCurrentIndex(-1);
    }
}

void TfrmPropertyMultipleObject::BarcodeControlEvent() {
    if (!FHasBarcode)
        return;
    const int sym = cmbSymbology->currentIndex();
    FOptionStack->setVisible(sym >= 0);
    const bool text = cbShowText->checkState() != Qt::Unchecked;
    for (QWidget* w : std::initializer_list<QWidget*>{cmbPosition, FPositionLabel, spnSpacing, FSpacingLabel})
        w->setEnabled(text);
    if (sym < 0)
        return;
    FBarcodeCommon->setVisible(HasCommonControls(sym));
    FOptionStack->setCurrentIndex(BarcodeGroupOf(uint8_t(sym)));
    FOptions.UpdateEnabled(text, uint8_t(sym));

    // The text of a bar code with descenders is sized to the symbol, so its
    // font size means nothing there.
    const TZpObjectPtr& representative = FBarcodeView.back();
    auto* b = Supports<IZpBarcode>(representative);
    bool descenders = b->GetDescenders();
    const TZpBarcodeGroup group = BarcodeGroupOf(b->GetSymbology());
    if (QCheckBox* box = group == gUPC   ? FOptions.FUpcDescenders
                         : group == gEAN ? FOptions.FEanDescenders
                                         : nullptr)
        descenders = On(box, descenders);
    const bool sizeless = b->GetSymbology() >= bcUPCA && b->GetSymbology() <= bcBookland && descenders;
    const bool loading = FLoading;
    FLoading = true;
    FFontSizeLabel->setEnabled(!sizeless);
    spnFontSize->setEnabled(!sizeless);
    if (sizeless)
        spnFontSize->SetBlank();
    else if (Fresh(spnFontSize) || spnFontSize->text().isEmpty()) {
        if (const auto size = Common<IZpFont>(FBarcodeView, [](IZpFont& f) { return f.GetSize(); }))
            spnFontSize->SetValue(*size);
        else
            spnFontSize->SetBlank();
    }
    if (Fresh(cmbFontName)) {
        if (const auto name = Common<IZpFont>(FBarcodeView, [](IZpFont& f) { return f.GetName(); }))
            cmbFontName->setCurrentFont(QFont(*name));
        else
            cmbFontName->setCurrentIndex(-1);
    }
    FLoading = loading;
}

void TfrmPropertyMultipleObject::SymbologyChosen(int index) {
    if (index < 0)
        return;
    Mark(cmbSymbology);
    // As in the dialog for one object, the choice resets what it sets: those
    // controls show its result again, and what the user changes after it
    // is written over it on OK.
    std::vector<const QWidget*> reset = {cbShowText, cmbPosition};
    for (QWidget* w : FOptionStack->findChildren<QWidget*>())
        reset.push_back(w);
    if (index == bcUPCA || index == bcUPCE0 || index == bcUPCE1 || index == bcEAN13) {
        reset.push_back(spnDensity);
        reset.push_back(cmbFontName);
    }
    if (index == bcPostnet)
        reset.push_back(spnBarHeight);
    for (const QWidget* w : reset)
        FChanged.remove(w);
    // Copies show what the choice does to each bar code; the objects
    // themselves change only on OK.
    TZpObjectList view;
    for (const TZpObjectPtr& o : FObjects) {
        TZpObjectPtr copy = o->Clone();
        if (auto* b = Supports<IZpBarcode>(copy))
            ApplySymbology(*b);
        view.push_back(copy);
    }
    FBarcodeView = view;
    FLoading = true;
    LoadBarcode(view);
    FLoading = false;
    BarcodeControlEvent();
}

void TfrmPropertyMultipleObject::DensityChanged() {
    const int density = spnDensity->IntValue();
    edtDensityFigures->setText(QStringLiteral("%1 Dots/%2 Mil")
                                   .arg(density)
                                   .arg(QString::number(double(density) / LabelDPI() * 1000, 'f', 2)));
    Mark(spnDensity);
}

void TfrmPropertyMultipleObject::Advanced() {
    // The thinnest bar must keep a pixel at the narrowest density in use.
    int32_t density = 0;
    if (!spnDensity->text().isEmpty() && spnDensity->IsValid())
        density = spnDensity->IntValue();
    else
        for (const TZpObjectPtr& o : FBarcodeView)
            if (auto* b = Supports<IZpBarcode>(o))
                density = density == 0 ? b->GetDensity() : std::min(density, b->GetDensity());
    TZpBarcodeAdjustmentsDialog dialog(FBarAdjust, FSpaceAdjust, 1 - std::max(density, 1), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FBarAdjust = dialog.Bars();
    FSpaceAdjust = dialog.Spaces();
    Mark(btnAdvanced);
}

void TfrmPropertyMultipleObject::ApplySymbology(IZpBarcode& b) const {
    const int sym = cmbSymbology->currentIndex();
    if (sym < 0)
        return;
    ChangeBarcodeSymbology(b, uint8_t(sym));
    if (sym == bcPostnet)
        b.SetHeight(Round(kPostnetHeight * LabelDPI()));
}

void TfrmPropertyMultipleObject::ApplyBarcode(IZpBarcode& b) const {
    const int sym = cmbSymbology->currentIndex();
    // Controls hidden for the chosen symbology write nothing.
    if (sym < 0 || HasCommonControls(sym)) {
        const int dpi = LabelDPI();
        auto typed = [&](const TZpNumberField* field) {
            return !Fresh(field) && !field->text().isEmpty() && field->IsValid();
        };
        if (!Fresh(cbShowText) && cbShowText->checkState() != Qt::PartiallyChecked)
            b.SetShowHumanReadable(cbShowText->isChecked());
        if (!Fresh(cmbPosition) && cmbPosition->currentIndex() >= 0)
            b.SetHRPosition(uint8_t(cmbPosition->currentIndex()));
        if (typed(spnBarHeight))
            b.SetHeight(Round(spnBarHeight->Value() * dpi));
        if (typed(spnDensity))
            b.SetDensity(spnDensity->IntValue());
        if (typed(spnSpacing))
            b.SetHRSpacing(Round(spnSpacing->Value() * dpi));
        if (!Fresh(edtPrefix))
            b.SetPreamble(edtPrefix->text());
        if (!Fresh(edtSuffix))
            b.SetPostamble(edtSuffix->text());
    }
    if (!Fresh(btnAdvanced)) {
        b.SetBarAdjust(FBarAdjust);
        b.SetSpaceAdjust(FSpaceAdjust);
    }
    ApplyBarcodeOptions(b);
}

// A setting is written when the symbology was chosen or one of the controls
// it is made from was changed; a grey box or a list without a choice stands
// for the object's own value, so a setting that several controls make keeps
// what the user did not decide.
void TfrmPropertyMultipleObject::ApplyBarcodeOptions(IZpBarcode& b) const {
    const int sym = cmbSymbology->currentIndex();
    if (sym < 0)
        return;
    const bool all = !Fresh(cmbSymbology);
    auto touched = [&](std::initializer_list<const QWidget*> controls) {
        return all ||
               std::any_of(controls.begin(), controls.end(), [&](const QWidget* c) { return !Fresh(c); });
    };
    const TZpBarcodeOptionPanels& p = FOptions;
    const bool text = b.GetShowHumanReadable();
    const bool check = b.GetCheckDigit();
    const bool showCheck = b.GetShowCheckDigit();
    const bool showCheck2 = b.GetShowCheckDigit2();
    const bool startStop = b.GetShowStartStop();
    const bool extend = b.GetExtendSupplement();
    const float ratio = b.GetWideToNarrow();
    switch (BarcodeGroupOf(uint8_t(sym))) {
    case gCode39: {
        const bool c = On(p.F39Check, check);
        if (touched({p.F39Check}))
            b.SetCheckDigit(c);
        if (touched({p.F39Check, p.F39PrintCheck}))
            b.SetShowCheckDigit(text && c && On(p.F39PrintCheck, showCheck));
        if (touched({p.F39StartStop}))
            b.SetShowStartStop(text && On(p.F39StartStop, startStop));
        if (touched({p.F39Ratio}))
            b.SetWideToNarrow(Ratio(p.F39Ratio, ratio));
        break;
    }
    case gUCC128:
        if (touched({p.FUccCheck}))
            b.SetCheckDigit(On(p.FUccCheck, check));
        if (touched({p.FUccFormat}))
            b.SetUCCFormatting(On(p.FUccFormat, b.GetUCCFormatting()));
        break;
    case gUPC:
        if (touched({p.FUpcNumberSystem}))
            b.SetShowNumberSystem(On(p.FUpcNumberSystem, b.GetShowNumberSystem()));
        if (touched({p.FUpcPrintCheck}))
            b.SetShowCheckDigit(On(p.FUpcPrintCheck, showCheck));
        if (touched({p.FUpcDescenders}))
            b.SetDescenders(On(p.FUpcDescenders, b.GetDescenders()));
        if (touched({p.FUpcExtend}))
            b.SetExtendSupplement(On(p.FUpcExtend, extend));
        if (touched({p.FUpcMfrProd}))
            b.SetShowMfrProdSpace(On(p.FUpcMfrProd, b.GetShowMfrProdSpace()));
        break;
    case gEAN: {
        const bool descenders = On(p.FEanDescenders, b.GetDescenders());
        if (touched({p.FEanDescenders}))
            b.SetDescenders(descenders);
        if (touched({p.FEanDescenders, p.FEanExtend}))
            b.SetExtendSupplement(descenders && On(p.FEanExtend, extend));
        break;
    }
    case gBookland:
        if (touched({p.FBookIsbn}))
            b.SetShowISBN(On(p.FBookIsbn, b.GetShowISBN()));
        if (touched({p.FBookExtend}))
            b.SetExtendSupplement(On(p.FBookExtend, extend));
        if (touched({p.FBookGreater}))
            b.SetAppendGreaterThan(On(p.FBookGreater, b.GetAppendGreaterThan()));
        break;
    case gI25: {
        const bool c = On(p.FI25Check, check);
        if (touched({p.FI25Check}))
            b.SetCheckDigit(c);
        if (touched({p.FI25Method}))
            b.SetI25CheckDigitType(uint8_t(Index(p.FI25Method, b.GetI25CheckDigitType())));
        if (touched({p.FI25Check, p.FI25PrintCheck}))
            b.SetShowCheckDigit(text && c && On(p.FI25PrintCheck, showCheck));
        if (touched({p.FI25Guard}))
            b.SetGuardBars(On(p.FI25Guard, b.GetGuardBars()));
        if (touched({p.FI25Ratio}))
            b.SetWideToNarrow(Ratio(p.FI25Ratio, ratio));
        break;
    }
    case gCodabar:
        if (touched({p.FCodabarStart}))
            b.SetCodabarStart(uint8_t(Index(p.FCodabarStart, b.GetCodabarStart())));
        if (touched({p.FCodabarStop}))
            b.SetCodabarStop(uint8_t(Index(p.FCodabarStop, b.GetCodabarStop())));
        if (touched({p.FCodabarRatio}))
            b.SetWideToNarrow(Ratio(p.FCodabarRatio, ratio));
        if (touched({p.FCodabarStartStop}))
            b.SetShowStartStop(text && On(p.FCodabarStartStop, startStop));
        break;
    case gMSI: {
        const bool two = Index(p.FMsiCount, check ? 1 : 0) == 1;
        if (touched({p.FMsiPrintFirst}))
            b.SetShowCheckDigit(On(p.FMsiPrintFirst, showCheck));
        if (touched({p.FMsiCount, p.FMsiPrintSecond}))
            b.SetShowCheckDigit2(two && On(p.FMsiPrintSecond, showCheck2));
        if (touched({p.FMsiCount}))
            b.SetCheckDigit(two);
        if (touched({p.FMsiCount, p.FMsiMod11}))
            b.SetFirstCheckMod11(two && On(p.FMsiMod11, b.GetFirstCheckMod11()));
        break;
    }
    case gMSIISBN:
        if (touched({p.FMsiIsbnPrint}))
            b.SetShowCheckDigit(On(p.FMsiIsbnPrint, showCheck));
        break;
    case gCode11: {
        const bool two = Index(p.F11Count, check ? 1 : 0) == 1;
        if (touched({p.F11Count}))
            b.SetCheckDigit(two);
        if (touched({p.F11PrintFirst}))
            b.SetShowCheckDigit(text && On(p.F11PrintFirst, showCheck));
        if (touched({p.F11Count, p.F11PrintSecond}))
            b.SetShowCheckDigit2(text && two && On(p.F11PrintSecond, showCheck2));
        break;
    }
    case gITF14:
        if (touched({p.FItfPrintCheck}))
            b.SetShowCheckDigit(text && On(p.FItfPrintCheck, showCheck));
        if (touched({p.FItfGuard}))
            b.SetGuardBars(On(p.FItfGuard, b.GetGuardBars()));
        break;
    case gNone:
        break;
    }
}

} // namespace zp

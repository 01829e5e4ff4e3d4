// SPDX-License-Identifier: MIT
#include "settings/dialogs/BarcodeDefaultsPage.h"

#include "barcode/Barcode.h"
#include "barcode/BarcodeOptions.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zp {

namespace {

template <class W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QCheckBox* Check(const char* name, const QString& caption) {
    return Named(new QCheckBox(caption), name);
}

/// The wide-to-narrow ratios offered: 2, 2.5 and 3 (stored times ten).
QComboBox* RatioBox(const char* name) {
    auto* box = Named(new QComboBox, name);
    for (int tenths : {20, 25, 30})
        box->addItem(QString::number(tenths / 10.0, 'f', 1), tenths);
    return box;
}

void SetRatio(QComboBox* box, int tenths) {
    // A stored ratio between the offered ones shows the nearest.
    const int index = std::clamp((tenths - 20 + 2) / 5, 0, 2);
    box->setCurrentIndex(index);
}

int Ratio(const QComboBox* box) {
    return box->currentData().toInt();
}

QComboBox* LetterBox(const char* name) {
    auto* box = Named(new QComboBox, name);
    box->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    return box;
}

QSpinBox* CountBox(const char* name) {
    auto* box = Named(new QSpinBox, name);
    box->setRange(1, 2);
    return box;
}

QWidget* Labelled(const QString& caption, QWidget* field) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addStretch();
    return row;
}

} // namespace

TZpBarcodeDefaultsPage::TZpBarcodeDefaultsPage(QWidget* parent) : QWidget(parent) {
    Build();
}

QWidget* TZpBarcodeDefaultsPage::AddOptionPage(const QList<QWidget*>& controls) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QWidget* control : controls)
        layout->addWidget(control);
    layout->addStretch();
    pgOptions->addWidget(page);
    return page;
}

void TZpBarcodeDefaultsPage::Build() {
    auto* layout = new QVBoxLayout(this);

    cmbSymbology = Named(new QComboBox, "cmbSymbology");
    for (const char* name : BarcodeTypeNames)
        cmbSymbology->addItem(QLatin1String(name));
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("S&ymbology:"), cmbSymbology);
    layout->addLayout(top);

    pnlCommon = new QWidget;
    auto* common = new QFormLayout(pnlCommon);
    common->setContentsMargins(0, 0, 0, 0);
    spnHeight = Named(new QDoubleSpinBox, "spnHeight");
    spnHeight->setRange(0.15, 30);
    spnHeight->setSingleStep(0.01);
    spnHeight->setDecimals(2);
    spnHeight->setSuffix(QStringLiteral(" in"));
    common->addRow(QStringLiteral("&Height:"), spnHeight);
    spnDensity = Named(new QSpinBox, "spnDensity");
    spnDensity->setRange(1, 9999);
    edtDensityInfo = Named(new QLineEdit, "edtDensityInfo");
    edtDensityInfo->setReadOnly(true);
    auto* densityRow = new QHBoxLayout;
    densityRow->addWidget(spnDensity);
    densityRow->addWidget(edtDensityInfo, 1);
    auto* densityLabel = new QLabel(QStringLiteral("&Density:"));
    densityLabel->setBuddy(spnDensity);
    common->addRow(densityLabel, densityRow);
    chkShowHumanReadable = Check("chkShowHumanReadable", QStringLiteral("Sh&ow human-readable text"));
    cmbHRPosition = Named(new QComboBox, "cmbHRPosition");
    cmbHRPosition->addItems({QStringLiteral("Top"), QStringLiteral("Bottom")});
    cmbHRPosition->setAccessibleName(QStringLiteral("Human-readable text position"));
    spnHRSpacing = Named(new QDoubleSpinBox, "spnHRSpacing");
    spnHRSpacing->setRange(0, 30);
    spnHRSpacing->setSingleStep(0.01);
    spnHRSpacing->setDecimals(2);
    spnHRSpacing->setSuffix(QStringLiteral(" in"));
    auto* hrRow = new QHBoxLayout;
    hrRow->addWidget(chkShowHumanReadable);
    hrRow->addWidget(cmbHRPosition);
    auto* spacingLabel = new QLabel(QStringLiteral("Sp&acing:"));
    spacingLabel->setBuddy(spnHRSpacing);
    hrRow->addWidget(spacingLabel);
    hrRow->addWidget(spnHRSpacing);
    hrRow->addStretch();
    common->addRow(hrRow);
    edtPreamble = Named(new QLineEdit, "edtPreamble");
    edtPostamble = Named(new QLineEdit, "edtPostamble");
    common->addRow(QStringLiteral("&Prefix:"), edtPreamble);
    common->addRow(QStringLiteral("S&uffix:"), edtPostamble);
    layout->addWidget(pnlCommon);

    edtDefaultText = Named(new QLineEdit, "edtBarcodeDefaultText");
    auto* data = new QFormLayout;
    data->addRow(QStringLiteral("Default da&ta:"), edtDefaultText);
    layout->addLayout(data);

    auto* group = new QGroupBox(QStringLiteral("Symbology options"));
    auto* groupLayout = new QVBoxLayout(group);
    pgOptions = new QStackedWidget;
    groupLayout->addWidget(pgOptions);
    layout->addWidget(group, 1);

    pgNone = AddOptionPage({new QLabel(QStringLiteral("No Options"))});

    chkC39CheckDigit = Check("chkC39CheckDigit", QStringLiteral("&Check digit (MOD 43)"));
    chkC39ShowCheckDigit =
        Check("chkC39ShowCheckDigit", QStringLiteral("&Print check digit in human-readable text"));
    chkC39ShowStartStop = Check("chkC39ShowStartStop",
                                QStringLiteral("Print &start/stop characters (*) in human-readable text"));
    cmbC39Ratio = RatioBox("cmbC39Ratio");
    pgCode39 = AddOptionPage({chkC39CheckDigit, chkC39ShowCheckDigit, chkC39ShowStartStop,
                              Labelled(QStringLiteral("&Wide to narrow ratio:"), cmbC39Ratio)});

    chkUccCheckDigit = Check("chkUccCheckDigit", QStringLiteral("&Check digit (MOD 10)"));
    chkUccFormatting = Check("chkUccFormatting", QStringLiteral("&Format human-readable in UCC format"));
    pgUCC128 = AddOptionPage({chkUccCheckDigit, chkUccFormatting});

    chkUpcNumberSystem =
        Check("chkUpcNumberSystem", QStringLiteral("&Print number system in human-readable text"));
    chkUpcShowCheckDigit =
        Check("chkUpcShowCheckDigit", QStringLiteral("Print &check digit in human-readable text"));
    chkUpcDescenders = Check("chkUpcDescenders", QStringLiteral("&Use descenders"));
    chkUpcExtend = Check("chkUpcExtend", QStringLiteral("&Extend supplement to match descenders"));
    chkUpcMfrProd = Check("chkUpcMfrProd", QStringLiteral("&Separate manufacturer and product code"));
    pgUPC = AddOptionPage(
        {chkUpcNumberSystem, chkUpcShowCheckDigit, chkUpcDescenders, chkUpcExtend, chkUpcMfrProd});

    chkEanDescenders = Check("chkEanDescenders", QStringLiteral("&Use descenders"));
    chkEanExtend = Check("chkEanExtend", QStringLiteral("&Extend supplement to match descenders"));
    pgEAN = AddOptionPage({chkEanDescenders, chkEanExtend});

    chkBookShowISBN = Check("chkBookShowISBN", QStringLiteral("&Show ISBN number"));
    chkBookExtend = Check("chkBookExtend", QStringLiteral("&Extend supplement to match descenders"));
    chkBookAppend = Check("chkBookAppend", QStringLiteral("&Append \">\" to the end of the symbol"));
    pgBookland = AddOptionPage({chkBookShowISBN, chkBookExtend, chkBookAppend});

    chkI25CheckDigit = Check("chkI25CheckDigit", QStringLiteral("&Check digit "));
    cmbI25Method = Named(new QComboBox, "cmbI25Method");
    cmbI25Method->addItems({QStringLiteral("USS"), QStringLiteral("OPCC")});
    chkI25ShowCheckDigit =
        Check("chkI25ShowCheckDigit", QStringLiteral("&Print check digit in human-readable text"));
    chkI25GuardBars = Check("chkI25GuardBars", QStringLiteral("&Use guard bars"));
    cmbI25Ratio = RatioBox("cmbI25Ratio");
    pgI25 = AddOptionPage({chkI25CheckDigit, Labelled(QStringLiteral("Check digit &method:"), cmbI25Method),
                           chkI25ShowCheckDigit, chkI25GuardBars,
                           Labelled(QStringLiteral("&Wide to narrow ratio:"), cmbI25Ratio)});

    cmbCodabarStart = LetterBox("cmbCodabarStart");
    cmbCodabarStop = LetterBox("cmbCodabarStop");
    cmbCodabarRatio = RatioBox("cmbCodabarRatio");
    chkCodabarStartStop =
        Check("chkCodabarStartStop", QStringLiteral("&Print start/stop characters in human-readable text"));
    pgCodabar = AddOptionPage({Labelled(QStringLiteral("S&tart character:"), cmbCodabarStart),
                               Labelled(QStringLiteral("St&op character:"), cmbCodabarStop),
                               Labelled(QStringLiteral("&Wide to narrow ratio:"), cmbCodabarRatio),
                               chkCodabarStartStop});

    chkMsiShowCheckDigit =
        Check("chkMsiShowCheckDigit", QStringLiteral("&Print first check digit in human-readable text"));
    chkMsiShowCheckDigit2 =
        Check("chkMsiShowCheckDigit2", QStringLiteral("Print &second check digit in human-readable text"));
    spnMsiCount = CountBox("spnMsiCount");
    chkMsiMod11 = Check("chkMsiMod11", QStringLiteral("&First check digit is mod 11 (mod 10 if unchecked)"));
    pgMSI = AddOptionPage({Labelled(QStringLiteral("Number of check digits"), spnMsiCount),
                           chkMsiShowCheckDigit, chkMsiShowCheckDigit2, chkMsiMod11});

    chkMsiIsbnShowCheckDigits =
        Check("chkMsiIsbnShowCheckDigits", QStringLiteral("&Print check digits in human-readable text"));
    pgMSIISBN = AddOptionPage({chkMsiIsbnShowCheckDigits});

    spnC11Count = CountBox("spnC11Count");
    chkC11ShowCheckDigit =
        Check("chkC11ShowCheckDigit", QStringLiteral("Print &first check digit in human-readable text"));
    chkC11ShowCheckDigit2 =
        Check("chkC11ShowCheckDigit2", QStringLiteral("Print se&cond check digit in human-readable text"));
    pgCode11 = AddOptionPage({Labelled(QStringLiteral("&Number of check digits"), spnC11Count),
                              chkC11ShowCheckDigit, chkC11ShowCheckDigit2});

    chkItfShowCheckDigit =
        Check("chkItfShowCheckDigit", QStringLiteral("&Print check digit in human-readable text"));
    chkItfGuardBars = Check("chkItfGuardBars", QStringLiteral("&Use guard bars"));
    pgITF14 = AddOptionPage({chkItfShowCheckDigit, chkItfGuardBars});

    // Any change stores the page; the density and the symbology also reload it.
    connect(cmbSymbology, &QComboBox::activated, this, &TZpBarcodeDefaultsPage::SymbologyChanged);
    connect(spnDensity, &QSpinBox::valueChanged, this, &TZpBarcodeDefaultsPage::DensityChanged);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &TZpBarcodeDefaultsPage::Changed);
    for (QComboBox* box : findChildren<QComboBox*>())
        if (box != cmbSymbology)
            connect(box, &QComboBox::currentIndexChanged, this, &TZpBarcodeDefaultsPage::Changed);
    for (QSpinBox* box : {spnMsiCount, spnC11Count})
        connect(box, &QSpinBox::valueChanged, this, &TZpBarcodeDefaultsPage::Changed);
    for (QDoubleSpinBox* box : {spnHeight, spnHRSpacing})
        connect(box, &QDoubleSpinBox::valueChanged, this, &TZpBarcodeDefaultsPage::Changed);
    for (QLineEdit* edit : {edtPreamble, edtPostamble, edtDefaultText})
        connect(edit, &QLineEdit::textEdited, this, &TZpBarcodeDefaultsPage::Changed);
}

void TZpBarcodeDefaultsPage::Load(const TBarcodeDefaults& defaults) {
    FData = defaults;
    LoadPage();
}

void TZpBarcodeDefaultsPage::LoadPage() {
    const TBarcodeDefaults& d = FData;
    const int dpi = LabelDPI();
    const bool shown = d.ShowHumanReadable;
    FLoading = true;
    cmbSymbology->setCurrentIndex(d.Type);
    spnHeight->setValue(d.Height);
    spnDensity->setValue(std::max(1, Round(d.Density * dpi)));
    chkShowHumanReadable->setChecked(shown);
    cmbHRPosition->setCurrentIndex(d.HRPosition);
    spnHRSpacing->setValue(Round(d.HRSpacing * dpi) / double(dpi));
    edtPreamble->setText(d.Preamble);
    edtPostamble->setText(d.Postamble);
    edtDefaultText->setText(d.DefaultText);

    chkC39CheckDigit->setChecked(d.CheckDigit);
    chkC39ShowCheckDigit->setChecked(shown && d.CheckDigit && d.ShowCheckDigit);
    chkC39ShowStartStop->setChecked(shown && d.ShowStartStop);
    SetRatio(cmbC39Ratio, d.WideToNarrow);
    chkUccCheckDigit->setChecked(d.CheckDigit);
    chkUccFormatting->setChecked(d.UCCFormatting);
    chkUpcNumberSystem->setChecked(d.ShowNumberSystem);
    chkUpcShowCheckDigit->setChecked(d.ShowCheckDigit);
    chkUpcDescenders->setChecked(d.Descenders);
    chkUpcExtend->setChecked(d.ExtendSupplement);
    chkUpcMfrProd->setChecked(d.ShowMfrProdSpace && d.Type == bcUPCA);
    chkEanDescenders->setChecked(d.Descenders);
    chkEanExtend->setChecked(d.ExtendSupplement);
    chkBookShowISBN->setChecked(d.ShowISBN);
    chkBookExtend->setChecked(d.ExtendSupplement);
    chkBookAppend->setChecked(d.AppendGreaterThan);
    chkI25CheckDigit->setChecked(d.CheckDigit);
    cmbI25Method->setCurrentIndex(d.I25CheckDigitType);
    chkI25ShowCheckDigit->setChecked(d.CheckDigit && d.ShowCheckDigit);
    chkI25GuardBars->setChecked(d.GuardBars);
    SetRatio(cmbI25Ratio, d.WideToNarrow);
    cmbCodabarStart->setCurrentIndex(d.CodabarStart);
    cmbCodabarStop->setCurrentIndex(d.CodabarStop);
    SetRatio(cmbCodabarRatio, d.WideToNarrow);
    chkCodabarStartStop->setChecked(d.ShowStartStop);
    chkMsiShowCheckDigit->setChecked(d.ShowCheckDigit);
    chkMsiShowCheckDigit2->setChecked(d.CheckDigit && d.ShowCheckDigit2);
    spnMsiCount->setValue(d.CheckDigit ? 2 : 1);
    chkMsiMod11->setChecked(d.FirstCheckMod11);
    chkMsiIsbnShowCheckDigits->setChecked(d.ShowCheckDigit);
    spnC11Count->setValue(d.CheckDigit ? 2 : 1);
    chkC11ShowCheckDigit->setChecked(d.ShowCheckDigit);
    chkC11ShowCheckDigit2->setChecked(d.ShowCheckDigit2);
    chkItfShowCheckDigit->setChecked(d.ShowCheckDigit);
    chkItfGuardBars->setChecked(d.GuardBars);

    QWidget* page = pgNone;
    switch (d.Type) {
    case bcCode39:
    case bcCode39Ascii:
        page = pgCode39;
        break;
    case bcUCC128:
        page = pgUCC128;
        break;
    case bcUPCA:
    case bcUPCE0:
    case bcUPCE1:
        page = pgUPC;
        break;
    case bcEAN13:
    case bcEAN8:
        page = pgEAN;
        break;
    case bcBookland:
        page = pgBookland;
        break;
    case bcInt2of5:
        page = pgI25;
        break;
    case bcCodabar:
    case bcCodabarCLSI:
        page = pgCodabar;
        break;
    case bcMSI:
        page = pgMSI;
        break;
    case bcMSIISBN:
        page = pgMSIISBN;
        break;
    case bcCode11:
        page = pgCode11;
        break;
    case bcITF14:
        page = pgITF14;
        break;
    default:
        break;
    }
    pgOptions->setCurrentWidget(page);
    chkUpcMfrProd->setVisible(d.Type == bcUPCA);
    pnlCommon->setVisible(d.Type != bcPostnet && d.Type != bcFIM);
    FLoading = false;
    ShowDensityFigures();
    UpdateEnabled();
}

void TZpBarcodeDefaultsPage::StorePage() {
    if (FLoading)
        return;
    TBarcodeDefaults& d = FData;
    const int dpi = LabelDPI();
    if (d.Type == bcPostnet) {
        const QSignalBlocker quiet(spnHeight);
        spnHeight->setValue(0.5);
    }
    const bool shown = chkShowHumanReadable->isChecked();
    d.ShowHumanReadable = shown;
    d.HRPosition = cmbHRPosition->currentIndex();
    d.Density = spnDensity->value() / double(dpi);
    d.Height = spnHeight->value();
    d.HRSpacing = Round(spnHRSpacing->value() * dpi) / double(dpi);
    d.Preamble = edtPreamble->text();
    d.Postamble = edtPostamble->text();
    d.DefaultText = edtDefaultText->text();
    d.GuardBars = false;
    switch (d.Type) {
    case bcCode39:
    case bcCode39Ascii:
        d.CheckDigit = chkC39CheckDigit->isChecked();
        d.ShowCheckDigit = shown && d.CheckDigit && chkC39ShowCheckDigit->isChecked();
        d.ShowStartStop = shown && chkC39ShowStartStop->isChecked();
        d.WideToNarrow = Ratio(cmbC39Ratio);
        break;
    case bcUCC128:
        d.CheckDigit = chkUccCheckDigit->isChecked();
        d.UCCFormatting = chkUccFormatting->isChecked();
        break;
    case bcUPCA:
    case bcUPCE0:
    case bcUPCE1:
        d.ShowNumberSystem = chkUpcNumberSystem->isChecked();
        d.ShowCheckDigit = chkUpcShowCheckDigit->isChecked();
        d.Descenders = chkUpcDescenders->isChecked();
        d.ExtendSupplement = chkUpcExtend->isChecked();
        d.ShowMfrProdSpace = chkUpcMfrProd->isChecked();
        break;
    case bcEAN13:
    case bcEAN8:
        d.Descenders = chkEanDescenders->isChecked();
        d.ExtendSupplement = d.Descenders && chkEanExtend->isChecked();
        break;
    case bcBookland:
        d.ShowISBN = chkBookShowISBN->isChecked();
        d.ExtendSupplement = chkBookExtend->isChecked();
        d.AppendGreaterThan = chkBookAppend->isChecked();
        break;
    case bcInt2of5:
        d.CheckDigit = chkI25CheckDigit->isChecked();
        d.I25CheckDigitType = cmbI25Method->currentIndex();
        d.ShowCheckDigit = shown && d.CheckDigit && chkI25ShowCheckDigit->isChecked();
        d.GuardBars = chkI25GuardBars->isChecked();
        d.WideToNarrow = Ratio(cmbI25Ratio);
        break;
    case bcCodabar:
    case bcCodabarCLSI:
        d.CodabarStart = cmbCodabarStart->currentIndex();
        d.CodabarStop = cmbCodabarStop->currentIndex();
        d.WideToNarrow = Ratio(cmbCodabarRatio);
        d.ShowStartStop = shown && chkCodabarStartStop->isChecked();
        break;
    case bcMSI: {
        const bool two = spnMsiCount->value() == 2;
        d.ShowCheckDigit = chkMsiShowCheckDigit->isChecked();
        d.ShowCheckDigit2 = two && chkMsiShowCheckDigit2->isChecked();
        d.CheckDigit = two;
        d.FirstCheckMod11 = two && chkMsiMod11->isChecked();
        break;
    }
    case bcMSIISBN:
        d.ShowCheckDigit = chkMsiIsbnShowCheckDigits->isChecked();
        break;
    case bcCode11: {
        const bool two = spnC11Count->value() == 2;
        d.CheckDigit = two;
        d.ShowCheckDigit = shown && chkC11ShowCheckDigit->isChecked();
        d.ShowCheckDigit2 = shown && two && chkC11ShowCheckDigit2->isChecked();
        break;
    }
    case bcITF14:
        d.ShowCheckDigit = shown && chkItfShowCheckDigit->isChecked();
        d.GuardBars = chkItfGuardBars->isChecked();
        break;
    default:
        break;
    }
}

void TZpBarcodeDefaultsPage::UpdateEnabled() {
    const bool shown = chkShowHumanReadable->isChecked();
    cmbHRPosition->setEnabled(shown);
    spnHRSpacing->setEnabled(shown);
    chkC39ShowCheckDigit->setEnabled(shown && chkC39CheckDigit->isChecked());
    chkC39ShowStartStop->setEnabled(shown);
    chkUccFormatting->setEnabled(shown);
    chkUpcNumberSystem->setEnabled(shown);
    chkUpcShowCheckDigit->setEnabled(shown);
    chkUpcExtend->setEnabled(chkUpcDescenders->isChecked());
    chkUpcMfrProd->setEnabled(!chkUpcDescenders->isChecked());
    chkEanExtend->setEnabled(chkEanDescenders->isChecked());
    cmbI25Method->setEnabled(chkI25CheckDigit->isChecked());
    chkI25ShowCheckDigit->setEnabled(shown && chkI25CheckDigit->isChecked());
    chkMsiShowCheckDigit2->setEnabled(spnMsiCount->value() == 2);
    chkMsiMod11->setEnabled(spnMsiCount->value() == 2);
    chkMsiIsbnShowCheckDigits->setEnabled(shown);
    chkC11ShowCheckDigit->setEnabled(shown);
    chkC11ShowCheckDigit2->setEnabled(spnC11Count->value() == 2);
    chkItfShowCheckDigit->setEnabled(shown);
}

void TZpBarcodeDefaultsPage::Changed() {
    if (FLoading)
        return;
    StorePage();
    UpdateEnabled();
}

void TZpBarcodeDefaultsPage::DensityChanged() {
    if (FLoading)
        return;
    StorePage();
    LoadPage();
}

void TZpBarcodeDefaultsPage::SymbologyChanged(int type) {
    if (FLoading || type < 0)
        return;
    TBarcodeDefaults& d = FData;
    d.Type = type;
    // The choices a new symbol of this kind starts from, as in the object's
    // own dialog; the face of the text is not among the dialog's values.
    const double eanUpcDensity = Round(LabelDPI() * kEanUpcDefaultDensity) / double(LabelDPI());
    switch (type) {
    case bcCode39:
    case bcCode39Ascii:
        d.CheckDigit = d.ShowCheckDigit = d.ShowStartStop = false;
        d.WideToNarrow = 20;
        break;
    case bcUPCA:
    case bcUPCE0:
    case bcUPCE1:
        d.ShowHumanReadable = d.Descenders = d.ShowNumberSystem = true;
        d.ShowCheckDigit = d.CheckDigit = d.ExtendSupplement = true;
        d.Density = eanUpcDensity;
        break;
    case bcEAN13:
        d.Density = eanUpcDensity;
        break;
    case bcCodabar:
    case bcCodabarCLSI:
        d.CodabarStart = d.CodabarStop = 0;
        break;
    default:
        break;
    }
    LoadPage();
    StorePage();
    UpdateEnabled();
}

void TZpBarcodeDefaultsPage::ShowDensityFigures() {
    TBarcodeOptions o;
    o.Symbology = uint8_t(FData.Type);
    o.Density = spnDensity->value();
    o.WideToNarrow = float(FData.WideToNarrow) / 10.0f;
    o.CheckDigit = FData.CheckDigit;
    edtDensityInfo->setText(QString::asprintf("%d Dots/%.2f CPI/%.2f Mil", o.Density,
                                              double(BarcodeCharsPerInch(o)), double(BarcodeMils(o))));
}

} // namespace zp

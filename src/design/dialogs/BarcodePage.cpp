// SPDX-License-Identifier: MIT
// The "Bar Code" page: the symbology, the settings all symbologies share and
// one option panel per symbology group.
#include "barcode/Barcode.h"
#include "barcode/BarcodeSymbologyChange.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "design/dialogs/BarcodeOptionPanels.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/PropertyPages.h"
#include "model/data/ZpData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zp {

namespace {

QString Fixed2(double v) {
    return QString::number(v, 'f', 2);
}

class TBarcodePage : public TZpPropertyPage {
public:
    explicit TBarcodePage(TZpSheetContext& context) : TZpPropertyPage(context, QStringLiteral("Bar Code")) {
        auto* column = new QVBoxLayout(this);
        auto* top = new QGridLayout;
        column->addLayout(top);
        QStringList names;
        for (const char* n : BarcodeTypeNames)
            names << QString::fromLatin1(n);
        FSymbology = MakeList(this, names);
        AddRow(*top, QStringLiteral("S&ymbology"), FSymbology);

        FCommon = new QGroupBox(this);
        auto* common = new QGridLayout(FCommon);
        FHeight = Number(QStringLiteral("&Height"), 0.15, 30, 2, QStringLiteral("inches"));
        AddRow(*common, QStringLiteral("&Height"), FHeight, QStringLiteral("inches"));
        FDensity = Number(QStringLiteral("&Density"), 1, 9999, 0, QStringLiteral("label pixels"));
        AddRow(*common, QStringLiteral("&Density"), FDensity, QStringLiteral("dots"));
        FFigures = new QLineEdit(FCommon);
        FFigures->setReadOnly(true);
        FFigures->setAccessibleName(QStringLiteral("Density figures"));
        common->addWidget(FFigures, common->rowCount(), 1, 1, 2);
        FShowText = AddCheck(*common, QStringLiteral("Sh&ow human-readable text"));
        FPosition = MakeList(FCommon, {QStringLiteral("Top"), QStringLiteral("Bottom")});
        FPositionLabel = AddRow(*common, QStringLiteral("Position"), FPosition);
        FSpacing = Number(QStringLiteral("Sp&acing"), 0, 30, 2, QStringLiteral("inches"));
        FSpacingLabel = AddRow(*common, QStringLiteral("Sp&acing"), FSpacing, QStringLiteral("inches"));
        FPrefix = new QLineEdit(FCommon);
        AddRow(*common, QStringLiteral("&Prefix"), FPrefix);
        FSuffix = new QLineEdit(FCommon);
        AddRow(*common, QStringLiteral("S&uffix"), FSuffix);
        column->addWidget(FCommon);
        auto* advanced = new QPushButton(QStringLiteral("Ad&vanced"), this);
        advanced->setAutoDefault(false);
        NameFor(advanced, advanced->text());
        column->addWidget(advanced, 0, Qt::AlignLeft);

        FOptions = new QStackedWidget(this);
        FP.Build(FOptions);
        column->addWidget(FOptions);
        column->addStretch();

        connect(FSymbology, &QComboBox::activated, this, [this](int index) { SymbologyChosen(index); });
        connect(FDensity, &TZpNumberField::ValueEdited, this, [this] {
            Store();
            LoadPage();
        });
        for (TZpNumberField* f : {FHeight, FSpacing})
            connect(f, &TZpNumberField::ValueEdited, this, [this] { Store(); });
        for (QLineEdit* e : {FPrefix, FSuffix})
            connect(e, &QLineEdit::textEdited, this, [this] { Store(); });
        connect(FPosition, &QComboBox::activated, this, [this] { Store(); });
        connect(advanced, &QPushButton::clicked, this, [this] { Advanced(); });
        for (QCheckBox* box : findChildren<QCheckBox*>())
            connect(box, &QCheckBox::clicked, this, [this] { Store(); });
        for (QComboBox* list : FOptions->findChildren<QComboBox*>())
            connect(list, &QComboBox::activated, this, [this] { Store(); });
    }

    void Load() override { LoadPage(); }

    // Bar code data that the symbology cannot take: the engine's message,
    // and OK goes on only when the user ignores it.
    bool Check() override {
        auto* barcode = Supports<IZpBarcode>(FContext.Copy);
        auto* data = Supports<IZpData>(FContext.Copy);
        if (!barcode || !data)
            return true;
        const TBarcodeOptions options = barcode->GetOptions();
        return ValidateBarcodeData(options, PrepareBarcodeData(BarcodeBytes(data->GetText()), options), true);
    }

    /// Writes the page into the copy once loading is done, so that the copy
    /// agrees with what the page shows.
    void StoreOnce() { Store(); }

private:
    TZpNumberField* Number(const QString& caption, double lo, double hi, int decimals, const QString& unit) {
        return new TZpNumberField(caption, lo, hi, decimals, unit, this);
    }

    void LoadPage() {
        auto* b = Supports<IZpBarcode>(FContext.Copy);
        if (!b)
            return;
        FLoading = true;
        const uint8_t sym = b->GetSymbology();
        FSymbology->setCurrentIndex(sym < kBarcodeTypeCount ? sym : -1);
        const int dpi = LabelDPI();
        FHeight->SetValue(double(b->GetHeight()) / dpi);
        FDensity->SetValue(b->GetDensity());
        const TBarcodeOptions options = b->GetOptions();
        FFigures->setText(QStringLiteral("%1 Dots/%2 CPI/%3 Mil")
                              .arg(b->GetDensity())
                              .arg(Fixed2(BarcodeCharsPerInch(options)), Fixed2(BarcodeMils(options))));
        FShowText->setChecked(b->GetShowHumanReadable());
        FPosition->setCurrentIndex(b->GetHRPosition() < 2 ? b->GetHRPosition() : 1);
        FSpacing->SetValue(double(b->GetHRSpacing()) / dpi);
        FPrefix->setText(b->GetPreamble());
        FSuffix->setText(b->GetPostamble());
        FBarAdjust = b->GetBarAdjust();
        FSpaceAdjust = b->GetSpaceAdjust();
        FCommon->setVisible(sym != bcPostnet && sym != bcFIM);

        const bool text = b->GetShowHumanReadable();
        const bool check = b->GetCheckDigit();
        const TZpBarcodeGroup group = BarcodeGroupOf(sym);
        FOptions->setCurrentIndex(group);
        switch (group) {
        case gCode39:
            FP.F39Check->setChecked(check);
            FP.F39PrintCheck->setChecked(text && check && b->GetShowCheckDigit());
            FP.F39StartStop->setChecked(text && b->GetShowStartStop());
            TZpBarcodeOptionPanels::SetRatio(FP.F39Ratio, b->GetWideToNarrow());
            break;
        case gUCC128:
            FP.FUccCheck->setChecked(check);
            FP.FUccFormat->setChecked(b->GetUCCFormatting());
            break;
        case gUPC:
            FP.FUpcNumberSystem->setChecked(b->GetShowNumberSystem());
            FP.FUpcPrintCheck->setChecked(b->GetShowCheckDigit());
            FP.FUpcDescenders->setChecked(b->GetDescenders());
            FP.FUpcExtend->setChecked(b->GetExtendSupplement());
            FP.FUpcMfrProd->setChecked(sym == bcUPCA && b->GetShowMfrProdSpace());
            break;
        case gEAN:
            FP.FEanDescenders->setChecked(b->GetDescenders());
            FP.FEanExtend->setChecked(b->GetExtendSupplement());
            break;
        case gBookland:
            FP.FBookIsbn->setChecked(b->GetShowISBN());
            FP.FBookExtend->setChecked(b->GetExtendSupplement());
            FP.FBookGreater->setChecked(b->GetAppendGreaterThan());
            break;
        case gI25:
            FP.FI25Check->setChecked(check);
            FP.FI25Method->setCurrentIndex(b->GetI25CheckDigitType() < 2 ? b->GetI25CheckDigitType() : 1);
            FP.FI25PrintCheck->setChecked(check && b->GetShowCheckDigit());
            FP.FI25Guard->setChecked(b->GetGuardBars());
            TZpBarcodeOptionPanels::SetRatio(FP.FI25Ratio, b->GetWideToNarrow());
            break;
        case gCodabar:
            FP.FCodabarStart->setCurrentIndex(b->GetCodabarStart() < 4 ? b->GetCodabarStart() : 0);
            FP.FCodabarStop->setCurrentIndex(b->GetCodabarStop() < 4 ? b->GetCodabarStop() : 0);
            TZpBarcodeOptionPanels::SetRatio(FP.FCodabarRatio, b->GetWideToNarrow());
            FP.FCodabarStartStop->setChecked(b->GetShowStartStop());
            break;
        case gMSI:
            FP.FMsiPrintFirst->setChecked(b->GetShowCheckDigit());
            FP.FMsiPrintSecond->setChecked(check && b->GetShowCheckDigit2());
            FP.FMsiCount->setCurrentIndex(check ? 1 : 0);
            FP.FMsiMod11->setChecked(b->GetFirstCheckMod11());
            break;
        case gMSIISBN:
            FP.FMsiIsbnPrint->setChecked(b->GetShowCheckDigit());
            break;
        case gCode11:
            FP.F11Count->setCurrentIndex(check ? 1 : 0);
            FP.F11PrintFirst->setChecked(b->GetShowCheckDigit());
            FP.F11PrintSecond->setChecked(b->GetShowCheckDigit2());
            break;
        case gITF14:
            FP.FItfPrintCheck->setChecked(b->GetShowCheckDigit());
            FP.FItfGuard->setChecked(b->GetGuardBars());
            break;
        case gNone:
            break;
        }
        FLoading = false;
        UpdateEnabled();
    }

    void Store() {
        auto* b = Supports<IZpBarcode>(FContext.Copy);
        if (!b || !Loaded() || FLoading)
            return;
        const uint8_t sym = uint8_t(FSymbology->currentIndex());
        if (sym == bcPostnet)
            FHeight->SetValue(0.5);
        const int dpi = LabelDPI();
        const bool text = FShowText->isChecked();
        b->SetShowHumanReadable(text);
        b->SetHRPosition(uint8_t(FPosition->currentIndex()));
        if (FDensity->IsValid())
            b->SetDensity(FDensity->IntValue());
        b->SetSpaceAdjust(FSpaceAdjust);
        b->SetBarAdjust(FBarAdjust);
        if (FHeight->IsValid())
            b->SetHeight(Round(FHeight->Value() * dpi));
        if (FSpacing->IsValid())
            b->SetHRSpacing(Round(FSpacing->Value() * dpi));
        b->SetPreamble(FPrefix->text());
        b->SetPostamble(FSuffix->text());
        b->SetGuardBars(false);
        switch (BarcodeGroupOf(sym)) {
        case gCode39: {
            const bool check = FP.F39Check->isChecked();
            b->SetCheckDigit(check);
            b->SetShowCheckDigit(text && check && FP.F39PrintCheck->isChecked());
            b->SetShowStartStop(text && FP.F39StartStop->isChecked());
            b->SetWideToNarrow(TZpBarcodeOptionPanels::RatioOf(FP.F39Ratio));
            break;
        }
        case gUCC128:
            b->SetCheckDigit(FP.FUccCheck->isChecked());
            b->SetUCCFormatting(FP.FUccFormat->isChecked());
            break;
        case gUPC:
            b->SetShowNumberSystem(FP.FUpcNumberSystem->isChecked());
            b->SetShowCheckDigit(FP.FUpcPrintCheck->isChecked());
            b->SetDescenders(FP.FUpcDescenders->isChecked());
            b->SetExtendSupplement(FP.FUpcExtend->isChecked());
            b->SetShowMfrProdSpace(FP.FUpcMfrProd->isChecked());
            break;
        case gEAN:
            b->SetDescenders(FP.FEanDescenders->isChecked());
            b->SetExtendSupplement(FP.FEanDescenders->isChecked() && FP.FEanExtend->isChecked());
            break;
        case gBookland:
            b->SetShowISBN(FP.FBookIsbn->isChecked());
            b->SetExtendSupplement(FP.FBookExtend->isChecked());
            b->SetAppendGreaterThan(FP.FBookGreater->isChecked());
            break;
        case gI25: {
            const bool check = FP.FI25Check->isChecked();
            b->SetCheckDigit(check);
            b->SetI25CheckDigitType(uint8_t(FP.FI25Method->currentIndex()));
            b->SetShowCheckDigit(text && check && FP.FI25PrintCheck->isChecked());
            b->SetGuardBars(FP.FI25Guard->isChecked());
            b->SetWideToNarrow(TZpBarcodeOptionPanels::RatioOf(FP.FI25Ratio));
            break;
        }
        case gCodabar:
            b->SetCodabarStart(uint8_t(FP.FCodabarStart->currentIndex()));
            b->SetCodabarStop(uint8_t(FP.FCodabarStop->currentIndex()));
            b->SetWideToNarrow(TZpBarcodeOptionPanels::RatioOf(FP.FCodabarRatio));
            b->SetShowStartStop(text && FP.FCodabarStartStop->isChecked());
            break;
        case gMSI: {
            const bool two = FP.FMsiCount->currentIndex() == 1;
            b->SetShowCheckDigit(FP.FMsiPrintFirst->isChecked());
            b->SetShowCheckDigit2(two && FP.FMsiPrintSecond->isChecked());
            b->SetCheckDigit(two);
            b->SetFirstCheckMod11(two && FP.FMsiMod11->isChecked());
            break;
        }
        case gMSIISBN:
            b->SetShowCheckDigit(FP.FMsiIsbnPrint->isChecked());
            break;
        case gCode11: {
            const bool two = FP.F11Count->currentIndex() == 1;
            b->SetCheckDigit(two);
            b->SetShowCheckDigit(text && FP.F11PrintFirst->isChecked());
            b->SetShowCheckDigit2(text && two && FP.F11PrintSecond->isChecked());
            break;
        }
        case gITF14:
            b->SetShowCheckDigit(text && FP.FItfPrintCheck->isChecked());
            b->SetGuardBars(FP.FItfGuard->isChecked());
            break;
        case gNone:
            break;
        }
        UpdateEnabled();
        Changed();
    }

    void UpdateEnabled() {
        const bool text = FShowText->isChecked();
        for (QWidget* w : std::initializer_list<QWidget*>{FPosition, FPositionLabel, FSpacing, FSpacingLabel})
            w->setEnabled(text);
        FP.UpdateEnabled(text, uint8_t(FSymbology->currentIndex()));
    }

    void SymbologyChosen(int index) {
        auto* b = Supports<IZpBarcode>(FContext.Copy);
        if (!b || !Loaded() || index < 0)
            return;
        ChangeBarcodeSymbology(*b, uint8_t(index));
        LoadPage();
        Store();
    }

    void Advanced() {
        const int lowest = 1 - (FDensity->IsValid() ? FDensity->IntValue() : 1);
        TZpBarcodeAdjustmentsDialog dialog(FBarAdjust, FSpaceAdjust, lowest, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        FBarAdjust = dialog.Bars();
        FSpaceAdjust = dialog.Spaces();
        Store();
    }

    QComboBox* FSymbology;
    QGroupBox* FCommon;
    TZpNumberField* FHeight;
    TZpNumberField* FDensity;
    QLineEdit* FFigures;
    QCheckBox* FShowText;
    QComboBox* FPosition;
    QLabel* FPositionLabel;
    TZpNumberField* FSpacing;
    QLabel* FSpacingLabel;
    QLineEdit* FPrefix;
    QLineEdit* FSuffix;
    QStackedWidget* FOptions;
    int FBarAdjust = 0;
    int FSpaceAdjust = 0;
    bool FLoading = false;

    TZpBarcodeOptionPanels FP;
};

} // namespace

TZpPropertyPage* MakeBarcodePage(TZpSheetContext& context) {
    return new TBarcodePage(context);
}

void StoreBarcodePageOnce(TZpPropertyPage* page) {
    if (auto* p = dynamic_cast<TBarcodePage*>(page))
        p->StoreOnce();
}

} // namespace zp

// SPDX-License-Identifier: MIT
// The "Bar Code" page: the symbology, the settings all symbologies share and
// one option panel per symbology group.
#include "barcode/Barcode.h"
#include "barcode/BarcodeSymbologyChange.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/PropertyPages.h"
#include "model/data/ZpData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cmath>

namespace zp {

namespace {

/// "Bar Code Adjustments": two sliders for the bar and space adjustments.
class TAdjustmentsDialog : public QDialog {
public:
    TAdjustmentsDialog(int bars, int spaces, int lowest, QWidget* parent) : QDialog(parent) {
        setWindowTitle(QStringLiteral("Bar Code Adjustments"));
        auto* column = new QVBoxLayout(this);
        auto* note = new QLabel(QStringLiteral(
            "Note!  Applying adjustments to bars and spaces may make your barcode unreadable!  "
            "Adjusted bar codes cannot be stretched.  Use with caution."));
        note->setWordWrap(true);
        column->addWidget(note);
        FBars = Slider(column, QStringLiteral("Thinner bars"), QStringLiteral("Thicker bars"), lowest, bars);
        FSpaces = Slider(column, QStringLiteral("Thinner spaces"), QStringLiteral("Thicker spaces"), lowest,
                         spaces);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        column->addWidget(buttons);
    }
    [[nodiscard]] int Bars() const { return FBars->value(); }
    [[nodiscard]] int Spaces() const { return FSpaces->value(); }

private:
    static QSlider* Slider(QVBoxLayout* column, const QString& less, const QString& more, int lowest,
                           int value) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(less));
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setRange(lowest, 10);
        slider->setValue(value);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setToolTip(QStringLiteral("1 mark = 1 twip"));
        slider->setAccessibleName(less + QStringLiteral(" / ") + more);
        row->addWidget(slider, 1);
        row->addWidget(new QLabel(more));
        column->addLayout(row);
        return slider;
    }
    QSlider* FBars;
    QSlider* FSpaces;
};

// Option panels, by symbology group.
enum TGroup {
    gCode39,
    gUCC128,
    gUPC,
    gEAN,
    gBookland,
    gI25,
    gCodabar,
    gMSI,
    gMSIISBN,
    gCode11,
    gITF14,
    gNone
};

TGroup GroupOf(uint8_t symbology) {
    switch (symbology) {
    case bcCode39:
    case bcCode39Ascii:
        return gCode39;
    case bcUCC128:
        return gUCC128;
    case bcUPCA:
    case bcUPCE0:
    case bcUPCE1:
        return gUPC;
    case bcEAN13:
    case bcEAN8:
        return gEAN;
    case bcBookland:
        return gBookland;
    case bcInt2of5:
        return gI25;
    case bcCodabar:
    case bcCodabarCLSI:
        return gCodabar;
    case bcMSI:
        return gMSI;
    case bcMSIISBN:
        return gMSIISBN;
    case bcCode11:
        return gCode11;
    case bcITF14:
        return gITF14;
    default:
        return gNone;
    }
}

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
        BuildOptionPanels();
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

    QWidget* Panel(TGroup group, QGridLayout*& grid) {
        auto* panel = new QWidget;
        grid = new QGridLayout(panel);
        FOptions->insertWidget(group, panel);
        return panel;
    }

    QComboBox* Ratio(QGridLayout& grid) {
        auto* list = new QComboBox;
        for (double r : {2.0, 2.5, 3.0})
            list->addItem(QString::number(r, 'f', 1), r);
        AddRow(grid, QStringLiteral("Wide to narrow ratio"), list);
        return list;
    }

    void BuildOptionPanels() {
        QGridLayout* g = nullptr;
        Panel(gCode39, g);
        F39Check = AddCheck(*g, QStringLiteral("&Check digit (MOD 43)"));
        F39PrintCheck = AddCheck(*g, QStringLiteral("&Print check digit in human-readable text"));
        F39StartStop =
            AddCheck(*g, QStringLiteral("Print &start/stop characters (*) in human-readable text"));
        F39Ratio = Ratio(*g);
        Panel(gUCC128, g);
        FUccCheck = AddCheck(*g, QStringLiteral("&Check digit (MOD 10)"));
        FUccFormat = AddCheck(*g, QStringLiteral("&Format human-readable in UCC format"));
        Panel(gUPC, g);
        FUpcNumberSystem = AddCheck(*g, QStringLiteral("&Print number system in human-readable text"));
        FUpcPrintCheck = AddCheck(*g, QStringLiteral("Print &check digit in human-readable text"));
        FUpcDescenders = AddCheck(*g, QStringLiteral("&Use descenders"));
        FUpcExtend = AddCheck(*g, QStringLiteral("&Extend supplement to match descenders"));
        FUpcMfrProd = AddCheck(*g, QStringLiteral("&Separate manufacturer and product code"));
        Panel(gEAN, g);
        FEanDescenders = AddCheck(*g, QStringLiteral("&Use descenders"));
        FEanExtend = AddCheck(*g, QStringLiteral("&Extend supplement to match descenders"));
        Panel(gBookland, g);
        FBookIsbn = AddCheck(*g, QStringLiteral("&Show ISBN number"));
        FBookExtend = AddCheck(*g, QStringLiteral("&Extend supplement to match descenders"));
        FBookGreater = AddCheck(*g, QStringLiteral("&Append \">\" to the end of the symbol"));
        Panel(gI25, g);
        FI25Check = AddCheck(*g, QStringLiteral("&Check digit "));
        FI25Method = MakeList(nullptr, {QStringLiteral("USS"), QStringLiteral("OPCC")});
        AddRow(*g, QStringLiteral("Check digit method"), FI25Method);
        FI25PrintCheck = AddCheck(*g, QStringLiteral("&Print check digit in human-readable text"));
        FI25Guard = AddCheck(*g, QStringLiteral("&Use guard bars"));
        FI25Ratio = Ratio(*g);
        Panel(gCodabar, g);
        const QStringList letters = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                     QStringLiteral("D")};
        FCodabarStart = MakeList(nullptr, letters);
        AddRow(*g, QStringLiteral("Start character"), FCodabarStart);
        FCodabarStop = MakeList(nullptr, letters);
        AddRow(*g, QStringLiteral("Stop character"), FCodabarStop);
        FCodabarRatio = Ratio(*g);
        FCodabarStartStop =
            AddCheck(*g, QStringLiteral("&Print start/stop characters in human-readable text"));
        Panel(gMSI, g);
        FMsiPrintFirst = AddCheck(*g, QStringLiteral("&Print first check digit in human-readable text"));
        FMsiPrintSecond = AddCheck(*g, QStringLiteral("Print &second check digit in human-readable text"));
        FMsiCount = MakeList(nullptr, {QStringLiteral("1"), QStringLiteral("2")});
        AddRow(*g, QStringLiteral("Number of check digits"), FMsiCount);
        FMsiMod11 = AddCheck(*g, QStringLiteral("&First check digit is mod 11 (mod 10 if unchecked)"));
        Panel(gMSIISBN, g);
        FMsiIsbnPrint = AddCheck(*g, QStringLiteral("&Print check digits in human-readable text"));
        Panel(gCode11, g);
        F11Count = MakeList(nullptr, {QStringLiteral("1"), QStringLiteral("2")});
        AddRow(*g, QStringLiteral("&Number of check digits"), F11Count);
        F11PrintFirst = AddCheck(*g, QStringLiteral("Print &first check digit in human-readable text"));
        F11PrintSecond = AddCheck(*g, QStringLiteral("Print se&cond check digit in human-readable text"));
        Panel(gITF14, g);
        FItfPrintCheck = AddCheck(*g, QStringLiteral("&Print check digit in human-readable text"));
        FItfGuard = AddCheck(*g, QStringLiteral("&Use guard bars"));
        Panel(gNone, g);
        g->addWidget(new QLabel(QStringLiteral("No Options")), 0, 0);
    }

    static void SetRatio(QComboBox* list, float ratio) {
        int best = 0;
        for (int i = 1; i < list->count(); ++i)
            if (std::fabs(list->itemData(i).toDouble() - ratio) <
                std::fabs(list->itemData(best).toDouble() - ratio))
                best = i;
        list->setCurrentIndex(best);
    }
    static float RatioOf(QComboBox* list) { return float(list->currentData().toDouble()); }

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
        const TGroup group = GroupOf(sym);
        FOptions->setCurrentIndex(group);
        switch (group) {
        case gCode39:
            F39Check->setChecked(check);
            F39PrintCheck->setChecked(text && check && b->GetShowCheckDigit());
            F39StartStop->setChecked(text && b->GetShowStartStop());
            SetRatio(F39Ratio, b->GetWideToNarrow());
            break;
        case gUCC128:
            FUccCheck->setChecked(check);
            FUccFormat->setChecked(b->GetUCCFormatting());
            break;
        case gUPC:
            FUpcNumberSystem->setChecked(b->GetShowNumberSystem());
            FUpcPrintCheck->setChecked(b->GetShowCheckDigit());
            FUpcDescenders->setChecked(b->GetDescenders());
            FUpcExtend->setChecked(b->GetExtendSupplement());
            FUpcMfrProd->setChecked(sym == bcUPCA && b->GetShowMfrProdSpace());
            break;
        case gEAN:
            FEanDescenders->setChecked(b->GetDescenders());
            FEanExtend->setChecked(b->GetExtendSupplement());
            break;
        case gBookland:
            FBookIsbn->setChecked(b->GetShowISBN());
            FBookExtend->setChecked(b->GetExtendSupplement());
            FBookGreater->setChecked(b->GetAppendGreaterThan());
            break;
        case gI25:
            FI25Check->setChecked(check);
            FI25Method->setCurrentIndex(b->GetI25CheckDigitType() < 2 ? b->GetI25CheckDigitType() : 1);
            FI25PrintCheck->setChecked(check && b->GetShowCheckDigit());
            FI25Guard->setChecked(b->GetGuardBars());
            SetRatio(FI25Ratio, b->GetWideToNarrow());
            break;
        case gCodabar:
            FCodabarStart->setCurrentIndex(b->GetCodabarStart() < 4 ? b->GetCodabarStart() : 0);
            FCodabarStop->setCurrentIndex(b->GetCodabarStop() < 4 ? b->GetCodabarStop() : 0);
            SetRatio(FCodabarRatio, b->GetWideToNarrow());
            FCodabarStartStop->setChecked(b->GetShowStartStop());
            break;
        case gMSI:
            FMsiPrintFirst->setChecked(b->GetShowCheckDigit());
            FMsiPrintSecond->setChecked(check && b->GetShowCheckDigit2());
            FMsiCount->setCurrentIndex(check ? 1 : 0);
            FMsiMod11->setChecked(b->GetFirstCheckMod11());
            break;
        case gMSIISBN:
            FMsiIsbnPrint->setChecked(b->GetShowCheckDigit());
            break;
        case gCode11:
            F11Count->setCurrentIndex(check ? 1 : 0);
            F11PrintFirst->setChecked(b->GetShowCheckDigit());
            F11PrintSecond->setChecked(b->GetShowCheckDigit2());
            break;
        case gITF14:
            FItfPrintCheck->setChecked(b->GetShowCheckDigit());
            FItfGuard->setChecked(b->GetGuardBars());
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
        switch (GroupOf(sym)) {
        case gCode39: {
            const bool check = F39Check->isChecked();
            b->SetCheckDigit(check);
            b->SetShowCheckDigit(text && check && F39PrintCheck->isChecked());
            b->SetShowStartStop(text && F39StartStop->isChecked());
            b->SetWideToNarrow(RatioOf(F39Ratio));
            break;
        }
        case gUCC128:
            b->SetCheckDigit(FUccCheck->isChecked());
            b->SetUCCFormatting(FUccFormat->isChecked());
            break;
        case gUPC:
            b->SetShowNumberSystem(FUpcNumberSystem->isChecked());
            b->SetShowCheckDigit(FUpcPrintCheck->isChecked());
            b->SetDescenders(FUpcDescenders->isChecked());
            b->SetExtendSupplement(FUpcExtend->isChecked());
            b->SetShowMfrProdSpace(FUpcMfrProd->isChecked());
            break;
        case gEAN:
            b->SetDescenders(FEanDescenders->isChecked());
            b->SetExtendSupplement(FEanDescenders->isChecked() && FEanExtend->isChecked());
            break;
        case gBookland:
            b->SetShowISBN(FBookIsbn->isChecked());
            b->SetExtendSupplement(FBookExtend->isChecked());
            b->SetAppendGreaterThan(FBookGreater->isChecked());
            break;
        case gI25: {
            const bool check = FI25Check->isChecked();
            b->SetCheckDigit(check);
            b->SetI25CheckDigitType(uint8_t(FI25Method->currentIndex()));
            b->SetShowCheckDigit(text && check && FI25PrintCheck->isChecked());
            b->SetGuardBars(FI25Guard->isChecked());
            b->SetWideToNarrow(RatioOf(FI25Ratio));
            break;
        }
        case gCodabar:
            b->SetCodabarStart(uint8_t(FCodabarStart->currentIndex()));
            b->SetCodabarStop(uint8_t(FCodabarStop->currentIndex()));
            b->SetWideToNarrow(RatioOf(FCodabarRatio));
            b->SetShowStartStop(text && FCodabarStartStop->isChecked());
            break;
        case gMSI: {
            const bool two = FMsiCount->currentIndex() == 1;
            b->SetShowCheckDigit(FMsiPrintFirst->isChecked());
            b->SetShowCheckDigit2(two && FMsiPrintSecond->isChecked());
            b->SetCheckDigit(two);
            b->SetFirstCheckMod11(two && FMsiMod11->isChecked());
            break;
        }
        case gMSIISBN:
            b->SetShowCheckDigit(FMsiIsbnPrint->isChecked());
            break;
        case gCode11: {
            const bool two = F11Count->currentIndex() == 1;
            b->SetCheckDigit(two);
            b->SetShowCheckDigit(text && F11PrintFirst->isChecked());
            b->SetShowCheckDigit2(text && two && F11PrintSecond->isChecked());
            break;
        }
        case gITF14:
            b->SetShowCheckDigit(text && FItfPrintCheck->isChecked());
            b->SetGuardBars(FItfGuard->isChecked());
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
        const uint8_t sym = uint8_t(FSymbology->currentIndex());
        F39PrintCheck->setEnabled(text && F39Check->isChecked());
        F39StartStop->setEnabled(text);
        FUccFormat->setEnabled(text);
        FUpcNumberSystem->setEnabled(text);
        FUpcPrintCheck->setEnabled(text);
        FUpcExtend->setEnabled(FUpcDescenders->isChecked());
        FUpcMfrProd->setVisible(sym == bcUPCA);
        FUpcMfrProd->setEnabled(!FUpcDescenders->isChecked());
        FEanExtend->setEnabled(FEanDescenders->isChecked());
        FI25Method->setEnabled(FI25Check->isChecked());
        FI25PrintCheck->setEnabled(text && FI25Check->isChecked());
        const bool msiTwo = FMsiCount->currentIndex() == 1;
        FMsiPrintSecond->setEnabled(msiTwo);
        FMsiMod11->setEnabled(msiTwo);
        FMsiIsbnPrint->setEnabled(text);
        F11PrintFirst->setEnabled(text);
        F11PrintSecond->setEnabled(F11Count->currentIndex() == 1);
        FItfPrintCheck->setEnabled(text);
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
        TAdjustmentsDialog dialog(FBarAdjust, FSpaceAdjust, lowest, this);
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

    QCheckBox *F39Check, *F39PrintCheck, *F39StartStop;
    QComboBox* F39Ratio;
    QCheckBox *FUccCheck, *FUccFormat;
    QCheckBox *FUpcNumberSystem, *FUpcPrintCheck, *FUpcDescenders, *FUpcExtend, *FUpcMfrProd;
    QCheckBox *FEanDescenders, *FEanExtend;
    QCheckBox *FBookIsbn, *FBookExtend, *FBookGreater;
    QCheckBox* FI25Check;
    QComboBox* FI25Method;
    QCheckBox *FI25PrintCheck, *FI25Guard;
    QComboBox* FI25Ratio;
    QComboBox *FCodabarStart, *FCodabarStop, *FCodabarRatio;
    QCheckBox* FCodabarStartStop;
    QCheckBox *FMsiPrintFirst, *FMsiPrintSecond;
    QComboBox* FMsiCount;
    QCheckBox* FMsiMod11;
    QCheckBox* FMsiIsbnPrint;
    QComboBox* F11Count;
    QCheckBox *F11PrintFirst, *F11PrintSecond;
    QCheckBox *FItfPrintCheck, *FItfGuard;
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

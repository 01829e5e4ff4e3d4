// SPDX-License-Identifier: MIT
#include "design/dialogs/BarcodeOptionPanels.h"

#include "barcode/BarcodeOptions.h"
#include "design/dialogs/FormHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cmath>

namespace zp {

namespace {

QGridLayout* Panel(QStackedWidget* stack, TZpBarcodeGroup group) {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    stack->insertWidget(group, panel);
    return grid;
}

QComboBox* Ratio(QGridLayout& grid) {
    auto* list = new QComboBox;
    for (double r : {2.0, 2.5, 3.0})
        list->addItem(QString::number(r, 'f', 1), r);
    AddRow(grid, QStringLiteral("Wide to narrow ratio"), list);
    return list;
}

// Whether a box or a count list may be on (checked, or undecided).
bool MayBeOn(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked;
}
bool MayBeOff(const QCheckBox* box) {
    return box->checkState() != Qt::Checked;
}
bool MayBeTwo(const QComboBox* count) {
    return count->currentIndex() != 0;
}

QSlider* Slider(QVBoxLayout* column, const QString& less, const QString& more, int lowest, int value) {
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

} // namespace

TZpBarcodeGroup BarcodeGroupOf(uint8_t symbology) {
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

void TZpBarcodeOptionPanels::Build(QStackedWidget* stack) {
    QGridLayout* g = Panel(stack, gCode39);
    F39Check = AddCheck(*g, QStringLiteral("&Check digit (MOD 43)"));
    F39PrintCheck = AddCheck(*g, QStringLiteral("&Print check digit in human-readable text"));
    F39StartStop = AddCheck(*g, QStringLiteral("Print &start/stop characters (*) in human-readable text"));
    F39Ratio = Ratio(*g);
    g = Panel(stack, gUCC128);
    FUccCheck = AddCheck(*g, QStringLiteral("&Check digit (MOD 10)"));
    FUccFormat = AddCheck(*g, QStringLiteral("&Format human-readable in UCC format"));
    g = Panel(stack, gUPC);
    FUpcNumberSystem = AddCheck(*g, QStringLiteral("&Print number system in human-readable text"));
    FUpcPrintCheck = AddCheck(*g, QStringLiteral("Print &check digit in human-readable text"));
    FUpcDescenders = AddCheck(*g, QStringLiteral("&Use descenders"));
    FUpcExtend = AddCheck(*g, QStringLiteral("&Extend supplement to match descenders"));
    FUpcMfrProd = AddCheck(*g, QStringLiteral("&Separate manufacturer and product code"));
    g = Panel(stack, gEAN);
    FEanDescenders = AddCheck(*g, QStringLiteral("&Use descenders"));
    FEanExtend = AddCheck(*g, QStringLiteral("&Extend supplement to match descenders"));
    g = Panel(stack, gBookland);
    FBookIsbn = AddCheck(*g, QStringLiteral("&Show ISBN number"));
    FBookExtend = AddCheck(*g, QStringLiteral("&Extend supplement to match descenders"));
    FBookGreater = AddCheck(*g, QStringLiteral("&Append \">\" to the end of the symbol"));
    g = Panel(stack, gI25);
    FI25Check = AddCheck(*g, QStringLiteral("&Check digit "));
    FI25Method = MakeList(nullptr, {QStringLiteral("USS"), QStringLiteral("OPCC")});
    AddRow(*g, QStringLiteral("Check digit method"), FI25Method);
    FI25PrintCheck = AddCheck(*g, QStringLiteral("&Print check digit in human-readable text"));
    FI25Guard = AddCheck(*g, QStringLiteral("&Use guard bars"));
    FI25Ratio = Ratio(*g);
    g = Panel(stack, gCodabar);
    const QStringList letters = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                 QStringLiteral("D")};
    FCodabarStart = MakeList(nullptr, letters);
    AddRow(*g, QStringLiteral("Start character"), FCodabarStart);
    FCodabarStop = MakeList(nullptr, letters);
    AddRow(*g, QStringLiteral("Stop character"), FCodabarStop);
    FCodabarRatio = Ratio(*g);
    FCodabarStartStop = AddCheck(*g, QStringLiteral("&Print start/stop characters in human-readable text"));
    g = Panel(stack, gMSI);
    FMsiPrintFirst = AddCheck(*g, QStringLiteral("&Print first check digit in human-readable text"));
    FMsiPrintSecond = AddCheck(*g, QStringLiteral("Print &second check digit in human-readable text"));
    FMsiCount = MakeList(nullptr, {QStringLiteral("1"), QStringLiteral("2")});
    AddRow(*g, QStringLiteral("Number of check digits"), FMsiCount);
    FMsiMod11 = AddCheck(*g, QStringLiteral("&First check digit is mod 11 (mod 10 if unchecked)"));
    g = Panel(stack, gMSIISBN);
    FMsiIsbnPrint = AddCheck(*g, QStringLiteral("&Print check digits in human-readable text"));
    g = Panel(stack, gCode11);
    F11Count = MakeList(nullptr, {QStringLiteral("1"), QStringLiteral("2")});
    AddRow(*g, QStringLiteral("&Number of check digits"), F11Count);
    F11PrintFirst = AddCheck(*g, QStringLiteral("Print &first check digit in human-readable text"));
    F11PrintSecond = AddCheck(*g, QStringLiteral("Print se&cond check digit in human-readable text"));
    g = Panel(stack, gITF14);
    FItfPrintCheck = AddCheck(*g, QStringLiteral("&Print check digit in human-readable text"));
    FItfGuard = AddCheck(*g, QStringLiteral("&Use guard bars"));
    g = Panel(stack, gNone);
    g->addWidget(new QLabel(QStringLiteral("No Options")), 0, 0);
}

void TZpBarcodeOptionPanels::UpdateEnabled(bool text, uint8_t symbology) {
    F39PrintCheck->setEnabled(text && MayBeOn(F39Check));
    F39StartStop->setEnabled(text);
    FUccFormat->setEnabled(text);
    FUpcNumberSystem->setEnabled(text);
    FUpcPrintCheck->setEnabled(text);
    FUpcExtend->setEnabled(MayBeOn(FUpcDescenders));
    FUpcMfrProd->setVisible(symbology == bcUPCA);
    FUpcMfrProd->setEnabled(MayBeOff(FUpcDescenders));
    FEanExtend->setEnabled(MayBeOn(FEanDescenders));
    FI25Method->setEnabled(MayBeOn(FI25Check));
    FI25PrintCheck->setEnabled(text && MayBeOn(FI25Check));
    FMsiPrintSecond->setEnabled(MayBeTwo(FMsiCount));
    FMsiMod11->setEnabled(MayBeTwo(FMsiCount));
    FMsiIsbnPrint->setEnabled(text);
    F11PrintFirst->setEnabled(text);
    F11PrintSecond->setEnabled(MayBeTwo(F11Count));
    FItfPrintCheck->setEnabled(text);
}

void TZpBarcodeOptionPanels::SetRatio(QComboBox* list, float ratio) {
    int best = 0;
    for (int i = 1; i < list->count(); ++i)
        if (std::fabs(list->itemData(i).toDouble() - ratio) <
            std::fabs(list->itemData(best).toDouble() - ratio))
            best = i;
    list->setCurrentIndex(best);
}

float TZpBarcodeOptionPanels::RatioOf(const QComboBox* list) {
    return float(list->currentData().toDouble());
}

TZpBarcodeAdjustmentsDialog::TZpBarcodeAdjustmentsDialog(int bars, int spaces, int lowest, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Bar Code Adjustments"));
    auto* column = new QVBoxLayout(this);
    auto* note = new QLabel(
        QStringLiteral("Note!  Applying adjustments to bars and spaces may make your barcode unreadable!  "
                       "Adjusted bar codes cannot be stretched.  Use with caution."));
    note->setWordWrap(true);
    column->addWidget(note);
    FBars = Slider(column, QStringLiteral("Thinner bars"), QStringLiteral("Thicker bars"), lowest, bars);
    FSpaces =
        Slider(column, QStringLiteral("Thinner spaces"), QStringLiteral("Thicker spaces"), lowest, spaces);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

int TZpBarcodeAdjustmentsDialog::Bars() const {
    return FBars->value();
}

int TZpBarcodeAdjustmentsDialog::Spaces() const {
    return FSpaces->value();
}

} // namespace zp

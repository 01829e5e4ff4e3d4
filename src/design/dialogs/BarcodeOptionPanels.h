// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QSlider;
class QStackedWidget;

namespace zp {

/// The option panels of the "Bar Code" page, one per symbology group, in
/// this order in their stack.
enum TZpBarcodeGroup {
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

[[nodiscard]] TZpBarcodeGroup BarcodeGroupOf(uint8_t symbology);

/// The controls of the option panels, shared by the dialog for one object
/// and the one for several, so both offer the same options.
struct TZpBarcodeOptionPanels {
    /// Makes one panel per group and inserts it into stack at its group's index.
    void Build(QStackedWidget* stack);
    /// Enables the controls that depend on others. A box or list that shows
    /// no decision (several objects that differ) counts as on, so nothing
    /// is locked away from an object that has it.
    void UpdateEnabled(bool textShown, uint8_t symbology);

    /// Selects the ratio item nearest to ratio.
    static void SetRatio(QComboBox* list, float ratio);
    [[nodiscard]] static float RatioOf(const QComboBox* list);

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

/// "Bar Code Adjustments": two sliders for the bar and space adjustments,
/// from lowest up to 10 label pixels.
class TZpBarcodeAdjustmentsDialog : public QDialog {
    Q_OBJECT
public:
    TZpBarcodeAdjustmentsDialog(int bars, int spaces, int lowest, QWidget* parent);
    [[nodiscard]] int Bars() const;
    [[nodiscard]] int Spaces() const;

private:
    QSlider* FBars;
    QSlider* FSpaces;
};

} // namespace zp

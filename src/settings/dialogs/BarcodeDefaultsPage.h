// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ObjectDefaults.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QStackedWidget;

namespace zp {

/// The "Bar code" page of the options dialog: the defaults of new bar code
/// objects, with the common controls and one option page per symbology
/// group. Every change is stored into the pending record at once, so the
/// page and the record never disagree; the dialog writes the record on OK.
class TZpBarcodeDefaultsPage : public QWidget {
    Q_OBJECT
public:
    explicit TZpBarcodeDefaultsPage(QWidget* parent = nullptr);

    /// Shows the record (density and lengths converted at LabelDPI).
    void Load(const TBarcodeDefaults& defaults);
    /// The record as the controls leave it.
    [[nodiscard]] const TBarcodeDefaults& Defaults() const { return FData; }

private:
    void Build();
    QWidget* AddOptionPage(const QList<QWidget*>& controls);
    void SymbologyChanged(int type);
    void DensityChanged();
    /// The controls from FData, then the enabled states.
    void LoadPage();
    /// FData from the controls, in the order the object dialog stores them.
    void StorePage();
    void UpdateEnabled();
    void Changed();
    void ShowDensityFigures();

    TBarcodeDefaults FData;
    bool FLoading = false;

    QComboBox* cmbSymbology;
    QWidget* pnlCommon;
    QDoubleSpinBox* spnHeight;
    QSpinBox* spnDensity;
    QLineEdit* edtDensityInfo;
    QCheckBox* chkShowHumanReadable;
    QComboBox* cmbHRPosition;
    QDoubleSpinBox* spnHRSpacing;
    QLineEdit* edtPreamble;
    QLineEdit* edtPostamble;
    QLineEdit* edtDefaultText;
    QStackedWidget* pgOptions;
    QWidget* pgNone;
    // Code 39 and Code 39 (Full Ascii)
    QWidget* pgCode39;
    QCheckBox* chkC39CheckDigit;
    QCheckBox* chkC39ShowCheckDigit;
    QCheckBox* chkC39ShowStartStop;
    QComboBox* cmbC39Ratio;
    // UCC Code 128
    QWidget* pgUCC128;
    QCheckBox* chkUccCheckDigit;
    QCheckBox* chkUccFormatting;
    // UPC-A, UPC-E
    QWidget* pgUPC;
    QCheckBox* chkUpcNumberSystem;
    QCheckBox* chkUpcShowCheckDigit;
    QCheckBox* chkUpcDescenders;
    QCheckBox* chkUpcExtend;
    QCheckBox* chkUpcMfrProd;
    // EAN 13, EAN 8
    QWidget* pgEAN;
    QCheckBox* chkEanDescenders;
    QCheckBox* chkEanExtend;
    // Bookland EAN
    QWidget* pgBookland;
    QCheckBox* chkBookShowISBN;
    QCheckBox* chkBookExtend;
    QCheckBox* chkBookAppend;
    // Interleaved 2 of 5
    QWidget* pgI25;
    QCheckBox* chkI25CheckDigit;
    QComboBox* cmbI25Method;
    QCheckBox* chkI25ShowCheckDigit;
    QCheckBox* chkI25GuardBars;
    QComboBox* cmbI25Ratio;
    // Codabar, Codabar CLSI
    QWidget* pgCodabar;
    QComboBox* cmbCodabarStart;
    QComboBox* cmbCodabarStop;
    QComboBox* cmbCodabarRatio;
    QCheckBox* chkCodabarStartStop;
    // MSI/Plessey
    QWidget* pgMSI;
    QCheckBox* chkMsiShowCheckDigit;
    QCheckBox* chkMsiShowCheckDigit2;
    QSpinBox* spnMsiCount;
    QCheckBox* chkMsiMod11;
    // MSI/Plessey ISBN
    QWidget* pgMSIISBN;
    QCheckBox* chkMsiIsbnShowCheckDigits;
    // Code 11
    QWidget* pgCode11;
    QSpinBox* spnC11Count;
    QCheckBox* chkC11ShowCheckDigit;
    QCheckBox* chkC11ShowCheckDigit2;
    // ITF14 (SCS)
    QWidget* pgITF14;
    QCheckBox* chkItfShowCheckDigit;
    QCheckBox* chkItfGuardBars;
};

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelProperties.h"
#include "settings/ObjectDefaults.h"

#include <QDialog>
#include <QPushButton>
#include <QStringList>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace zp {

class TZpAppOptions;
class TZpSettingsStore;
class TZpBarcodeDefaultsPage;

/// "Program Options" on the process-wide options and the user's settings:
/// true after OK, when every value has been written (new objects and the
/// next new label take them at once). The main window's Tools > Options.
bool EditProgramOptions(QWidget* parent);

/// A button that shows a colour and picks another in the colour dialog.
class TZpOptionsColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit TZpOptionsColorButton(QWidget* parent = nullptr);
    [[nodiscard]] TColor Color() const { return FColor; }
    void SetColor(TColor color);
Q_SIGNALS:
    void ColorChanged();

private:
    void Choose();
    TColor FColor = clBlack;
};

/// The dialog on an options object and a store. Controls carry object names
/// (rbPrinterResolution, spnUndoLevels, ...) so tests and accessibility
/// tools find them. OK writes everything; Cancel writes nothing.
class TfrmProgramOptions : public QDialog {
    Q_OBJECT
public:
    TfrmProgramOptions(TZpAppOptions& options, TZpSettingsStore& store, QStringList printers,
                       QWidget* parent = nullptr);

    void accept() override;
    /// What "..." beside the default format runs; "Select Label Format" by
    /// default (tests put a scripted choice here).
    void SetFormatChooser(std::function<bool(TLabelProperties&)> chooser) {
        FChooseFormat = std::move(chooser);
    }
    [[nodiscard]] QTabWidget* Pages() const { return FPages; }

private:
    QWidget* BuildOptionsPage();
    QWidget* BuildBarcodePage();
    QWidget* BuildTextPage();
    QWidget* BuildGraphicsPage();
    QWidget* BuildLegacyPage();
    void Load();
    void Store();
    void UpdateEnabled();
    void ChooseFormat();
    void RedrawStyleLists();
    void LineStyleChosen(int style);
    void LineWidthChanged(double points);

    TZpAppOptions& FOptions;
    TZpSettingsStore& FStore;
    QStringList FPrinters;
    TLabelProperties FFormat;
    bool FFormatChosen = false;
    std::function<bool(TLabelProperties&)> FChooseFormat;

    QTabWidget* FPages;
    // Options
    QRadioButton* rbPrinterResolution;
    QRadioButton* rbScreenResolution;
    QSpinBox* spnUndoLevels;
    QRadioButton* rbLastPrinter;
    QRadioButton* rbDefaultPrinter;
    QRadioButton* rbSelectedPrinter;
    QComboBox* cmbPrinters;
    QRadioButton* rbLastFormat;
    QRadioButton* rbSelectedFormat;
    QLineEdit* edtFormatName;
    QPushButton* btnSelectFormat;
    QCheckBox* chkSmoothRedraws;
    // Bar code
    TZpBarcodeDefaultsPage* FBarcodePage;
    QCheckBox* chkAllowBarcodeResizing;
    QCheckBox* chkCheckBarCodes;
    QCheckBox* chkReadBackBarCodes;
    // Text
    QComboBox* cmbFontName;
    QSpinBox* spnFontSize;
    QCheckBox* chkFontBold;
    QCheckBox* chkFontItalic;
    QCheckBox* chkFontUnderline;
    TZpOptionsColorButton* btnFontColor;
    QCheckBox* chkStripLeading;
    QCheckBox* chkCustomLeading;
    QDoubleSpinBox* spnLeadingSize;
    QLineEdit* edtDefaultText;
    // Graphics
    TZpOptionsColorButton* btnFillColor;
    QComboBox* cmbFillStyle;
    QComboBox* cmbFillTransparent;
    TZpOptionsColorButton* btnLineColor;
    QComboBox* cmbLineStyle;
    QDoubleSpinBox* spnLineWidth;
    // Zentaprint 2.x
    QCheckBox* chkImport2xTextClear;
    QCheckBox* chkImportITF14;
    QCheckBox* chkOldStyleEditing;
};

} // namespace zp

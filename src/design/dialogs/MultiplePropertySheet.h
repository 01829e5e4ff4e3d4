// SPDX-License-Identifier: MIT
#pragma once

#include "design/dialogs/BarcodeOptionPanels.h"
#include "design/dialogs/PropertySheet.h"
#include "model/layout/LabelRoutines.h"

#include <QSet>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;
class QLineEdit;
class QStackedWidget;

namespace zp {

class TZpPropertyColorButton;
class TZpNumberField;

/// "Object Properties" for several objects: only what every one of them
/// has, a value only where all agree (a grey box or an empty field where
/// they differ), and nothing reaches the objects before OK, which writes the
/// controls the user changed to every object.
///
/// The bar code options are compared and written the same way, one control
/// at a time. Choosing a symbology shows what that choice does to each bar
/// code (its options, text, density and face, as in the dialog for one
/// object); on OK the choice is made first and every control the user
/// changed is written over it.
class TfrmPropertyMultipleObject : public TfrmBasePropertySheet {
    Q_OBJECT
public:
    explicit TfrmPropertyMultipleObject(QWidget* parent = nullptr);
    void LoadFromObjects(const TZpObjectList& objects);
    void accept() override;
    /// Writes every changed control to every object, in list order.
    void ApplyToObjects();
    /// The page with this title, or null when it is not shown.
    [[nodiscard]] QWidget* Page(const QString& title) const;
    [[nodiscard]] bool IsChanged(const QWidget* control) const { return FChanged.contains(control); }

private:
    void Mark(QWidget* control);
    void MarkOn(QComboBox* list);
    void MarkOn(QCheckBox* box);
    [[nodiscard]] bool Fresh(const QWidget* control) const { return !FChanged.contains(control); }

    // The bar code page (MultipleBarcodeProperties.cpp).
    void BuildBarcodePage();
    /// Shows what objects agree on in every bar code control the user has
    /// not changed.
    void LoadBarcode(const TZpObjectList& objects);
    /// The option panel of the chosen symbology, the controls that depend
    /// on others, and the font size and face that follow the bar codes.
    void BarcodeControlEvent();
    void SymbologyChosen(int index);
    void DensityChanged();
    void Advanced();
    /// The choice of symbology, made before anything else is written.
    void ApplySymbology(IZpBarcode& barcode) const;
    void ApplyBarcode(IZpBarcode& barcode) const;
    void ApplyBarcodeOptions(IZpBarcode& barcode) const;

    TZpObjectList FObjects;
    bool FLoading = false;
    QSet<const QWidget*> FChanged;
    // Each group is present when every object has its interface.
    bool FHasFill = false, FHasLine = false, FHasFont = false, FHasGraphic = false, FHasRotation = false,
         FHasEllipse = false, FHasRVData = false, FHasBarcode = false, FShowSizing = false;
    /// What the bar code controls show: the objects, or after a choice of
    /// symbology copies of them with that choice made.
    TZpObjectList FBarcodeView;
    int32_t FBarAdjust = 0;
    int32_t FSpaceAdjust = 0;

    QWidget* FGeneralPage;
    QWidget* FFontPage;
    QWidget* FPicturePage;
    QWidget* FBarcodePage;
    QCheckBox* cbPrintObject;
    QComboBox* cmbSizing;
    QComboBox* cmbRotation;
    TZpNumberField* spnEllipse;
    QGroupBox* FFillBox;
    TZpPropertyColorButton* edtFillColor;
    QComboBox* cmbFillStyle;
    QComboBox* cmbTransparency;
    QGroupBox* FLineBox;
    TZpPropertyColorButton* edtLineColor;
    QComboBox* cmbLineStyle;
    TZpNumberField* spnLineWidth;
    QFontComboBox* cmbFontName;
    TZpNumberField* spnFontSize;
    TZpPropertyColorButton* edtFontColor;
    QCheckBox* cbBold;
    QCheckBox* cbItalic;
    QCheckBox* cbUnderline;
    QLabel* FFontSizeLabel;
    QGroupBox* FLeadingBox;
    QCheckBox* cbSkipFirstLeading;
    QCheckBox* cbCustomLeading;
    TZpNumberField* spnLeading;
    QLabel* FLeadingLabel;
    QComboBox* cmbSymbology;
    QGroupBox* FBarcodeCommon;
    TZpNumberField* spnBarHeight;
    TZpNumberField* spnDensity;
    QLineEdit* edtDensityFigures;
    QCheckBox* cbShowText;
    QComboBox* cmbPosition;
    QLabel* FPositionLabel;
    TZpNumberField* spnSpacing;
    QLabel* FSpacingLabel;
    QLineEdit* edtPrefix;
    QLineEdit* edtSuffix;
    QPushButton* btnAdvanced;
    QStackedWidget* FOptionStack;
    TZpBarcodeOptionPanels FOptions;
    QCheckBox* cbStretch;
    QCheckBox* cbAlternatePrint;
    QLabel* FSizingLabel;
    QLabel* FRotationLabel;
    QLabel* FEllipseLabel;
};

/// Runs the dialog on objects; true when it ended with OK (the changes are
/// then written).
bool RunMultiplePropertySheet(const TZpObjectList& objects, QWidget* parent = nullptr);

} // namespace zp

// SPDX-License-Identifier: MIT
#pragma once

#include "design/dialogs/PropertySheet.h"
#include "model/layout/LabelRoutines.h"

#include <QSet>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;

namespace zp {

class TZpPropertyColorButton;
class TZpNumberField;

/// "Object Properties" for several objects: only what every one of them
/// has, a value only where all agree (a grey box or an empty field where
/// they differ), and nothing reaches the objects before OK, which writes the
/// controls the user changed to every object.
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

    TZpObjectList FObjects;
    bool FLoading = false;
    QSet<const QWidget*> FChanged;
    // Each group is present when every object has its interface.
    bool FHasFill = false, FHasLine = false, FHasFont = false, FHasGraphic = false, FHasRotation = false,
         FHasEllipse = false, FShowSizing = false;

    QWidget* FGeneralPage;
    QWidget* FFontPage;
    QWidget* FPicturePage;
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

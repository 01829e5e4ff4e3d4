// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelProperties.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace zp {

/// "Label Properties": edits the label's layout with a preview of the page,
/// and can add it to the custom list.
class TfrmDialogLabelInfo : public QDialog {
    Q_OBJECT
public:
    TfrmDialogLabelInfo(TLabelProperties& data, QWidget* parent = nullptr);
    /// Every field from the data object, the page from the printer.
    void Initialize();
    void accept() override;
    /// "&Save" to the custom list (asks first).
    void SaveToCustom();

    QDoubleSpinBox *spnTopMargin, *spnSideMargin, *spnHeight, *spnWidth, *spnVerticalPitch,
        *spnHorizontalPitch, *spnCurveHeight, *spnPageWidth, *spnPageHeight;
    QSpinBox *spnNumberAcross, *spnNumberDown;
    QComboBox* cmbLabelShape;
    QLineEdit* edtLabelName;

private:
    void Changed();
    /// The layout as the fields say.
    [[nodiscard]] TLabelProperties FieldsLayout() const;
    void ChooseFormat();

    TLabelProperties& FData;
    QWidget* FPreview;
};

} // namespace zp

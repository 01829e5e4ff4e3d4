// SPDX-License-Identifier: MIT
#pragma once

#include "model/stock/LabelFormats.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace zp {

/// "Select Label Format": picks a stock of the installed catalogue into its
/// data object. Initialize() answers false (after saying why) when the
/// dialog must not open.
class TfrmDialogLabelFormats : public QDialog {
    Q_OBJECT
public:
    TfrmDialogLabelFormats(TLabelProperties& data, QWidget* parent = nullptr);
    [[nodiscard]] bool Initialize();
    /// Initialises and runs the dialog; true after OK.
    static bool Run(TLabelProperties& data, QWidget* parent = nullptr);

    void accept() override;
    /// "&Delete" without the button (tests).
    void DeleteSelected();
    /// The hidden stock list conversion (Shift+Ctrl and a right click).
    void ConvertStockListFile();
    [[nodiscard]] const TZpLabelCatalogue& Catalogue() const { return FCatalogue; }
    [[nodiscard]] QComboBox* Manufacturers() const { return cmbManufacturer; }
    [[nodiscard]] QComboBox* Categories() const { return cmbCategory; }
    [[nodiscard]] QComboBox* Formats() const { return cmbLabelFormat; }
    [[nodiscard]] QPushButton* DeleteButton() const { return btnDelete; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FillManufacturers();
    void ManufacturerChanged(int index);
    void CategoryChanged(int index);
    void FormatChanged(int index);
    [[nodiscard]] const TZpLabelFormat* Selected() const;

    TLabelProperties& FData;
    TZpLabelCatalogue FCatalogue;
    QComboBox* cmbManufacturer;
    QComboBox* cmbCategory;
    QComboBox* cmbLabelFormat;
    QLabel* lblType;
    QLabel* lblWidth;
    QLabel* lblHeight;
    QLabel* lblPageSize;
    QPushButton* btnDelete;
};

} // namespace zp

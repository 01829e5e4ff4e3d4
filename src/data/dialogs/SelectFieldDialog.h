// SPDX-License-Identifier: MIT
#pragma once

#include "data/FieldDef.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace zp {

class TZpDataConnections;

/// "Select Field": one database field entry of a data source: the dataset
/// and field of the label's connections, the stripping and the text around
/// the value. OK needs a field.
class TfrmSelectField : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSelectField(TZpDataConnections* connections, QWidget* parent = nullptr);
    /// Shows the entry's values; its dataset and field are selected when listed.
    void SetField(const TZpFieldDef& entry);
    /// Writes the dialog's values into the entry.
    void GetField(TZpFieldDef& entry) const;
    void accept() override;

private:
    void DatasetChosen();
    void UpdateEnabled();

    TZpDataConnections* FConnections;
    QComboBox* FDataset;
    QComboBox* FField;
    QComboBox* FStripping;
    QSpinBox* FStripLeading;
    QSpinBox* FStripTrailing;
    QLineEdit* FPrefix;
    QLineEdit* FSuffix;
    QCheckBox* FLineBreak;
};

/// Runs "Select Field" on entry; true (and entry changed) on OK.
[[nodiscard]] bool SelectField(TZpDataConnections* connections, TZpFieldDef& entry, QWidget* parent);

} // namespace zp

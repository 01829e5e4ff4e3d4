// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs/DialogServices.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace zp {

/// "Input Required": the prompt's caption, the value to use and for how many
/// labels (the next n, or all labels of the run).
class TfrmPrompt : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPrompt(QWidget* parent = nullptr);

    /// Shows data's caption (the default caption when it is empty) and value,
    /// with all of the value selected.
    void SetData(const TPromptData& data);
    /// The value entered and the count chosen, -1 for all labels.
    void GetData(TPromptData& data) const;

    // The controls, for tests.
    QLabel* lblCaption;
    QPlainTextEdit* memValue;
    QRadioButton* rbAllLabels;
    QRadioButton* rbNextLabels;
    QSpinBox* spnCount;
};

} // namespace zp

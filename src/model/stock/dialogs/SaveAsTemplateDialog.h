// SPDX-License-Identifier: MIT
#pragma once

#include "model/document/LabelDocument.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace zp {

/// "Save as Template": writes the label into the user's "Templates" folder
/// under a name, with its description.
class TfrmDialogSaveAsTemplate : public QDialog {
    Q_OBJECT
public:
    TfrmDialogSaveAsTemplate(TZpLabelDocument& document, QWidget* parent = nullptr);
    void accept() override;

    QLineEdit* edtTemplateName;
    QPlainTextEdit* memDescription;

private:
    TZpLabelDocument& FDocument;
};

} // namespace zp

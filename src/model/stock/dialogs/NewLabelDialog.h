// SPDX-License-Identifier: MIT
#pragma once

#include "model/document/LabelDocument.h"

#include <QDialog>
#include <memory>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

namespace zp {

/// "New Label": a blank label (the layout stays) or one started from a
/// template, which then is new and untitled.
class TfrmDialogNewLabel : public QDialog {
    Q_OBJECT
public:
    TfrmDialogNewLabel(TZpLabelDocument& document, QWidget* parent = nullptr);
    ~TfrmDialogNewLabel() override;
    void accept() override;

    QRadioButton* rbBlank;
    QRadioButton* rbTemplate;
    QListWidget* lstTemplates;
    QPlainTextEdit* memDescription;
    QLabel* imgPreview;

private:
    void ShowTemplate();

    TZpLabelDocument& FDocument;
    std::unique_ptr<TZpLabelDocument> FTemplate;
};

} // namespace zp

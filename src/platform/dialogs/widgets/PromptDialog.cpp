// SPDX-License-Identifier: MIT
#include "platform/dialogs/widgets/PromptDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zp {

namespace {
const QString kDefaultCaption = QStringLiteral("&Enter your data here.");
constexpr int kMaxCount = 999999;
} // namespace

TfrmPrompt::TfrmPrompt(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Input Required"));
    auto* layout = new QVBoxLayout(this);
    lblCaption = new QLabel(kDefaultCaption, this);
    lblCaption->setWordWrap(true);
    layout->addWidget(lblCaption);
    memValue = new QPlainTextEdit(this);
    lblCaption->setBuddy(memValue);
    layout->addWidget(memValue);

    rbAllLabels = new QRadioButton(QStringLiteral("Use this value for &all labels"), this);
    layout->addWidget(rbAllLabels);
    auto* next = new QHBoxLayout;
    rbNextLabels = new QRadioButton(QStringLiteral("&Use this value for the next "), this);
    spnCount = new QSpinBox(this);
    spnCount->setRange(1, kMaxCount);
    spnCount->setValue(1);
    next->addWidget(rbNextLabels);
    next->addWidget(spnCount);
    next->addWidget(new QLabel(QStringLiteral("labels"), this));
    next->addStretch();
    layout->addLayout(next);
    rbNextLabels->setChecked(true);
    connect(rbNextLabels, &QRadioButton::toggled, spnCount, &QSpinBox::setEnabled);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmPrompt::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmPrompt::reject);
    layout->addWidget(buttons);
    memValue->setFocus();
}

void TfrmPrompt::SetData(const TPromptData& data) {
    lblCaption->setText(data.Caption.isEmpty() ? kDefaultCaption : data.Caption);
    memValue->setPlainText(data.Value);
    memValue->selectAll();
    if (data.Count < 0) {
        rbAllLabels->setChecked(true);
    } else {
        rbNextLabels->setChecked(true);
        spnCount->setValue(data.Count);
    }
}

void TfrmPrompt::GetData(TPromptData& data) const {
    data.Value = memValue->toPlainText();
    data.Count = rbAllLabels->isChecked() ? -1 : spnCount->value();
}

} // namespace zp

// SPDX-License-Identifier: MIT
#include "data/dialogs/SelectFieldDialog.h"

#include "data/DataConnections.h"
#include "platform/dialogs/DialogServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zp {

namespace {
const QStringList kStripMethods = {
    QStringLiteral("No stripping"),          QStringLiteral("Strip leading spaces"),
    QStringLiteral("Strip trailing spaces"), QStringLiteral("Strip leading and trailing spaces"),
    QStringLiteral("Strip characters"),      QStringLiteral("Strip leading zeros")};

template <class W> W* Row(QFormLayout* form, const QString& caption, W* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    form->addRow(label, field);
    return field;
}
} // namespace

TfrmSelectField::TfrmSelectField(TZpDataConnections* connections, QWidget* parent)
    : QDialog(parent), FConnections(connections) {
    setWindowTitle(QStringLiteral("Select Field"));
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    column->addLayout(form);
    FDataset = Row(form, QStringLiteral("&Dataset"), new QComboBox);
    FField = Row(form, QStringLiteral("&Field"), new QComboBox);
    FStripping = Row(form, QStringLiteral("Field &stripping"), new QComboBox);
    FStripping->addItems(kStripMethods);
    FStripLeading = Row(form, QStringLiteral("Strip l&eading"), new QSpinBox);
    FStripTrailing = Row(form, QStringLiteral("Strip traili&ng"), new QSpinBox);
    for (QSpinBox* s : {FStripLeading, FStripTrailing})
        s->setRange(0, 999999);
    FPrefix = Row(form, QStringLiteral("&Prefix"), new QLineEdit);
    FSuffix = Row(form, QStringLiteral("S&uffix"), new QLineEdit);
    FLineBreak = new QCheckBox(QStringLiteral("&Add carriage return"));
    FLineBreak->setAccessibleName(QStringLiteral("Add carriage return"));
    column->addWidget(FLineBreak);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmSelectField::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    if (FConnections)
        for (int i = 0; i < FConnections->DatasetCount(); ++i)
            FDataset->addItem(FConnections->DatasetName(i));
    FDataset->setCurrentIndex(-1);
    connect(FDataset, &QComboBox::activated, this, &TfrmSelectField::DatasetChosen);
    connect(FStripping, &QComboBox::currentIndexChanged, this, &TfrmSelectField::UpdateEnabled);
    UpdateEnabled();
}

void TfrmSelectField::DatasetChosen() {
    FField->clear();
    if (FConnections && FDataset->currentIndex() >= 0)
        FField->addItems(FConnections->FieldNames(FDataset->currentText()));
    FField->setCurrentIndex(-1);
}

void TfrmSelectField::UpdateEnabled() {
    const bool characters = FStripping->currentIndex() == smCharacters;
    FStripLeading->setEnabled(characters);
    FStripTrailing->setEnabled(characters);
}

void TfrmSelectField::SetField(const TZpFieldDef& entry) {
    FDataset->setCurrentIndex(FDataset->findText(entry.Dataset));
    DatasetChosen();
    FField->setCurrentIndex(FField->findText(entry.Field));
    FStripping->setCurrentIndex(entry.StripMethod < kStripMethods.size() ? entry.StripMethod : 0);
    FStripLeading->setValue(entry.StripLeading);
    FStripTrailing->setValue(entry.StripTrailing);
    FPrefix->setText(entry.Prefix);
    FSuffix->setText(entry.Suffix);
    FLineBreak->setChecked(entry.AddLineBreak);
    UpdateEnabled();
}

void TfrmSelectField::GetField(TZpFieldDef& entry) const {
    entry.Dataset = FDataset->currentText();
    if (FConnections) {
        const int index = FConnections->IndexOfDataset(entry.Dataset);
        if (index >= 0)
            entry.Connection = FConnections->DatasetConnectionName(index);
    }
    entry.Field = FField->currentText();
    entry.StripMethod = uint8_t(std::max(0, FStripping->currentIndex()));
    entry.StripLeading = FStripLeading->value();
    entry.StripTrailing = FStripTrailing->value();
    entry.Prefix = FPrefix->text();
    entry.Suffix = FSuffix->text();
    entry.AddLineBreak = FLineBreak->isChecked();
}

void TfrmSelectField::accept() {
    if (FField->currentIndex() < 0 || FField->currentText().isEmpty()) {
        ShowMessage(TZpMsgKind::Information, QStringLiteral("You must select a field!"));
        return;
    }
    QDialog::accept();
}

bool SelectField(TZpDataConnections* connections, TZpFieldDef& entry, QWidget* parent) {
    TfrmSelectField dialog(connections, parent);
    dialog.SetField(entry);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.GetField(entry);
    return true;
}

} // namespace zp

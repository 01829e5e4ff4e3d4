// SPDX-License-Identifier: MIT
// "Find Database Record": a search over one dataset of the label that moves
// every dataset to the first matching record.
#include "data/DataConnections.h"
#include "data/WaitCursor.h"
#include "data/dialogs/DataDialogs.h"
#include "model/document/LabelDocument.h"
#include "platform/dialogs/DialogServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zp {

bool FindRecord(QWidget* parent, TZpLabelDocument& document) {
    TZpDataConnections& connections = document.Connections();
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Find Database Record"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* group = new QGroupBox(QStringLiteral("Find"), &dialog);
    auto* form = new QFormLayout(group);
    auto* dataset = new QComboBox(group);
    for (int i = 0; i < connections.DatasetCount(); ++i) {
        dataset->addItem(connections.DatasetName(i));
    }
    auto* field = new QComboBox(group);
    auto* value = new QLineEdit(group);
    auto* caseSensitive = new QCheckBox(QStringLiteral("&Case sensitive"), group);
    auto* partial = new QCheckBox(QStringLiteral("&Accept partial match"), group);
    partial->setChecked(true);
    dataset->setAccessibleName(QStringLiteral("Dataset"));
    field->setAccessibleName(QStringLiteral("Search field"));
    value->setAccessibleName(QStringLiteral("Search value"));
    form->addRow(QStringLiteral("&Dataset"), dataset);
    form->addRow(QStringLiteral("&Search field"), field);
    form->addRow(QStringLiteral("Search &value"), value);
    form->addRow(caseSensitive);
    form->addRow(partial);
    layout->addWidget(group);
    auto fill = [&] {
        field->clear();
        field->addItems(connections.FieldNames(dataset->currentText()));
        field->setCurrentIndex(field->count() > 0 ? 0 : -1);
    };
    dataset->setCurrentIndex(dataset->count() > 0 ? 0 : -1);
    fill();
    QObject::connect(dataset, &QComboBox::currentIndexChanged, &dialog, fill);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        bool found = false;
        {
            TZpWaitCursor wait;
            found = connections.Find(dataset->currentText(), field->currentText(), partial->isChecked(),
                                     caseSensitive->isChecked(), value->text());
        }
        if (found) {
            dialog.accept();
        } else {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("No matching records found."));
        }
    });
    value->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    document.RefreshDataValues();
    return true;
}

} // namespace zp

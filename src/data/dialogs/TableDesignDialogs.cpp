// SPDX-License-Identifier: MIT
#include "data/dialogs/TableDesignDialogs.h"

#include "data/dialogs/WizardBase.h"
#include "platform/dialogs/DialogServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zp {

bool EditDatabaseField(QWidget* parent, TZpDatabaseField& field) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Database Field"));
    auto* form = new QFormLayout(&dialog);
    auto* name = new QLineEdit(field.Name, &dialog);
    // Brackets too: a bracketed column name cannot hold them.
    RefuseCharacters(name, QStringLiteral(" !#&*-./:[]"));
    auto* type = new QComboBox(&dialog);
    type->addItems(DatabaseFieldTypeNames());
    type->setCurrentIndex(field.DataType);
    auto* size = new QSpinBox(&dialog);
    name->setAccessibleName(QStringLiteral("Field name"));
    type->setAccessibleName(QStringLiteral("Data type"));
    size->setAccessibleName(QStringLiteral("Size"));
    form->addRow(QStringLiteral("&Field name"), name);
    form->addRow(QStringLiteral("&Data type"), type);
    form->addRow(QStringLiteral("&Size"), size);
    auto limits = [size, type] {
        const int t = type->currentIndex();
        size->setEnabled(t == dtText || t == dtFloat);
        if (t == dtText) {
            size->setRange(1, 255);
        } else if (t == dtFloat) {
            size->setRange(6, 20);
        }
    };
    size->setRange(0, 255);
    size->setValue(field.Size);
    limits();
    QObject::connect(type, &QComboBox::currentIndexChanged, &dialog, limits);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (name->text().isEmpty()) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("You must enter a field name!"));
        } else if (type->currentIndex() < 0) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("You must select a field type!"));
        } else {
            dialog.accept();
        }
    });
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    field.Name = name->text();
    field.DataType = static_cast<uint8_t>(type->currentIndex());
    field.Size = size->value();
    return true;
}

bool DesignTable(QWidget* parent, QString& tableName, QList<TZpDatabaseField>& fields, bool modify) {
    QDialog dialog(parent);
    dialog.setWindowTitle(modify ? QStringLiteral("Modify Table") : QStringLiteral("Design Table"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(QStringLiteral("&Table name"), &dialog);
    auto* name = new QLineEdit(tableName, &dialog);
    name->setAccessibleName(QStringLiteral("Table name"));
    RefuseCharacters(name, QStringLiteral(" []"));
    name->setReadOnly(modify);
    nameLabel->setBuddy(name);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(name);
    layout->addLayout(nameRow);
    auto* listLabel = new QLabel(QStringLiteral("&Fields"), &dialog);
    auto* list = new QTreeWidget(&dialog);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Data Type"), QStringLiteral("Size")});
    list->setAccessibleName(QStringLiteral("Fields"));
    listLabel->setBuddy(list);
    layout->addWidget(listLabel);
    layout->addWidget(list);
    QList<TZpDatabaseField> items = fields;
    auto show = [&] {
        list->clear();
        for (const TZpDatabaseField& f : items) {
            const bool sized = f.DataType == dtText || f.DataType == dtFloat;
            new QTreeWidgetItem(list, {f.Name, DatabaseFieldTypeNames().value(f.DataType),
                                       sized ? QString::number(f.Size) : QString()});
        }
    };
    show();
    auto* row = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("&Add"), &dialog);
    auto* edit = new QPushButton(QStringLiteral("&Edit"), &dialog);
    auto* remove = new QPushButton(QStringLiteral("&Delete"), &dialog);
    row->addWidget(add);
    row->addWidget(edit);
    row->addWidget(remove);
    row->addStretch();
    layout->addLayout(row);
    auto selection = [&] {
        return list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
    };
    auto enable = [&] {
        edit->setEnabled(selection() >= 0);
        remove->setEnabled(selection() >= 0);
    };
    enable();
    QObject::connect(list, &QTreeWidget::currentItemChanged, &dialog, enable);
    QObject::connect(add, &QPushButton::clicked, &dialog, [&] {
        TZpDatabaseField f{QString(), dtText, 50};
        if (EditDatabaseField(&dialog, f)) {
            items << f;
            show();
            enable();
        }
    });
    auto editCurrent = [&] {
        const int i = selection();
        if (i >= 0 && EditDatabaseField(&dialog, items[i])) {
            show();
            list->setCurrentItem(list->topLevelItem(i));
        }
    };
    QObject::connect(edit, &QPushButton::clicked, &dialog, editCurrent);
    if (!modify) {
        QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, editCurrent);
    }
    QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
        const int i = selection();
        if (i >= 0) {
            items.removeAt(i);
            show();
            enable();
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (name->text().isEmpty()) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("You must enter a table name!"));
        } else if (items.isEmpty()) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("You must add at least one field!"));
        } else if (!modify ||
                   Confirm(QStringLiteral("Modifying this table may cause data to be lost.  Are you sure?"),
                           false)) {
            dialog.accept();
        }
    });
    dialog.resize(440, 360);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    tableName = name->text();
    fields = items;
    return true;
}

bool AskTableFind(QWidget* parent, const QStringList& fields, TZpTableFind& find) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Find"));
    auto* form = new QFormLayout(&dialog);
    auto* field = new QComboBox(&dialog);
    field->addItems(fields);
    const int at = static_cast<int>(fields.indexOf(find.Field));
    field->setCurrentIndex(at < 0 ? 0 : at);
    auto* value = new QLineEdit(find.Value, &dialog);
    auto* caseSensitive = new QCheckBox(QStringLiteral("&Case sensitive"), &dialog);
    auto* exact = new QCheckBox(QStringLiteral("&Exact match"), &dialog);
    caseSensitive->setChecked(find.CaseSensitive);
    exact->setChecked(find.Exact);
    field->setAccessibleName(QStringLiteral("Search field"));
    value->setAccessibleName(QStringLiteral("Search value"));
    form->addRow(QStringLiteral("&Search field:"), field);
    form->addRow(QStringLiteral("Search &value:"), value);
    form->addRow(caseSensitive);
    form->addRow(exact);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    value->setFocus();
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    find = {field->currentText(), value->text(), caseSensitive->isChecked(), exact->isChecked()};
    return true;
}

} // namespace zp

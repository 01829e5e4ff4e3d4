// SPDX-License-Identifier: MIT
// The "Data Wizard": a dataset made from a table (with filters and sort
// order) or a free SELECT, its records shown before it is added.
#include "base/Errors.h"
#include "data/DataConnections.h"
#include "data/DatasetSql.h"
#include "data/WaitCursor.h"
#include "data/dialogs/DataDialogs.h"
#include "data/dialogs/WizardBase.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/Query.h"
#include "platform/dialogs/DialogServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zp {

namespace {

enum TPage { pgMethod, pgSql, pgTable, pgFields, pgFilters, pgSort, pgPreview, pgDone };
enum TMode { mdTable, mdSql, mdFilter };
constexpr int kPreviewRows = 1000;
constexpr int kNumericRole = Qt::UserRole + 1;

// "Add Filter": a column, a criterion and a value.
bool EditFilter(QWidget* parent, const QStringList& columns, TZpFilterRow& row) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Add Filter"));
    auto* form = new QFormLayout(&dialog);
    auto* column = new QComboBox(&dialog);
    column->addItems(columns);
    column->setCurrentIndex(static_cast<int>(columns.indexOf(row.Column)));
    auto* criterion = new QComboBox(&dialog);
    criterion->addItems(CriterionNames());
    criterion->setCurrentIndex(row.Column.isEmpty() ? -1 : row.Criterion);
    auto* value = new QLineEdit(row.Value, &dialog);
    form->addRow(QStringLiteral("&Column"), column);
    form->addRow(QStringLiteral("Crit&eria"), criterion);
    form->addRow(QStringLiteral("&Value"), value);
    column->setAccessibleName(QStringLiteral("Column"));
    criterion->setAccessibleName(QStringLiteral("Criteria"));
    value->setAccessibleName(QStringLiteral("Value"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (column->currentIndex() < 0) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("You must select a field!"));
        } else if (criterion->currentIndex() < 0) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("Please select a search criteria!"));
        } else if (value->text().isEmpty()) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("Please select a search value!"));
        } else {
            dialog.accept();
        }
    });
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    row.Column = column->currentText();
    row.Criterion = criterion->currentIndex();
    row.Value = value->text();
    return true;
}

class TDataWizard : public TZpWizard {
public:
    TDataWizard(QWidget* parent, TZpDataConnections& connections, const QString& connectionName,
                const QString& editing)
        : TZpWizard(parent, QStringLiteral("Data Wizard")), FConnections(connections),
          FConnectionName(connectionName), FEditing(editing) {
        FConnection = connections.ConnectionObject(connections.IndexOfConnection(connectionName));
        BuildPages();
        try {
            if (!FConnection->Connected()) {
                FConnection->Open();
            }
        } catch (const EZpError& e) {
            ShowMessage(TZpMsgKind::Error, e.Message());
        }
        if (!editing.isEmpty()) {
            FMode = mdSql;
            FSqlMode->setChecked(true);
            FSql->setPlainText(connections.DatasetSQL(connections.IndexOfDataset(editing)));
            FName->setText(editing);
            ShowPage(pgSql);
        } else {
            ShowPage(pgMethod);
        }
    }
    [[nodiscard]] bool Added() const { return FAdded; }

protected:
    int NextPage(int page) override {
        switch (page) {
        case pgMethod:
            FMode = FSqlMode->isChecked() ? mdSql : FFilterMode->isChecked() ? mdFilter : mdTable;
            if (FMode == mdSql) {
                return pgSql;
            }
            FillTables();
            return pgTable;
        case pgSql:
            if (!IsSelectStatement(FSql->toPlainText())) {
                ShowMessage(TZpMsgKind::Information,
                            QStringLiteral("SQL statements must be SELECT statements!"));
                return -1;
            }
            FComposed = FSql->toPlainText();
            try {
                OpenPreview();
            } catch (const EZpError& e) {
                ShowMessage(TZpMsgKind::Information, e.Message());
                return -1;
            }
            return pgPreview;
        case pgTable: {
            if (!FTables->currentItem()) {
                ShowMessage(TZpMsgKind::Information, QStringLiteral("You must select a table!"));
                return -1;
            }
            FTable = FTables->currentItem()->text();
            try {
                TZpWaitCursor wait;
                TZpQuery q(FConnection, QStringLiteral("SELECT * FROM [%1]").arg(FTable));
                q.Open();
                FIncluded->clear();
                FExcluded->clear();
                for (int i = 0; i < q.FieldCount(); ++i) {
                    const TZpFieldInfo& f = q.Field(i);
                    auto* item = new QListWidgetItem(f.Name, FIncluded);
                    item->setData(kNumericRole,
                                  f.Type == TZpFieldType::ftInteger || f.Type == TZpFieldType::ftFloat);
                }
            } catch (const EZpError& e) {
                ShowMessage(TZpMsgKind::Information, e.Message());
                return -1;
            }
            return pgFields;
        }
        case pgFields:
            if (FIncluded->count() == 0) {
                ShowMessage(TZpMsgKind::Information, QStringLiteral("You must select a field!"));
                return -1;
            }
            for (QComboBox* box : FSortKeys) {
                box->clear();
                box->addItem(QString());
                box->addItems(IncludedFields());
            }
            return FMode == mdFilter ? pgFilters : pgSort;
        case pgFilters:
            return pgSort;
        case pgSort:
            FComposed = ComposeDatasetSql(FTable, IncludedFields(), Filters(), SortKeys());
            try {
                OpenPreview();
            } catch (const EZpError& e) {
                ShowMessage(
                    TZpMsgKind::Information,
                    QStringLiteral(
                        "The dataset cannot be opened given the current filter parameters.  Error: %1")
                        .arg(e.Message()));
            }
            return pgPreview;
        case pgPreview:
            if (FMode != mdSql && FEditing.isEmpty()) {
                FName->setText(FTable);
            }
            FName->setFocus();
            return pgDone;
        default:
            return -1;
        }
    }
    int PriorPage(int page) override {
        switch (page) {
        case pgTable:
            return pgMethod;
        case pgSort:
            return FMode == mdFilter ? pgFilters : pgFields;
        case pgPreview:
            return FMode == mdSql ? pgSql : pgSort;
        default:
            return page - 1;
        }
    }
    bool Finish() override {
        const QString name = FName->text().trimmed();
        if (name.isEmpty()) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("Please give this dataset a name!"));
            return false;
        }
        if (!FEditing.isEmpty()) {
            FConnections.SetDatasetSQL(FConnections.IndexOfDataset(FEditing), FComposed);
        } else {
            FConnections.AddDataset(FConnectionName, name, FComposed);
            FAdded = true;
        }
        return true;
    }

private:
    QStringList IncludedFields() const {
        QStringList list;
        for (int i = 0; i < FIncluded->count(); ++i) {
            list << FIncluded->item(i)->text();
        }
        return list;
    }
    bool IsNumeric(const QString& field) const {
        for (int i = 0; i < FIncluded->count(); ++i) {
            if (FIncluded->item(i)->text() == field) {
                return FIncluded->item(i)->data(kNumericRole).toBool();
            }
        }
        return false;
    }
    QList<TZpFilterRow> Filters() const {
        QList<TZpFilterRow> rows;
        for (int i = 0; i < FFilters->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = FFilters->topLevelItem(i);
            TZpFilterRow row;
            row.Column = item->text(0);
            row.Criterion = item->data(1, Qt::UserRole).toInt();
            row.Value = item->text(2);
            row.Numeric = IsNumeric(row.Column);
            rows << row;
        }
        return rows;
    }
    QList<TZpSortKey> SortKeys() const {
        QList<TZpSortKey> keys;
        for (int i = 0; i < 3 && !FSortKeys[i]->currentText().isEmpty(); ++i) {
            keys << TZpSortKey{FSortKeys[i]->currentText(), FDescending[i]->isChecked()};
        }
        return keys;
    }

    void FillTables() {
        FTables->clear();
        try {
            TZpWaitCursor wait;
            if (!FConnection->Connected()) {
                FConnection->Open();
            }
            FTables->addItems(FConnection->TableNames(FSystem->isChecked()));
        } catch (const EZpError& e) {
            ShowMessage(TZpMsgKind::Information, e.Message());
        }
    }

    void OpenPreview() {
        TZpWaitCursor wait;
        FPreview->clear();
        FPreview->setRowCount(0);
        FPreview->setColumnCount(0);
        TZpQuery q(FConnection, FComposed);
        q.Open();
        FCount->setText(QStringLiteral("%1 records selected.").arg(q.RecordCount()));
        QStringList headers;
        for (int i = 0; i < q.FieldCount(); ++i) {
            headers << q.Field(i).Name;
        }
        FPreview->setColumnCount(static_cast<int>(headers.size()));
        FPreview->setHorizontalHeaderLabels(headers);
        const int rows = std::min(q.RecordCount(), kPreviewRows);
        FPreview->setRowCount(rows);
        int r = 0;
        for (q.First(); !q.Eof() && r < rows; q.Next(), ++r) {
            for (int c = 0; c < q.FieldCount(); ++c) {
                FPreview->setItem(r, c, new QTableWidgetItem(q.Value(c)));
            }
        }
    }

    void BuildPages() {
        // 0: method
        auto* method = new QWidget(this);
        auto* ml = new QVBoxLayout(method);
        ml->addWidget(new QLabel(QStringLiteral("&How would you like to choose your data?"), method));
        FTableMode =
            new QRadioButton(QStringLiteral("&Just choose a table in the database (recommended)"), method);
        FSqlMode = new QRadioButton(QStringLiteral("Enter a SQL query (advanced)"), method);
        FFilterMode = new QRadioButton(QStringLiteral("Choose a table and specify search critera"), method);
        FTableMode->setChecked(true);
        ml->addWidget(FTableMode);
        ml->addWidget(FSqlMode);
        ml->addWidget(FFilterMode);
        ml->addStretch();
        AddPage(method, QStringLiteral("Select Data"),
                QStringLiteral("Choose a method of locating the data"));

        // 1: SQL
        auto* sql = new QWidget(this);
        auto* sl = new QVBoxLayout(sql);
        auto* sqlLabel = new QLabel(QStringLiteral("&Enter a valid SQL query below."), sql);
        FSql = new QPlainTextEdit(sql);
        FSql->setAccessibleName(QStringLiteral("SQL query"));
        sqlLabel->setBuddy(FSql);
        sl->addWidget(sqlLabel);
        sl->addWidget(FSql);
        AddPage(sql, QStringLiteral("SQL Query"), QStringLiteral("Enter a valid SQL query."));

        // 2: table
        auto* table = new QWidget(this);
        auto* tl = new QVBoxLayout(table);
        auto* tableLabel = new QLabel(QStringLiteral("&Which table would you like to use?"), table);
        FTables = new QListWidget(table);
        FTables->setAccessibleName(QStringLiteral("Tables"));
        tableLabel->setBuddy(FTables);
        FSystem = new QCheckBox(QStringLiteral("&Show \"system\" tables"), table);
        tl->addWidget(tableLabel);
        tl->addWidget(FTables);
        tl->addWidget(FSystem);
        connect(FSystem, &QCheckBox::toggled, this, [this] { FillTables(); });
        connect(FTables, &QListWidget::itemDoubleClicked, this, [this] {
            const int next = NextPage(pgTable);
            if (next >= 0) {
                ShowPage(next);
            }
        });
        AddPage(table, QStringLiteral("Select Table"),
                QStringLiteral("Choose the table that you wish to access."));

        // 3: fields
        auto* fields = new QWidget(this);
        auto* fl = new QGridLayout(fields);
        auto* inLabel = new QLabel(QStringLiteral("&Include fields"), fields);
        auto* outLabel = new QLabel(QStringLiteral("&Exclude fields"), fields);
        FIncluded = new QListWidget(fields);
        FExcluded = new QListWidget(fields);
        FIncluded->setSelectionMode(QAbstractItemView::ExtendedSelection);
        FExcluded->setSelectionMode(QAbstractItemView::ExtendedSelection);
        FIncluded->setAccessibleName(QStringLiteral("Include fields"));
        FExcluded->setAccessibleName(QStringLiteral("Exclude fields"));
        inLabel->setBuddy(FIncluded);
        outLabel->setBuddy(FExcluded);
        auto* moves = new QVBoxLayout;
        auto addMove = [&](const char* text, const char* name, auto handler) {
            auto* b = new QPushButton(QLatin1String(text), fields);
            b->setAccessibleName(QLatin1String(name));
            moves->addWidget(b);
            connect(b, &QPushButton::clicked, this, handler);
        };
        auto move = [](QListWidget* from, QListWidget* to, bool all) {
            for (int i = 0; i < from->count();) {
                if (all || from->item(i)->isSelected()) {
                    to->addItem(from->takeItem(i));
                } else {
                    ++i;
                }
            }
        };
        moves->addStretch();
        addMove(">>", "Include all", [=, this] { move(FExcluded, FIncluded, true); });
        addMove(">", "Include selected", [=, this] { move(FExcluded, FIncluded, false); });
        addMove("<", "Exclude selected", [=, this] { move(FIncluded, FExcluded, false); });
        addMove("<<", "Exclude all", [=, this] { move(FIncluded, FExcluded, true); });
        moves->addStretch();
        connect(FIncluded, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
            FExcluded->addItem(FIncluded->takeItem(FIncluded->row(item)));
        });
        connect(FExcluded, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
            FIncluded->addItem(FExcluded->takeItem(FExcluded->row(item)));
        });
        fl->addWidget(outLabel, 0, 0);
        fl->addWidget(inLabel, 0, 2);
        fl->addWidget(FExcluded, 1, 0);
        fl->addLayout(moves, 1, 1);
        fl->addWidget(FIncluded, 1, 2);
        AddPage(fields, QStringLiteral("Select Fields"),
                QStringLiteral("Choose the fields that you wish to use."));

        // 4: filters
        auto* filters = new QWidget(this);
        auto* fil = new QVBoxLayout(filters);
        auto* filLabel = new QLabel(QStringLiteral("&Filters"), filters);
        FFilters = new QTreeWidget(filters);
        FFilters->setRootIsDecorated(false);
        FFilters->setHeaderLabels(
            {QStringLiteral("Column"), QStringLiteral("Criteria"), QStringLiteral("Value")});
        FFilters->setAccessibleName(QStringLiteral("Filters"));
        filLabel->setBuddy(FFilters);
        auto* filButtons = new QHBoxLayout;
        auto* add = new QPushButton(QStringLiteral("&Add Filter"), filters);
        auto* remove = new QPushButton(QStringLiteral("&Remove"), filters);
        remove->setEnabled(false);
        filButtons->addWidget(add);
        filButtons->addWidget(remove);
        filButtons->addStretch();
        fil->addWidget(filLabel);
        fil->addWidget(FFilters);
        fil->addLayout(filButtons);
        auto setRow = [](QTreeWidgetItem* item, const TZpFilterRow& row) {
            item->setText(0, row.Column);
            item->setText(1, CriterionListName(row.Criterion));
            item->setData(1, Qt::UserRole, row.Criterion);
            item->setText(2, row.Value);
        };
        connect(add, &QPushButton::clicked, this, [=, this] {
            TZpFilterRow row;
            if (EditFilter(this, IncludedFields(), row)) {
                setRow(new QTreeWidgetItem(FFilters), row);
            }
        });
        connect(FFilters, &QTreeWidget::itemDoubleClicked, this, [=, this](QTreeWidgetItem* item) {
            TZpFilterRow row{item->text(0), item->data(1, Qt::UserRole).toInt(), item->text(2), false};
            if (EditFilter(this, IncludedFields(), row)) {
                setRow(item, row);
            }
        });
        connect(FFilters, &QTreeWidget::itemSelectionChanged, this,
                [=, this] { remove->setEnabled(!FFilters->selectedItems().isEmpty()); });
        connect(remove, &QPushButton::clicked, this, [this] { qDeleteAll(FFilters->selectedItems()); });
        AddPage(filters, QStringLiteral("Select Filters"),
                QStringLiteral("Add filters to zero-in on your data."));

        // 5: sort order
        auto* sort = new QWidget(this);
        auto* sol = new QGridLayout(sort);
        const char* keyLabels[] = {"&Sort results by", "&Then by", "T&hen by"};
        const char* descLabels[] = {"&Descending", "D&escending", "Des&cending"};
        for (int i = 0; i < 3; ++i) {
            auto* label = new QLabel(QLatin1String(keyLabels[i]), sort);
            FSortKeys[i] = new QComboBox(sort);
            FSortKeys[i]->setAccessibleName(QString(QLatin1String(keyLabels[i])).remove(u'&'));
            label->setBuddy(FSortKeys[i]);
            FDescending[i] = new QCheckBox(QLatin1String(descLabels[i]), sort);
            sol->addWidget(label, i * 2, 0);
            sol->addWidget(FSortKeys[i], i * 2 + 1, 0);
            sol->addWidget(FDescending[i], i * 2 + 1, 1);
        }
        auto* clear = new QPushButton(QStringLiteral("Cle&ar"), sort);
        sol->addWidget(clear, 6, 0, Qt::AlignLeft);
        sol->setRowStretch(7, 1);
        auto enable = [this] {
            for (int i = 1; i < 3; ++i) {
                const bool on = !FSortKeys[i - 1]->currentText().isEmpty() && FSortKeys[i - 1]->isEnabled();
                FSortKeys[i]->setEnabled(on);
                FDescending[i]->setEnabled(on);
                if (!on) {
                    FSortKeys[i]->setCurrentIndex(0);
                }
            }
        };
        for (QComboBox* box : FSortKeys) {
            connect(box, &QComboBox::currentIndexChanged, this, enable);
        }
        connect(clear, &QPushButton::clicked, this, [this, enable] {
            for (int i = 0; i < 3; ++i) {
                FSortKeys[i]->setCurrentIndex(0);
                FDescending[i]->setChecked(false);
            }
            enable();
        });
        enable();
        AddPage(sort, QStringLiteral("Select Sort Order"),
                QStringLiteral("Choose the fields to sort the results by."));

        // 6: preview
        auto* preview = new QWidget(this);
        auto* pl = new QVBoxLayout(preview);
        FPreview = new QTableWidget(preview);
        FPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
        FPreview->setAccessibleName(QStringLiteral("Records"));
        FCount = new QLabel(preview);
        pl->addWidget(FPreview);
        pl->addWidget(FCount);
        AddPage(preview, QStringLiteral("Preview Data"),
                QStringLiteral("Click back to make changes or click next to continue."));

        // 7: done
        auto* done = new QWidget(this);
        auto* dl = new QVBoxLayout(done);
        auto* nameLabel = new QLabel(QStringLiteral("&Give this dataset a name"), done);
        FName = new QLineEdit(done);
        FName->setAccessibleName(QStringLiteral("Dataset name"));
        nameLabel->setBuddy(FName);
        dl->addWidget(nameLabel);
        dl->addWidget(FName);
        dl->addStretch();
        AddPage(done, QStringLiteral("Process Complete!"), QString());
        resize(620, 460);
    }

    TZpDataConnections& FConnections;
    QString FConnectionName;
    QString FEditing;
    TZpConnection* FConnection = nullptr;
    TMode FMode = mdTable;
    QString FTable;
    QString FComposed;
    bool FAdded = false;
    QRadioButton* FTableMode = nullptr;
    QRadioButton* FSqlMode = nullptr;
    QRadioButton* FFilterMode = nullptr;
    QPlainTextEdit* FSql = nullptr;
    QListWidget* FTables = nullptr;
    QCheckBox* FSystem = nullptr;
    QListWidget* FIncluded = nullptr;
    QListWidget* FExcluded = nullptr;
    QTreeWidget* FFilters = nullptr;
    QComboBox* FSortKeys[3] = {};
    QCheckBox* FDescending[3] = {};
    QTableWidget* FPreview = nullptr;
    QLabel* FCount = nullptr;
    QLineEdit* FName = nullptr;
};

} // namespace

bool RunDatasetWizard(QWidget* parent, TZpDataConnections& connections, const QString& connectionName) {
    if (connections.IndexOfConnection(connectionName) < 0) {
        throw EZpError(QStringLiteral("Invalid connection \"%1\"!").arg(connectionName));
    }
    TDataWizard wizard(parent, connections, connectionName, QString());
    wizard.exec();
    return wizard.Added();
}

bool EditDataset(QWidget* parent, TZpDataConnections& connections, const QString& datasetName,
                 const QString& connectionName) {
    if (connections.IndexOfConnection(connectionName) < 0) {
        throw EZpError(QStringLiteral("Invalid connection \"%1\"!").arg(connectionName));
    }
    TDataWizard wizard(parent, connections, connectionName, datasetName);
    return wizard.exec() == QDialog::Accepted;
}

} // namespace zp

// SPDX-License-Identifier: MIT
// "Edit Database": the tables of a desktop database, a grid over the chosen
// one, and the upkeep commands (design, import, export, find, connect).
#include "base/Errors.h"
#include "data/DataConnections.h"
#include "data/DatabaseCopy.h"
#include "data/DatabaseTasks.h"
#include "data/DesktopDatabase.h"
#include "data/TableGridModel.h"
#include "data/WaitCursor.h"
#include "data/dialogs/DataDialogs.h"
#include "data/dialogs/TableDesignDialogs.h"
#include "model/document/LabelDocument.h"
#include "platform/dialogs/DialogServices.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace zp {

namespace {

const QString kDatabaseFilter =
    QStringLiteral("SQLite Databases (*.db *.sqlite);;Access Databases (*.mdb);;All Files (*)");

class TEditDatabaseWindow : public QDialog {
public:
    TEditDatabaseWindow(QWidget* parent, std::unique_ptr<TZpDesktopDatabase> db, TZpLabelDocument& document)
        : QDialog(parent), FDb(std::move(db)), FDocument(document) {
        setWindowTitle(QStringLiteral("Edit Database - %1").arg(QFileInfo(FDb->Path()).fileName()));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* menus = new QMenuBar(this);
        layout->setMenuBar(menus);
        auto* bar = new QToolBar(this);
        layout->addWidget(bar);
        auto* split = new QSplitter(this);
        auto* left = new QWidget(split);
        auto* ll = new QVBoxLayout(left);
        ll->setContentsMargins(4, 4, 4, 4);
        auto* tableLabel = new QLabel(QStringLiteral("Table"), left);
        FTables = new QListWidget(left);
        FTables->setAccessibleName(QStringLiteral("Table"));
        tableLabel->setBuddy(FTables);
        ll->addWidget(tableLabel);
        ll->addWidget(FTables);
        FGrid = new QTableView(split);
        FGrid->setAccessibleName(QStringLiteral("Records"));
        FGrid->setModel(&FModel);
        FGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
        FGrid->setSelectionMode(QAbstractItemView::SingleSelection);
        FGrid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
        FGrid->verticalHeader()->setDefaultSectionSize(FGrid->fontMetrics().height() + 6);
        FGrid->horizontalHeader()->setSectionsClickable(true);
        split->addWidget(left);
        split->addWidget(FGrid);
        split->setStretchFactor(1, 3);
        layout->addWidget(split, 1);
        FStatus = new QStatusBar(this);
        layout->addWidget(FStatus);

        auto* table = menus->addMenu(QStringLiteral("&Table"));
        auto* record = menus->addMenu(QStringLiteral("&Record"));
        auto add = [&](QMenu* menu, const char* caption, const char* hint, const QKeySequence& key,
                       auto handler, bool onBar = true) {
            auto* a = new QAction(QLatin1String(caption), this);
            a->setToolTip(QLatin1String(hint));
            a->setStatusTip(QLatin1String(hint));
            if (!key.isEmpty()) {
                a->setShortcut(key);
                a->setShortcutContext(Qt::WindowShortcut);
            }
            menu->addAction(a);
            addAction(a);
            if (onBar) {
                bar->addAction(a);
            }
            connect(a, &QAction::triggered, this, [this, handler] { Guard(handler); });
            return a;
        };
        FCreate = add(table, "Create &new table", "Create new table in this database", {},
                      [this] { CreateTable(); });
        FModify = add(table, "&Add or remove columns", "Add/remove columns from selected table", {},
                      [this] { ModifyTable(); });
        FDelete = add(table, "&Delete table", "Delete selected table from this database", {},
                      [this] { DeleteTable(); });
        table->addSeparator();
        FConnect = add(table, "&Connect to label", "Connect selected table to the current label", {},
                       [this] { ConnectToLabel(); });
        FFind = add(table, "Find", "Find", QKeySequence(Qt::Key_F3), [this] { Find(); });
        table->addSeparator();
        FImport = add(table, "&Import CSV file", "Convert a .CSV file to a table in the database", {},
                      [this] { ImportCsv(); });
        FExport = add(table, "E&xport", "Export the selected table", {}, [this] { Export(); });
        table->addSeparator();
        add(
            table, "E&xit", "Close this window", QKeySequence(Qt::ALT | Qt::Key_F4), [this] { close(); },
            false);
        bar->addSeparator();
        FInsert = add(record, "&Insert record", "Insert record", QKeySequence(Qt::Key_Insert),
                      [this] { InsertRecord(); });
        FEdit =
            add(record, "&Edit record", "Edit record", QKeySequence(Qt::Key_F2), [this] { EditRecord(); });
        FDeleteRecord = add(record, "&Delete record", "Delete record",
                            QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { DeleteRecord(); });
        FSave = add(record, "&Save changes to record", "Save changes to record",
                    QKeySequence(Qt::CTRL | Qt::Key_Return), [this] { FModel.Post(); });
        FCancel = add(record, "Cancel changes to record", "Cancel changes to record",
                      QKeySequence(Qt::Key_Escape), [this] { CancelEdit(); });
        FRefresh = add(record, "Refresh grid", "Refresh grid", QKeySequence(Qt::Key_F5),
                       [this] { FModel.Refresh(); });

        connect(FTables, &QListWidget::currentTextChanged, this,
                [this](const QString& name) { Guard([this, name] { OpenTable(name); }); });
        connect(FGrid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
            Guard([this, column] {
                const bool descending = FModel.SortColumn() == column && !FModel.SortDescending();
                FModel.SortBy(column, descending);
                FGrid->horizontalHeader()->setSortIndicatorShown(true);
                FGrid->horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder
                                                                               : Qt::AscendingOrder);
            });
        });
        connect(&FModel, &QAbstractItemModel::dataChanged, this, [this] { UpdateCommands(); });
        connect(&FModel, &QAbstractItemModel::modelReset, this, [this] { UpdateCommands(); });
        connect(&FModel, &QAbstractItemModel::rowsInserted, this, [this] { UpdateCommands(); });
        resize(900, 600);
        if (FDb->ReadOnly()) {
            FStatus->showMessage(QStringLiteral("This file can only be read."));
        }
        RefreshTables(QString());
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (FModel.State() != TZpTableGridModel::TState::Browse) {
            const TZpAnswer answer = ZpDialogs().MessageBox(
                TZpMsgKind::Confirmation,
                QStringLiteral("You are currently editing a row.  Do you want to save your changes?"),
                TZpButtons::YesNoCancel, TZpAnswer::Cancel);
            if (answer == TZpAnswer::Cancel) {
                event->ignore();
                return;
            }
            try {
                answer == TZpAnswer::Yes ? FModel.Post() : FModel.Cancel();
            } catch (const EZpError& e) {
                ShowMessage(TZpMsgKind::Error, e.Message());
                event->ignore();
                return;
            }
        }
        FModel.Close();
        event->accept();
    }
    // Escape cancels a record's edit; it never closes the window.
    void reject() override {
        if (FModel.State() != TZpTableGridModel::TState::Browse) {
            CancelEdit();
            return;
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            CancelEdit();
            return;
        }
        QDialog::keyPressEvent(event);
    }

private:
    template <class F> void Guard(F&& f) {
        try {
            f();
        } catch (const EZpError& e) {
            ShowMessage(TZpMsgKind::Error, e.Message());
        }
        UpdateCommands();
    }

    [[nodiscard]] QString CurrentTable() const {
        return FTables->currentItem() ? FTables->currentItem()->text() : QString();
    }

    void RefreshTables(const QString& select) {
        const QStringList tables = FDb->Tables();
        QSignalBlocker block(FTables);
        FTables->clear();
        FTables->addItems(tables);
        block.unblock();
        const int at = static_cast<int>(tables.indexOf(select));
        if (!tables.isEmpty()) {
            FTables->setCurrentRow(at < 0 ? 0 : at);
        } else {
            FModel.Close();
        }
        UpdateCommands();
    }

    void OpenTable(const QString& name) {
        if (FModel.State() != TZpTableGridModel::TState::Browse) {
            FModel.Post();
        }
        TZpWaitCursor wait;
        FGrid->horizontalHeader()->setSortIndicatorShown(false);
        FModel.Open(FDb->Database(), name, name.isEmpty() ? QString() : FDb->AutoNumberColumn(name));
        FStatus->showMessage(name.isEmpty() ? QString()
                                            : QStringLiteral("%1 records").arg(FModel.rowCount()));
    }

    void UpdateCommands() {
        const bool table = FTables->currentItem() != nullptr;
        const bool browsing = FModel.State() == TZpTableGridModel::TState::Browse;
        const bool writable = !FDb->ReadOnly();
        FCreate->setEnabled(writable);
        FImport->setEnabled(writable);
        for (QAction* a : {FModify, FDelete}) {
            a->setEnabled(table && writable);
        }
        for (QAction* a : {FConnect, FFind, FExport}) {
            a->setEnabled(table);
        }
        FInsert->setEnabled(FModel.IsOpen() && browsing && writable);
        FEdit->setEnabled(FModel.IsOpen() && browsing && writable && FModel.rowCount() > 0);
        FDeleteRecord->setEnabled(FModel.IsOpen() && browsing && writable && FModel.rowCount() > 0);
        FSave->setEnabled(!browsing);
        FCancel->setEnabled(!browsing);
        FRefresh->setEnabled(FModel.IsOpen());
    }

    void CreateTable() {
        QString name;
        QList<TZpDatabaseField> fields;
        if (!DesignTable(this, name, fields, false)) {
            return;
        }
        FModel.Close();
        FDb->CreateTable(name, fields);
        RefreshTables(name);
    }

    void ModifyTable() {
        QString name = CurrentTable();
        QList<TZpDatabaseField> fields = FDb->Columns(name);
        if (!DesignTable(this, name, fields, true)) {
            return;
        }
        FModel.Close();
        try {
            FDb->ModifyTable(name, fields);
        } catch (...) {
            RefreshTables(name);
            throw;
        }
        RefreshTables(name);
    }

    void DeleteTable() {
        if (!Confirm(QStringLiteral(
                         "Deleting this table is not reversible - all data will be lost.  Are you sure?"),
                     false)) {
            return;
        }
        const QString name = CurrentTable();
        FModel.Close();
        try {
            FDb->DeleteTable(name);
        } catch (...) {
            RefreshTables(name);
            throw;
        }
        RefreshTables(QString());
    }

    void ConnectToLabel() {
        const int column = FModel.SortColumn();
        const QString sortField =
            column >= 0 ? FModel.headerData(column, Qt::Horizontal).toString() : QString();
        ConnectTableToLabel(FDocument.Connections(), FDb->Path(), FDb->ConnectionString(), CurrentTable(),
                            sortField, FModel.SortDescending());
        RefreshFieldChooser(FDocument.Connections());
        FDocument.RefreshDataValues();
        ShowMessage(TZpMsgKind::Information,
                    QStringLiteral("The table has been connected and is ready to use!"));
    }

    void Find() {
        if (!FModel.IsOpen()) {
            return;
        }
        QStringList fields;
        for (int c = 0; c < FModel.columnCount(); ++c) {
            fields << FModel.headerData(c, Qt::Horizontal).toString();
        }
        if (!AskTableFind(this, fields, FLastFind)) {
            return;
        }
        TZpWaitCursor wait;
        const int row = FDb->FindRow(FModel.Table(), FLastFind.Field, FLastFind.Value,
                                     FLastFind.CaseSensitive, FLastFind.Exact, FModel.OrderByClause());
        if (row < 0) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("No matches found."));
            return;
        }
        const QModelIndex index = FModel.index(row, static_cast<int>(fields.indexOf(FLastFind.Field)));
        FGrid->setCurrentIndex(index);
        FGrid->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }

    void ImportCsv() {
        const auto file = ZpDialogs().OpenFileName(QStringLiteral("Import CSV File"), QString(),
                                                   QStringLiteral("Comma-Separated Values (*.CSV *.csv)"));
        if (!file) {
            return;
        }
        const bool header = Confirm(QStringLiteral("Does the first line of \"%1\" hold the column names?")
                                        .arg(QFileInfo(*file).fileName()),
                                    true);
        FModel.Close();
        TZpWaitCursor wait;
        QString table;
        try {
            table = FDb->ImportCsv(*file, header, [this](int done, int total) {
                FStatus->showMessage(QStringLiteral("Importing row %1 of %2...").arg(done).arg(total));
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });
        } catch (...) {
            FStatus->clearMessage();
            RefreshTables(CurrentTable());
            throw;
        }
        RefreshTables(table);
    }

    void Export() {
        QString filter;
        const QString xmlFilter = QStringLiteral("XML File (*.XML *.xml)");
        QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Export Table"), CurrentTable() + QStringLiteral(".csv"),
            QStringLiteral("Comma Separated Values (.CSV) (*.CSV *.csv);;") + xmlFilter, &filter);
        if (path.isEmpty()) {
            return;
        }
        if (filter == xmlFilter) {
            path = ForceXmlExtension(path);
        } else if (QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".csv");
        }
        TZpWaitCursor wait;
        FDb->ExportTable(CurrentTable(), path, FModel.OrderByClause());
        FStatus->showMessage(QStringLiteral("Exported to %1").arg(path));
    }

    void InsertRecord() {
        const int row = FModel.Insert();
        const QModelIndex index = FModel.index(row, FirstEditableColumn());
        FGrid->setCurrentIndex(index);
        FGrid->scrollTo(index);
        FGrid->edit(index);
    }

    void EditRecord() {
        QModelIndex index = FGrid->currentIndex();
        if (!index.isValid()) {
            index = FModel.index(0, FirstEditableColumn());
        }
        if (!(FModel.flags(index) & Qt::ItemIsEditable)) {
            index = FModel.index(index.row(), FirstEditableColumn());
        }
        FModel.Edit(index.row());
        FGrid->setCurrentIndex(index);
        FGrid->edit(index);
        UpdateCommands();
    }

    void DeleteRecord() {
        const QModelIndex index = FGrid->currentIndex();
        if (!index.isValid() || !Confirm(QStringLiteral("Delete this record?"), false)) {
            return;
        }
        FModel.DeleteRecord(index.row());
    }

    void CancelEdit() {
        if (QWidget* editor = FGrid->indexWidget(FGrid->currentIndex())) {
            (void)editor;
        }
        FGrid->setCurrentIndex(FGrid->currentIndex()); // closes an open cell editor
        FModel.Cancel();
        UpdateCommands();
    }

    [[nodiscard]] int FirstEditableColumn() const {
        for (int c = 0; c < FModel.columnCount(); ++c) {
            if (FModel.flags(FModel.index(0, c)) & Qt::ItemIsEditable) {
                return c;
            }
        }
        return 0;
    }

    std::unique_ptr<TZpDesktopDatabase> FDb;
    TZpLabelDocument& FDocument;
    TZpTableGridModel FModel;
    QListWidget* FTables;
    QTableView* FGrid;
    QStatusBar* FStatus;
    TZpTableFind FLastFind;
    QAction* FCreate;
    QAction* FModify;
    QAction* FDelete;
    QAction* FConnect;
    QAction* FFind;
    QAction* FImport;
    QAction* FExport;
    QAction* FInsert;
    QAction* FEdit;
    QAction* FDeleteRecord;
    QAction* FSave;
    QAction* FCancel;
    QAction* FRefresh;
};

// An Access file cannot be changed here: offer a copy into a new desktop database.
std::unique_ptr<TZpDesktopDatabase> OpenForEditing(const QString& path) {
    try {
        return std::make_unique<TZpDesktopDatabase>(path);
    } catch (const EZpError& e) {
        if (!e.Message().contains(QStringLiteral("can only be read"))) {
            throw;
        }
        if (!Confirm(e.Message() + QStringLiteral("  Copy it into a new SQLite database that can be edited?"),
                     false)) {
            return nullptr;
        }
        const QFileInfo info(path);
        const auto target = ZpDialogs().SaveFileName(
            QStringLiteral("Create Database"),
            info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".db")),
            QStringLiteral("SQLite Database (*.db *.sqlite)"));
        if (!target) {
            return nullptr;
        }
        TZpWaitCursor wait;
        CopyToDesktopDatabase(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path,
                              *target);
        return std::make_unique<TZpDesktopDatabase>(*target);
    }
}

} // namespace

void EditDatabaseFile(QWidget* parent, const QString& path, TZpLabelDocument& document) {
    std::unique_ptr<TZpDesktopDatabase> db = OpenForEditing(path);
    if (!db) {
        return;
    }
    TEditDatabaseWindow window(parent, std::move(db), document);
    window.exec();
}

bool CreateDatabase(QWidget* parent, TZpLabelDocument& document) {
    auto path = ZpDialogs().SaveFileName(QStringLiteral("Create Database"), QString(),
                                         QStringLiteral("SQLite Database (*.db *.sqlite)"));
    if (!path) {
        return false;
    }
    if (QFileInfo(*path).suffix().isEmpty()) {
        *path += QStringLiteral(".db");
    }
    try {
        CreateAccessDatabase(*path);
        EditDatabaseFile(parent, *path, document);
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
        return false;
    }
    return true;
}

bool EditDatabase(QWidget* parent, TZpLabelDocument& document) {
    const auto path = ZpDialogs().OpenFileName(QStringLiteral("Edit Database"), QString(), kDatabaseFilter);
    if (!path) {
        return false;
    }
    try {
        EditDatabaseFile(parent, *path, document);
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
        return false;
    }
    document.Connections().Reopen();
    document.RefreshDataValues();
    RefreshFieldChooser(document.Connections());
    return true;
}

} // namespace zp
